; The Windows installer of Skyvarre. scripts/windows.sh builds it from the
; installed program folder:
;   makensis -DSETTINGS=<installer-settings.nsh> -DSTAGE=<program folder>
;            -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> -DUNFOLDERS=<unfolders.nsh>
;            -DOUTFILE=<setup.exe> [-DSIGN=<command that signs the file it is given>]
;            installer.nsi
; SETTINGS, which CMake writes, defines VERSION, PUBLISHER, ICON,
; RUNNING_MUTEX and the HELP_PAGE, HOME_PAGE and DOWNLOAD_PAGE addresses.
; FILES holds a File line for every file of the folder, UNFILES a Delete line
; for each of them and UNFOLDERS an RMDir line for each folder: the
; uninstaller removes exactly what was installed, and a folder only once it
; is empty.
;
; Installs for the current user without asking for administrator rights, or
; for every user of the machine once that is chosen (on the mode page, or
; /AllUsers on the command line), and only then asks for them. /S installs
; and uninstalls silently; every refusal and failure ends with exit code 2.
; An earlier installation is removed by its own uninstaller first, so that
; nothing a later version no longer ships stays behind.

; A 64-bit installer for a 64-bit program: it runs where the program does,
; and sees the registry and Program Files as the program does.
Target amd64-unicode
!include "${SETTINGS}"
SetCompressor /SOLID lzma

!define PRODUCT "Skyvarre"
!define EXE "skyvarre.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program keeps its one setting (QSettings' place for "skyvarre").
!define SETTINGS_KEY "Software\skyvarre"
; Qt 6.4 runs on Windows 10 1809 and later.
!define OLDEST_WINDOWS_BUILD 17763
!define FAILED 2

; Elevation is asked for by the copy that installs for all users, not by the
; file: a per-user installation never shows a UAC prompt.
RequestExecutionLevel user
ManifestDPIAware true
ManifestLongPathAware true

!ifdef SIGN
    !finalize '${SIGN} "%1"' = 0
    !uninstfinalize '${SIGN} "%1"' = 0
!endif

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinVer.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails hide
ShowUninstDetails hide
; A file that cannot be written stops the installation (Retry or Cancel,
; and Cancel when silent): never a mix of two versions.
AllowSkipFiles off

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 The Skyvarre developers. MIT licence."

Var AllUsers        ; 1 to install for every user, 0 for the current user
Var Elevated        ; 1 in the copy started through UAC for an all-users install
Var ModeJustMe
Var ModeEveryone
Var RemoveSettings  ; uninstaller: 1 to remove the reminder setting too

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsTheUser

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipInElevatedCopy
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipInElevatedCopy
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.SettingsPage un.SettingsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Sets RESULT to 1 when the named mutex exists. One of another user's, which
; this user may not open (ERROR_ACCESS_DENIED, 5), exists all the same.
!macro MutexExists NAME RESULT
    ; SYNCHRONIZE access
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${NAME}") p .r1 ?e'
    Pop $2
    ${If} $1 P<> 0
        System::Call 'kernel32::CloseHandle(p r1)'
        StrCpy ${RESULT} 1
    ${ElseIf} $2 = 5
        StrCpy ${RESULT} 1
    ${EndIf}
!macroend

