; The Windows installer of Skyvarre. scripts/windows.sh builds it from the
; installed program folder:
;   makensis -DSETTINGS=<installer-settings.nsh> -DSTAGE=<program folder>
;            -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> -DUNFOLDERS=<unfolders.nsh>
;            -DLAUNCHER=<uninstall.exe> -DOUTFILE=<setup.exe>
;            [-DSIGN=<command that signs the file it is given>]
;            installer.nsi
; SETTINGS, which CMake writes, defines VERSION, PUBLISHER, ICON,
; RUNNING_MUTEX and the HELP_PAGE, HOME_PAGE and DOWNLOAD_PAGE addresses.
; FILES holds a File line for every file of the folder, UNFILES a Delete line
; for each of them and UNFOLDERS an RMDir line for each folder: the
; uninstaller removes exactly what was installed, and a folder only once it
; is empty. LAUNCHER is the small program that Apps and Features runs to
; uninstall: it runs this script's uninstaller in place and waits for it
; (packaging/windows/uninstall.cpp).
;
; Installs for the current user without administrator rights, or, run as an
; administrator, for every user of the machine. /S installs and uninstalls
; silently. Each refusal and failure has an exit code of its own (EXIT_*
; below; /? lists them). An earlier installation is removed by its own
; uninstaller first, so that nothing a later version no longer ships stays
; behind; it is copied aside beforehand and put back when the new version
; cannot be written whole.

; A 64-bit installer for a 64-bit program: it runs where the program does,
; and sees the registry and Program Files as the program does.
Target amd64-unicode
!include "${SETTINGS}"
SetCompressor /SOLID lzma

!define PRODUCT "Skyvarre"
!define EXE "skyvarre.exe"
; What the uninstall entry runs, and the uninstaller it runs.
!define LAUNCHER_NAME "uninstall.exe"
!define UNINSTALLER "uninstaller.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program keeps its one setting (QSettings' place for "skyvarre").
!define SETTINGS_KEY "Software\skyvarre"
; Qt 6.4 runs on Windows 10 1809 and later.
!define OLDEST_WINDOWS_BUILD 17763

; The exit codes, one meaning each, for scripts and package managers.
; 1 is what NSIS itself gives when the user cancels.
!define EXIT_CANCELLED 1
!define EXIT_WRITE_FAILED 2
!define EXIT_RUNNING 3
!define EXIT_NEWER_INSTALLED 4
!define EXIT_OTHER_SCOPE 5
!define EXIT_WINDOWS_TOO_OLD 6
!define EXIT_BAD_SWITCH 7
!define EXIT_NEEDS_ADMIN 8
!define EXIT_FOLDER_NOT_EMPTY 9

; The installer never asks for elevation: an installation for every user is
; made by running it as an administrator. Only the uninstall command of such
; an installation, started by a user from Apps and Features, asks for it.
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
!include TextFunc.nsh
!include WinVer.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
; Browse appends the last part, so the files always get a folder of their own.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
ShowInstDetails hide
ShowUninstDetails hide
; A file that cannot be written stops the installation (Retry or Cancel,
; and Cancel when silent), and the earlier installation is put back.
AllowSkipFiles off

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 The Skyvarre developers. MIT licence."

Var AllUsers        ; 1 to install for every user, 0 for the current user
Var Elevated        ; 1 when this process runs with administrator rights
Var FolderGiven     ; installer: 1 when /D= chose the folder
Var ScopeGiven      ; installer: 1 when /AllUsers or /CurrentUser chose the scope
Var ShowUsage       ; 1 for /?
Var ModeJustMe
Var ModeEveryone
Var Backup          ; installer: where the earlier state is kept, "" until it is
Var RemoveSettings  ; uninstaller: 1 to remove the reminder setting too
Var HasEntry        ; uninstaller: 1 when an uninstall entry names this folder

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(FINISH_RUN)"
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsTheUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
Page custom ModePage ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.SettingsPage un.SettingsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the one for a Windows in any other language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "installer-texts.nsh"

; Sets RESULT to 1 when the named mutex exists. One this user may not open
; (ERROR_ACCESS_DENIED, 5) exists all the same.
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