; Both the installer and the uninstaller need these; NSIS keeps their
; functions apart by the "un." prefix.
!macro SharedFunctions UN
    ; Sets the shell folders and SHCTX (HKEY_CURRENT_USER or
    ; HKEY_LOCAL_MACHINE) for the chosen scope.
    Function ${UN}UseScope
        ${If} $AllUsers = 1
            SetShellVarContext all
        ${Else}
            SetShellVarContext current
        ${EndIf}
    FunctionEnd

    ; Pushes 1 when a copy of Skyvarre runs: it holds a named mutex in the
    ; global namespace (or, where it could not, in its session's).
    Function ${UN}IsRunning
        Push $0
        Push $1
        Push $2
        StrCpy $0 0
        !insertmacro MutexExists "Global\${RUNNING_MUTEX}" $0
        !insertmacro MutexExists "${RUNNING_MUTEX}" $0
        Pop $2
        Pop $1
        Exch $0
    FunctionEnd

    ; Asks the user to close Skyvarre for as long as it runs; pushes 1 once
    ; it is closed, 0 when the user (or a silent run) gives up.
    Function ${UN}WaitUntilClosed
        Push $0
        retry:
        Call ${UN}IsRunning
        Pop $0
        ${If} $0 = 1
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is running. Close every ${PRODUCT} window, then choose Retry." \
                /SD IDCANCEL IDRETRY retry
            StrCpy $0 0
        ${Else}
            StrCpy $0 1
        ${EndIf}
        Exch $0
    FunctionEnd

    ; Runs this installer or uninstaller again through UAC, for every user,
    ; with the command line given on the stack, waits for it and ends with
    ; its exit code. Returns only when the user refused the elevation.
    Function ${UN}RunElevated
        Exch $0 ; the parameters
        Push $1
        Push $2
        ; SHELLEXECUTEINFOW as 64-bit Windows lays it out (112 bytes, the
        ; 4-byte members padded to 8): cbSize, fMask SEE_MASK_NOCLOSEPROCESS,
        ; hwnd, lpVerb, lpFile, lpParameters, lpDirectory, nShow
        ; SW_SHOWNORMAL, hInstApp, lpIDList, lpClass, hkeyClass, dwHotKey,
        ; hIcon, hProcess.
        System::Call '*(i 112, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", w r0, w "$EXEDIR", i 1, i 0, p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r1'
        System::Call 'shell32::ShellExecuteExW(p r1) i .r2'
        ${If} $2 <> 0
            System::Call '*$1(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r2)'
            System::Call 'kernel32::WaitForSingleObject(p r2, i -1)'
            System::Call 'kernel32::GetExitCodeProcess(p r2, *i .r0)'
            System::Call 'kernel32::CloseHandle(p r2)'
            System::Free $1
            SetErrorLevel $0
            Quit
        ${EndIf}
        System::Free $1
        Pop $2
        Pop $1
        Pop $0
    FunctionEnd

    ; 1 when this process may write for every user.
    Function ${UN}IsElevated
        Push $0
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 == "Admin"
            StrCpy $0 1
        ${Else}
            StrCpy $0 0
        ${EndIf}
        Exch $0
    FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

; Ends a silent run, or an interactive one past its pages, as failed.
!macro Refuse MESSAGE
    MessageBox MB_OK|MB_ICONSTOP "${MESSAGE}" /SD IDOK
    SetErrorLevel ${FAILED}
    Quit
!macroend

Function .onInit
    ${IfNot} ${AtLeastBuild} ${OLDEST_WINDOWS_BUILD}
        !insertmacro Refuse "${PRODUCT} needs Windows 10 version 1809 or later, or Windows 11."
    ${EndIf}
    ${GetParameters} $R0
    StrCpy $AllUsers 0
    StrCpy $Elevated 0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/Elevated" $R1
    ${IfNot} ${Errors}
        StrCpy $Elevated 1
    ${EndIf}
    ; Without a choice on the command line, an existing installation for
    ; every user is offered first on the mode page.
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${If} ${Errors}
    ${AndIf} $AllUsers = 0
    ${AndIfNot} ${Silent}
        ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $R1 != ""
        ${AndIf} $R2 == ""
            StrCpy $AllUsers 1
        ${EndIf}
    ${EndIf}

    ; Interactively the mode page checks; the copy started through UAC skips
    ; that page and checks here.
    ${If} ${Silent}
    ${OrIf} $Elevated = 1
        ${If} $AllUsers = 1
            Call ElevateForEveryone
        ${EndIf}
        Call CheckBeforeInstalling
    ${EndIf}
    Call UseScope
    Call ChooseFolder
FunctionEnd

; The folder: where this scope's installation is, else the default.
Function ChooseFolder
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR == ""
        ${If} $AllUsers = 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

; For every user this installer must run elevated: a copy that is not
; starts itself again through UAC with the same choices.
Function ElevateForEveryone
    Call IsElevated
    Pop $0
    ${If} $0 = 1
        Return
    ${EndIf}
    ${GetParameters} $0
    Push "$0 /AllUsers /Elevated"
    Call RunElevated
    ; The user said no to UAC.
    ${If} ${Silent}
        !insertmacro Refuse "Installing ${PRODUCT} for every user needs administrator rights."
    ${EndIf}
    MessageBox MB_OK|MB_ICONEXCLAMATION \
        "Installing ${PRODUCT} for every user needs administrator rights. Install it just for you instead, or try again."
    Abort
FunctionEnd

; Everything that may refuse the installation, before anything changes:
; a running copy, an installation in the other scope that this one cannot
; replace, a newer version.
Function CheckBeforeInstalling
    Call WaitUntilClosed
    Pop $0
    ${If} $0 = 0
        !insertmacro Refuse "${PRODUCT} is running, so it was not installed. Close it and run the installer again."
    ${EndIf}
    ${If} $AllUsers = 0
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $0 != ""
            MessageBox MB_OK|MB_ICONEXCLAMATION \
                "${PRODUCT} is already installed for every user of this computer, in $0. Install it for every user to update it, or uninstall that one first." \
                /SD IDOK
            ${If} ${Silent}
                SetErrorLevel ${FAILED}
                Quit
            ${EndIf}
            Abort
        ${EndIf}
        ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${Else}
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${EndIf}
    ${If} $1 != ""
        ${VersionCompare} $1 "${VERSION}" $2
        ${If} $2 = 1
            MessageBox MB_YESNO|MB_ICONQUESTION \
                "${PRODUCT} $1 is installed, which is newer than this ${VERSION}. Replace it with ${VERSION}?" \
                /SD IDNO IDYES older_accepted
            SetErrorLevel ${FAILED}
            Quit
            older_accepted:
        ${EndIf}
    ${EndIf}
FunctionEnd

Function SkipInElevatedCopy
    ${If} $Elevated = 1
        Abort
    ${EndIf}
FunctionEnd

Function ModePage
    ${If} $Elevated = 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for which users to install ${PRODUCT}."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Install ${PRODUCT} just for you, or for every user of this computer. Installing for every user asks for administrator rights."
    Pop $0
    ${NSD_CreateRadioButton} 10u 34u -10u 12u "&Just for me"
    Pop $ModeJustMe
    ${NSD_CreateRadioButton} 10u 50u -10u 12u "&Every user of this computer"
    Pop $ModeEveryone
    ${If} $AllUsers = 1
        ${NSD_Check} $ModeEveryone
    ${Else}
        ${NSD_Check} $ModeJustMe
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $ModeEveryone $AllUsers
    ${If} $AllUsers = ${BST_CHECKED}
        StrCpy $AllUsers 1
        Call ElevateForEveryone
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call CheckBeforeInstalling
    Call UseScope
    Call ChooseFolder
FunctionEnd

; The finish page's "Run Skyvarre": an elevated installer would start it
; elevated too, so Explorer, which runs as the user, starts it then.
Function RunAsTheUser
    ${If} $AllUsers = 1
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\${EXE}"'
    ${Else}
        Exec '"$INSTDIR\${EXE}"'
    ${EndIf}
FunctionEnd

; Removes the installation whose entry lies under ROOT (HKCU or HKLM) with
; its own uninstaller, run in place and silently, and waits for it.
!macro RemoveEarlierInstallation ROOT SCOPE
    ReadRegStr $0 ${ROOT} "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
        DetailPrint "Removing the earlier installation in $0"
        ClearErrors
        ExecWait '"$0\${UNINSTALLER}" ${SCOPE} /S _?=$0' $1
        ${If} ${Errors}
        ${OrIf} $1 <> 0
            MessageBox MB_OK|MB_ICONSTOP \
                "The earlier installation in $0 could not be removed, so ${PRODUCT} was not installed." \
                /SD IDOK
            SetErrorLevel ${FAILED}
            Abort
        ${EndIf}
        ; Run in place, it cannot remove itself.
        Delete "$0\${UNINSTALLER}"
        RMDir "$0"
    ${EndIf}
!macroend

Section "Skyvarre"
    ; The user may have started the program while on the pages.
    Call WaitUntilClosed
    Pop $0
    ${If} $0 = 0
        SetErrorLevel ${FAILED}
        Abort "${PRODUCT} is running, so it was not installed."
    ${EndIf}
    ; One installation per user: one for every user replaces the user's own.
    ${If} $AllUsers = 1
        !insertmacro RemoveEarlierInstallation HKCU /CurrentUser
        !insertmacro RemoveEarlierInstallation HKLM /AllUsers
    ${Else}
        !insertmacro RemoveEarlierInstallation HKCU /CurrentUser
    ${EndIf}

    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    ; Apps and Features: SHCTX is HKEY_CURRENT_USER for the current user and
    ; HKEY_LOCAL_MACHINE for every user.
    ${If} $AllUsers = 1
        StrCpy $0 "/AllUsers"
    ${Else}
        StrCpy $0 "/CurrentUser"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" $0 /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${HELP_PAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLUpdateInfo" "${DOWNLOAD_PAGE}"
    ${GetTime} "" "L" $1 $2 $3 $4 $5 $6 $7
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallDate" "$3$2$1"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

Function un.onInit
    ${GetParameters} $R0
    StrCpy $AllUsers 0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    StrCpy $RemoveSettings 0
    ClearErrors
    ${GetOptions} $R0 "/RemoveSettings" $R1
    ${IfNot} ${Errors}
        StrCpy $RemoveSettings 1
    ${EndIf}
    ${If} $AllUsers = 1
        Call un.IsElevated
        Pop $0
        ${If} $0 = 0
            ; The copy NSIS runs from the temporary folder: the same again,
            ; elevated, still told where the installation is.
            Push "$R0 _?=$INSTDIR"
            Call un.RunElevated
            !insertmacro Refuse "Uninstalling ${PRODUCT} for every user needs administrator rights."
        ${EndIf}
    ${EndIf}
    Call un.UseScope
    Call un.WaitUntilClosed
    Pop $0
    ${If} $0 = 0
        !insertmacro Refuse "${PRODUCT} is running, so it was not uninstalled. Close it and uninstall again."
    ${EndIf}
FunctionEnd

Var SettingsCheckBox

Function un.SettingsPage
    !insertmacro MUI_HEADER_TEXT "Settings" "Choose whether to keep ${PRODUCT}'s setting."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateCheckBox} 0 0 100% 24u "Also &remove ${PRODUCT}'s setting (when to offer the next update check) from this user's registry"
    Pop $SettingsCheckBox
    ${NSD_SetState} $SettingsCheckBox $RemoveSettings
    nsDialogs::Show
FunctionEnd

Function un.SettingsPageLeave
    ${NSD_GetState} $SettingsCheckBox $RemoveSettings
    ${If} $RemoveSettings = ${BST_CHECKED}
        StrCpy $RemoveSettings 1
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; The program's files first: one that cannot be removed (a copy started
    ; meanwhile holds it) keeps the entry, the shortcut and this uninstaller,
    ; so that the uninstallation can be run again.
    ClearErrors
    !include "${UNFILES}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP \
            "Some of ${PRODUCT}'s files in $INSTDIR could not be removed. Close ${PRODUCT} and uninstall again." \
            /SD IDOK
        SetErrorLevel ${FAILED}
        Abort "${PRODUCT} was not uninstalled completely."
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; A folder that holds files of the user's stays.
    !include "${UNFOLDERS}"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${If} $RemoveSettings = 1
        DeleteRegKey HKCU "${SETTINGS_KEY}"
    ${EndIf}
SectionEnd