; Ends the run with CODE after saying MESSAGE (not when silent).
!macro Refuse CODE MESSAGE
    MessageBox MB_OK|MB_ICONSTOP "${MESSAGE}" /SD IDOK
    SetErrorLevel ${CODE}
    Quit
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

    ; Pushes 1 when a copy of Skyvarre runs, in any session: every copy
    ; holds the one named mutex in the global namespace (or, where it could
    ; not, one in its session's).
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

    ; Asks the user to close Skyvarre for as long as it runs; ends the run
    ; with EXIT_RUNNING when the user (or a silent run) gives up.
    Function ${UN}WaitUntilClosed
        Push $0
        retry:
        Call ${UN}IsRunning
        Pop $0
        ${If} $0 = 1
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "$(MSG_RUNNING)" \
                /SD IDCANCEL IDRETRY retry
            SetErrorLevel ${EXIT_RUNNING}
            Quit
        ${EndIf}
        Pop $0
    FunctionEnd

    ; Sets $Elevated: 1 when this process may write for every user. A
    ; member of the administrators who did not elevate counts as a user.
    Function ${UN}FindElevation
        UserInfo::GetAccountType
        Pop $Elevated
        ${If} $Elevated == "Admin"
            StrCpy $Elevated 1
        ${Else}
            StrCpy $Elevated 0
        ${EndIf}
    FunctionEnd

    ; Reads the command line's switches into the variables they set; ends
    ; the run with EXIT_BAD_SWITCH at the first one this program does not
    ; take, so that a mistyped switch never changes what is done. NSIS has
    ; already taken /D= (the installer's folder) and _?= (the uninstaller's)
    ; off the line; switches are words between spaces.
    Function ${UN}ReadSwitches
        ${GetParameters} $R0
        StrCpy $ShowUsage 0
        next_word:
            StrCpy $R1 $R0 1
            ${If} $R1 == " "
                StrCpy $R0 $R0 "" 1
                Goto next_word
            ${EndIf}
            ${If} $R0 == ""
                Return
            ${EndIf}
            StrCpy $R2 ""
            in_word:
                StrCpy $R1 $R0 1
                ${If} $R1 != " "
                ${AndIf} $R1 != ""
                    StrCpy $R2 "$R2$R1"
                    StrCpy $R0 $R0 "" 1
                    Goto in_word
                ${EndIf}
            Call ${UN}TakeSwitch
            Goto next_word
    FunctionEnd

!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

; /S is NSIS's own and is case-sensitive there, so it is here too.
!macro TakeSilentSwitch
    ${If} $R2 S== "/S"
        Return
    ${EndIf}
!macroend

!macro RefuseSwitch
    !insertmacro Refuse ${EXIT_BAD_SWITCH} \
        "$(MSG_UNKNOWN_SWITCH)"
!macroend

;----------------------------------------------------------------------------
; The installer

Function TakeSwitch
    !insertmacro TakeSilentSwitch
    ${If} $R2 == "/NCRC"
        Return
    ${ElseIf} $R2 == "/?"
        StrCpy $ShowUsage 1
        Return
    ${ElseIf} $R2 == "/AllUsers"
    ${OrIf} $R2 == "/CurrentUser"
        ${If} $ScopeGiven = 1
            !insertmacro Refuse ${EXIT_BAD_SWITCH} "$(MSG_BOTH_SCOPES)"
        ${EndIf}
        StrCpy $ScopeGiven 1
        ${If} $R2 == "/AllUsers"
            StrCpy $AllUsers 1
        ${EndIf}
        Return
    ${EndIf}
    !insertmacro RefuseSwitch
FunctionEnd

Function .onInit
    StrCpy $AllUsers 0
    StrCpy $ScopeGiven 0
    StrCpy $Backup ""
    Call ReadSwitches
    ${If} $ShowUsage = 1
        MessageBox MB_OK|MB_ICONINFORMATION \
            "$(MSG_USAGE)" \
            /SD IDOK
        SetErrorLevel 0
        Quit
    ${EndIf}
    ${IfNot} ${AtLeastBuild} ${OLDEST_WINDOWS_BUILD}
        !insertmacro Refuse ${EXIT_WINDOWS_TOO_OLD} \
            "$(MSG_WINDOWS_TOO_OLD)"
    ${EndIf}
    Call FindElevation
    ; NSIS has put /D='s folder, or else InstallDir, into $INSTDIR.
    StrCpy $FolderGiven 0
    ${If} $INSTDIR != "$LOCALAPPDATA\Programs\${PRODUCT}"
        StrCpy $FolderGiven 1
    ${EndIf}
    ; On the users page, an administrator is offered the installation for
    ; every user first where that is the one there is. Silently, without a
    ; switch, it is always the user's own.
    ${If} $ScopeGiven = 0
    ${AndIf} $Elevated = 1
    ${AndIfNot} ${Silent}
        ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $R1 != ""
        ${AndIf} $R2 == ""
            StrCpy $AllUsers 1
        ${EndIf}
    ${EndIf}
    ${If} $AllUsers = 1
    ${AndIf} $Elevated = 0
        !insertmacro Refuse ${EXIT_NEEDS_ADMIN} \
            "$(MSG_INSTALL_NEEDS_ADMIN)"
    ${EndIf}
    ; Interactively the pages check; silently everything is checked here.
    ${If} ${Silent}
        Call CheckBeforeInstalling
        Call UseScope
        Call ChooseFolder
        Call CheckFolder
    ${Else}
        Call UseScope
        Call ChooseFolder
    ${EndIf}
FunctionEnd

; The folder: the one /D= gave, else where this scope's installation is,
; else the scope's usual place.
Function ChooseFolder
    ${If} $FolderGiven = 1
        Return
    ${EndIf}
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR == ""
        ${If} $AllUsers = 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

; Pushes 1 when the folder on the stack holds anything, 0 when it is empty
; or does not exist.
Function HoldsAnything
    Exch $0
    Push $1
    Push $2
    ${If} $0 == ""
        ; Not the current drive's root.
        StrCpy $0 0
        Goto done
    ${EndIf}
    FindFirst $2 $1 "$0\*.*"
    skip_dots:
    ${If} $1 == "."
    ${OrIf} $1 == ".."
        FindNext $2 $1
        Goto skip_dots
    ${EndIf}
    FindClose $2
    ${If} $1 == ""
        StrCpy $0 0
    ${Else}
        StrCpy $0 1
    ${EndIf}
    done:
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Pushes 1 when FOLDER may take the files: it does not exist, is empty, or
; holds Skyvarre (an installation's folder, or one with the program in it).
; Anything else would be overwritten and later deleted by the uninstaller.
Function IsFolderForUs
    Exch $0
    ${If} ${FileExists} "$0\${EXE}"
        StrCpy $0 1
    ${Else}
        Push $0
        Call HoldsAnything
        Pop $0
        IntOp $0 1 - $0
    ${EndIf}
    Exch $0
FunctionEnd

Function CheckFolder
    Push $INSTDIR
    Call IsFolderForUs
    Pop $0
    ${If} $0 = 0
        !insertmacro Refuse ${EXIT_FOLDER_NOT_EMPTY} \
            "$(MSG_FOLDER_NOT_EMPTY_SILENT)"
    ${EndIf}
FunctionEnd

Function FolderPageLeave
    Push $INSTDIR
    Call IsFolderForUs
    Pop $0
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "$(MSG_FOLDER_NOT_EMPTY)"
        Abort
    ${EndIf}
FunctionEnd

; Everything that may refuse the installation, before anything changes:
; a running copy, an installation for every user that a user's own cannot
; stand beside, a newer version.
Function CheckBeforeInstalling
    Call WaitUntilClosed
    ${If} $AllUsers = 0
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $0 != ""
        ${AndIf} ${FileExists} "$0\${LAUNCHER_NAME}"
            MessageBox MB_OK|MB_ICONEXCLAMATION \
                "$(MSG_OTHER_SCOPE)" \
                /SD IDOK
            ${If} ${Silent}
                SetErrorLevel ${EXIT_OTHER_SCOPE}
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
                "$(MSG_NEWER_INSTALLED)" \
                /SD IDNO IDYES older_accepted
            SetErrorLevel ${EXIT_NEWER_INSTALLED}
            Quit
            older_accepted:
        ${EndIf}
    ${EndIf}
FunctionEnd

Function ModePage
    !insertmacro MUI_HEADER_TEXT "$(PAGE_USERS_TITLE)" "$(PAGE_USERS_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${If} $Elevated = 1
        StrCpy $1 "$(PAGE_USERS_TEXT_ADMIN)"
    ${Else}
        StrCpy $1 "$(PAGE_USERS_TEXT)"
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 24u $1
    Pop $0
    ${NSD_CreateRadioButton} 10u 34u -10u 12u "$(PAGE_USERS_JUST_ME)"
    Pop $ModeJustMe
    ${NSD_CreateRadioButton} 10u 50u -10u 12u "$(PAGE_USERS_EVERYONE)"
    Pop $ModeEveryone
    ${If} $Elevated = 0
        EnableWindow $ModeEveryone 0
    ${EndIf}
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
    ${If} $Elevated = 1
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\${EXE}"'
    ${Else}
        Exec '"$INSTDIR\${EXE}"'
    ${EndIf}
FunctionEnd

;----------------------------------------------------------------------------
; Keeping the earlier state, so that a failed installation can put it back

; The Start-menu shortcut of the scope CONTEXT (current or all).
!macro ShortcutOf CONTEXT RESULT
    SetShellVarContext ${CONTEXT}
    StrCpy ${RESULT} "$SMPROGRAMS\${PRODUCT}.lnk"
    Call UseScope
!macroend

; Copies the folder $0 aside, once, with a line in the list of copies.
Function KeepFolder
    Push $0
    Call HoldsAnything
    Pop $1
    ${If} $1 = 0
        Return
    ${EndIf}
    ClearErrors
    FileOpen $1 "$Backup\folders.txt" r
    ${IfNot} ${Errors}
        ${Do}
            FileRead $1 $2
            ${TrimNewLines} $2 $2
            ${If} $2 == $0
                FileClose $1
                Return
            ${EndIf}
        ${LoopUntil} $2 == ""
        FileClose $1
    ${EndIf}
    GetTempFileName $3 "$Backup"
    Delete $3
    ClearErrors
    CopyFiles /SILENT "$0\*.*" "$3"
    ${If} ${Errors}
        SetErrorLevel ${EXIT_WRITE_FAILED}
        Abort "$(MSG_NOT_COPIED_ASIDE)"
    ${EndIf}
    FileOpen $1 "$Backup\folders.txt" a
    FileSeek $1 0 END
    FileWrite $1 "$0$\r$\n$3$\r$\n"
    FileClose $1
FunctionEnd

; Before the first change: the folders that will change, both uninstall
; entries and both shortcuts.
Function KeepEarlierState
    InitPluginsDir
    StrCpy $Backup "$PLUGINSDIR\earlier"
    CreateDirectory "$Backup"
    StrCpy $0 $INSTDIR
    Call KeepFolder
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    Call KeepFolder
    ${If} $Elevated = 1
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        Call KeepFolder
    ${EndIf}
    ; reg.exe keeps a key whole, whatever values an earlier version wrote.
    nsExec::Exec '"$SYSDIR\reg.exe" export "HKCU\${UNINSTALL_KEY}" "$Backup\current.reg" /y'
    Pop $0
    ${If} $Elevated = 1
        nsExec::Exec '"$SYSDIR\reg.exe" export "HKLM\${UNINSTALL_KEY}" "$Backup\all.reg" /y'
        Pop $0
    ${EndIf}
    !insertmacro ShortcutOf current $0
    CopyFiles /SILENT "$0" "$Backup\current.lnk"
    !insertmacro ShortcutOf all $0
    CopyFiles /SILENT "$0" "$Backup\all.lnk"
FunctionEnd

; Puts back what KeepEarlierState kept: first what this installation wrote
; goes, then the earlier folders, entries and shortcuts come back.
Function .onInstFailed
    ${If} $Backup == ""
        Return
    ${EndIf}
    ; Whatever NSIS said of the failure, it was a failure to write.
    SetErrorLevel ${EXIT_WRITE_FAILED}
    DetailPrint "$(DETAIL_PUTTING_BACK)"
    !include "${UNFILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$INSTDIR\${LAUNCHER_NAME}"
    !include "${UNFOLDERS}"
    RMDir "$INSTDIR"
    ClearErrors
    FileOpen $1 "$Backup\folders.txt" r
    ${IfNot} ${Errors}
        ${Do}
            FileRead $1 $2
            FileRead $1 $3
            ${TrimNewLines} $2 $2
            ${TrimNewLines} $3 $3
            ${If} $2 != ""
                CreateDirectory "$2"
                CopyFiles /SILENT "$3\*.*" "$2"
            ${EndIf}
        ${LoopUntil} $2 == ""
        FileClose $1
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${If} ${FileExists} "$Backup\current.reg"
        nsExec::Exec '"$SYSDIR\reg.exe" import "$Backup\current.reg"'
        Pop $0
    ${EndIf}
    ${If} $Elevated = 1
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
        ${If} ${FileExists} "$Backup\all.reg"
            nsExec::Exec '"$SYSDIR\reg.exe" import "$Backup\all.reg"'
            Pop $0
        ${EndIf}
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro ShortcutOf current $0
    CopyFiles /SILENT "$Backup\current.lnk" "$0"
    !insertmacro ShortcutOf all $0
    CopyFiles /SILENT "$Backup\all.lnk" "$0"
FunctionEnd

;----------------------------------------------------------------------------
; Removing an earlier installation

; Runs the command line on the stack without administrator rights, as the
; user's own programs run: this process's user, the administrators' group
; for denying only, no privileges but the basic ones, medium integrity.
; Waits for it and pushes its exit code, or "" when it could not start.
Function ExecWaitWithoutAdmin
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    StrCpy $6 ""
    ; TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY | TOKEN_QUERY | TOKEN_ADJUST_DEFAULT
    System::Call 'advapi32::OpenProcessToken(p -1, i 0x8B, *p .r1) i .r2'
    ${If} $2 <> 0
        System::Call 'advapi32::ConvertStringSidToSidW(w "S-1-5-32-544", *p .r3)'
        ; SID_AND_ATTRIBUTES; DISABLE_MAX_PRIVILEGE
        System::Call '*(p r3, i 0) p .r4'
        System::Call 'advapi32::CreateRestrictedToken(p r1, i 1, i 1, p r4, i 0, p 0, i 0, p 0, *p .r5) i .r2'
        System::Free $4
        System::Call 'kernel32::LocalFree(p r3)'
        System::Call 'kernel32::CloseHandle(p r1)'
    ${EndIf}
    ${If} $2 <> 0
        ; TOKEN_MANDATORY_LABEL with the medium integrity SID (SE_GROUP_INTEGRITY)
        System::Call 'advapi32::ConvertStringSidToSidW(w "S-1-16-8192", *p .r3)'
        System::Call 'advapi32::GetLengthSid(p r3) i .r1'
        IntOp $1 $1 + 16
        System::Call '*(p r3, i 0x20) p .r4'
        System::Call 'advapi32::SetTokenInformation(p r5, i 25, p r4, i r1) i .r2'
        System::Free $4
        System::Call 'kernel32::LocalFree(p r3)'
        ${If} $2 <> 0
            ; STARTUPINFOW (104 bytes, cb first), PROCESS_INFORMATION
            System::Alloc 104
            Pop $3
            System::Call '*$3(i 104)'
            System::Call '*(p 0, p 0, i 0, i 0) p .r4'
            System::Call 'advapi32::CreateProcessAsUserW(p r5, p 0, w r0, p 0, p 0, i 0, i 0, p 0, p 0, p r3, p r4) i .r2'
            ${If} $2 <> 0
                System::Call '*$4(p .r1, p .r2)'
                System::Call 'kernel32::WaitForSingleObject(p r1, i -1)'
                System::Call 'kernel32::GetExitCodeProcess(p r1, *i .r6)'
                System::Call 'kernel32::CloseHandle(p r1)'
                System::Call 'kernel32::CloseHandle(p r2)'
            ${EndIf}
            System::Free $3
            System::Free $4
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r5)'
    ${EndIf}
    StrCpy $0 $6
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Removes the installation in $0 that lost its uninstaller, whose entry lies
; under ROOT (HKCU or HKLM, shortcut CONTEXT current or all): the files this
; version ships, its folders once empty, its shortcut and its entry.
!macro RemoveByHand ROOT CONTEXT
    Push $INSTDIR
    StrCpy $INSTDIR $0
    !include "${UNFILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$INSTDIR\${LAUNCHER_NAME}"
    !include "${UNFOLDERS}"
    RMDir "$INSTDIR"
    Pop $INSTDIR
    !insertmacro ShortcutOf ${CONTEXT} $1
    Delete "$1"
    DeleteRegKey ${ROOT} "${UNINSTALL_KEY}"
    ${If} ${FileExists} "$0\*.*"
        MessageBox MB_OK|MB_ICONINFORMATION \
            "$(MSG_FILES_LEFT)" \
            /SD IDOK
    ${EndIf}
!macroend

; Removes the installation whose entry lies under ROOT, normally with its
; own uninstall command, run silently; waits for it. SWITCH and _?= are for
; 1.15 and earlier, whose uninstall.exe was the uninstaller itself. A user's
; own installation lies in a folder the user's programs may change, so its
; command never runs with this installer's administrator rights.
!macro RemoveEarlierInstallation ROOT SWITCH CONTEXT
    ReadRegStr $0 ${ROOT} "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        ${If} ${FileExists} "$0\${LAUNCHER_NAME}"
            DetailPrint "$(DETAIL_REMOVING)"
            StrCpy $1 '"$0\${LAUNCHER_NAME}" ${SWITCH} /S _?=$0'
            !if ${ROOT} == HKCU
                ${If} $Elevated = 1
                    Push $1
                    Call ExecWaitWithoutAdmin
                    Pop $1
                ${Else}
                    ExecWait $1 $1
                ${EndIf}
            !else
                ExecWait $1 $1
            !endif
            ${If} $1 != 0
                MessageBox MB_OK|MB_ICONSTOP \
                    "$(MSG_NOT_REMOVED)" \
                    /SD IDOK
                Abort "$(STATUS_NOT_INSTALLED)"
            ${EndIf}
            ; Uninstallers of 1.15 and earlier, run in place, leave themselves.
            Delete "$0\${LAUNCHER_NAME}"
            RMDir "$0"
        ${ElseIf} ${FileExists} "$0\*.*"
            DetailPrint "$(DETAIL_REMOVING_WITHOUT_UNINSTALLER)"
            !insertmacro RemoveByHand ${ROOT} ${CONTEXT}
        ${Else}
            DetailPrint "$(DETAIL_REMOVING_STALE_ENTRY)"
            !insertmacro RemoveByHand ${ROOT} ${CONTEXT}
        ${EndIf}
    ${EndIf}
!macroend

; Stops the installation at a failed write; .onInstFailed puts the earlier
; state back.
!macro AbortOnErrors MESSAGE
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(${MESSAGE})" /SD IDOK
        Abort "$(STATUS_NOT_INSTALLED)"
    ${EndIf}
!macroend

Section "Skyvarre"
    ; The user may have started the program while on the pages.
    Call WaitUntilClosed
    ; Whether the folder can be written at all, before anything changes.
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\${PRODUCT}-write-test.tmp" w
    FileClose $0
    Delete "$INSTDIR\${PRODUCT}-write-test.tmp"
    ${If} ${Errors}
        RMDir "$INSTDIR"
        MessageBox MB_OK|MB_ICONSTOP \
            "$(MSG_FOLDER_NOT_WRITABLE)" /SD IDOK
        SetErrorLevel ${EXIT_WRITE_FAILED}
        Abort "$(STATUS_NOT_INSTALLED)"
    ${EndIf}

    Call KeepEarlierState
    ; One installation per user: one for every user replaces the user's own.
    !insertmacro RemoveEarlierInstallation HKCU /CurrentUser current
    ${If} $AllUsers = 1
        !insertmacro RemoveEarlierInstallation HKLM /AllUsers all
    ${EndIf}

    SetOutPath "$INSTDIR"
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    ClearErrors
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    File "/oname=${LAUNCHER_NAME}" "${LAUNCHER}"
    !insertmacro AbortOnErrors MSG_UNINSTALLER_NOT_WRITTEN
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"
    !insertmacro AbortOnErrors MSG_SHORTCUT_NOT_WRITTEN

    ClearErrors
    ; Apps and Features: SHCTX is HKEY_CURRENT_USER for the current user and
    ; HKEY_LOCAL_MACHINE for every user. The commands end only when the
    ; uninstallation has, with its exit code, as package managers expect.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${LAUNCHER_NAME}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${LAUNCHER_NAME}" /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${HELP_PAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLUpdateInfo" "${DOWNLOAD_PAGE}"
    ${GetTime} "" "L" $1 $2 $3 $4 $5 $6 $7
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallDate" "$3$2$1"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
    !insertmacro AbortOnErrors MSG_ENTRY_NOT_WRITTEN
SectionEnd

;----------------------------------------------------------------------------
; The uninstaller

Function un.TakeSwitch
    !insertmacro TakeSilentSwitch
    ${If} $R2 == "/RemoveSettings"
        StrCpy $RemoveSettings 1
        Return
    ${ElseIf} $R2 == "/?"
        StrCpy $ShowUsage 1
        Return
    ${ElseIf} $R2 == "/AllUsers"
    ${OrIf} $R2 == "/CurrentUser"
        ; Taken for the uninstall strings of 1.15 and earlier; the scope is
        ; the installation's own.
        Return
    ${EndIf}
    !insertmacro RefuseSwitch
FunctionEnd

; Trims the trailing backslashes of the path on the stack, so that two
; spellings of one folder compare equal (StrCmp ignores case, as
; Windows does).
Function un.TrimFolder
    Exch $0
    Push $1
    loop:
        StrCpy $1 $0 1 -1
        ${If} $1 == "\"
            StrCpy $0 $0 -1
            Goto loop
        ${EndIf}
    Pop $1
    Exch $0
FunctionEnd

; Sets the scope and $HasEntry from the entry whose InstallLocation is this
; uninstaller's folder: the one for every user, else the user's own.
Function un.FindOwnEntry
    Push $INSTDIR
    Call un.TrimFolder
    Pop $0
    StrCpy $AllUsers 0
    StrCpy $HasEntry 0
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    Push $1
    Call un.TrimFolder
    Pop $1
    ${If} $1 != ""
    ${AndIf} $1 == $0
        StrCpy $AllUsers 1
        StrCpy $HasEntry 1
        Return
    ${EndIf}
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    Push $1
    Call un.TrimFolder
    Pop $1
    ${If} $1 != ""
    ${AndIf} $1 == $0
        StrCpy $HasEntry 1
    ${EndIf}
FunctionEnd

Function un.onInit
    StrCpy $RemoveSettings 0
    Call un.ReadSwitches
    ${If} $ShowUsage = 1
        MessageBox MB_OK|MB_ICONINFORMATION \
            "$(MSG_UNINSTALL_USAGE)" \
            /SD IDOK
        SetErrorLevel 0
        Quit
    ${EndIf}
    Call un.FindElevation
    Call un.FindOwnEntry
    ; uninstall.exe asks for the rights first; this is for a start of the
    ; uninstaller itself.
    ${If} $AllUsers = 1
    ${AndIf} $Elevated = 0
        !insertmacro Refuse ${EXIT_NEEDS_ADMIN} \
            "$(MSG_UNINSTALL_NEEDS_ADMIN)"
    ${EndIf}
    Call un.UseScope
    Call un.WaitUntilClosed
FunctionEnd

Var SettingsCheckBox

Function un.SettingsPage
    !insertmacro MUI_HEADER_TEXT "$(PAGE_SETTINGS_TITLE)" "$(PAGE_SETTINGS_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateCheckBox} 0 0 100% 24u "$(PAGE_SETTINGS_REMOVE)"
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
    ; The user may have started the program while on the pages.
    Call un.WaitUntilClosed
    ; The program's files first: one that cannot be removed (a copy started
    ; meanwhile holds it) keeps the entry, the shortcut and this uninstaller,
    ; so that the uninstallation can be run again.
    ClearErrors
    !include "${UNFILES}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP \
            "$(MSG_FILES_NOT_REMOVED)" \
            /SD IDOK
        SetErrorLevel ${EXIT_WRITE_FAILED}
        Abort "$(STATUS_NOT_UNINSTALLED)"
    ${EndIf}
    ${If} $HasEntry = 1
        Delete "$SMPROGRAMS\${PRODUCT}.lnk"
        DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${EndIf}
    ; Run in place (_?=) by uninstall.exe, which removes this file, itself and
    ; the folder once this has ended; started any other way, this runs from a
    ; copy in the temporary folder and removes them itself.
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$INSTDIR\${LAUNCHER_NAME}"
    ; A folder that holds files of the user's stays.
    !include "${UNFOLDERS}"
    RMDir "$INSTDIR"
    ${If} $RemoveSettings = 1
        DeleteRegKey HKCU "${SETTINGS_KEY}"
    ${EndIf}
SectionEnd
