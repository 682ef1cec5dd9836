; The Windows installer of Skyvarre. scripts/windows.sh builds it from the
; installed program folder:
;   makensis -DSETTINGS=<installer-settings.nsh> -DSTAGE=<program folder>
;            -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> -DUNFOLDERS=<unfolders.nsh>
;            -DSHIPPED=<shipped.nsh> -DFILE_LIST=<installed-files.txt>
;            -DLAUNCHER=<uninstall.exe> -DOUTFILE=<setup.exe>
;            [-DSIGN=<command that signs the file it is given>] [-DTEST_HOOKS]
;            installer.nsi
; SETTINGS, which CMake writes, defines VERSION, PUBLISHER, ICON,
; RUNNING_MUTEX and the HELP_PAGE, HOME_PAGE and DOWNLOAD_PAGE addresses.
; FILES holds a File line for every file of the folder, UNFILES a Delete line
; for each of them (skyvarre.exe last) and UNFOLDERS an RMDir line for each
; folder; SHIPPED a StrCmp line for each that jumps to "shipped" when $1
; names it; FILE_LIST is the same list as UTF-16 text, which the installation
; keeps. LAUNCHER is the small program that Apps and Features runs to
; uninstall: it runs this script's uninstaller in place and waits for it
; (packaging/windows/uninstall.cpp).
;
; Installs for the current user without administrator rights, or, run as an
; administrator, for every user of the machine. /S installs and uninstalls
; silently. Each refusal and failure has an exit code of its own (EXIT_*
; below; /? lists them).
;
; An update is written over the installation in place, and only once every
; file of the new version is there are the files the earlier version had and
; this one lacks deleted (by the list the earlier version left) and the
; entry written. The uninstallers are written first, so a folder that an
; interrupted run left half-written is still recognised as Skyvarre's, and
; running the installer again completes it. No earlier uninstaller runs.

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
; The files this version installed, for the next version to know which of
; them it no longer ships.
!define FILE_LIST_NAME "installed-files.txt"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program keeps its one setting (QSettings' place for "skyvarre").
!define SETTINGS_KEY "Software\skyvarre"
; Qt 6.4 runs on Windows 10 1809 and later.
!define OLDEST_WINDOWS_BUILD 17763
; An installation for every user outside Program Files gets Program Files'
; rights, and no others: administrators and the system may change it, users
; may read and run it. Owned by the administrators.
!define PROTECTED_FOLDER "O:BAD:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"

; The exit codes, one meaning each, for scripts and package managers.
; 1 is what NSIS itself gives when the user cancels, 2 what it gives when
; it stops for a failure of its own (a damaged download, a temporary folder
; it cannot write) or of this script.
!define EXIT_CANCELLED 1
!define EXIT_NOT_COMPLETED 2
!define EXIT_RUNNING 3
!define EXIT_NEWER_INSTALLED 4
!define EXIT_OTHER_SCOPE 5
!define EXIT_WINDOWS_TOO_OLD 6
!define EXIT_BAD_SWITCH 7
!define EXIT_NEEDS_ADMIN 8
!define EXIT_FOLDER_NOT_OURS 9

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
!include StrFunc.nsh
!include WinVer.nsh
${StrLoc}

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
; Browse appends the last part, so the files always get a folder of their own.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
ShowInstDetails hide
ShowUninstDetails hide
; A file that cannot be written stops the installation (Retry or Cancel,
; and Cancel when silent); running the installer again completes it.
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
Var LocalSystem     ; installer: 1 when it runs as the system (a deployment tool)
Var ScopeGiven      ; installer: 1 when /AllUsers or /CurrentUser chose the scope
Var FolderGiven     ; installer: 1 when /D= chose the folder
Var ShowUsage       ; 1 for /?
Var ModeJustMe
Var ModeEveryone
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
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.SettingsPage un.SettingsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
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

; The Wine check's ways in, built only into its own copy of the installer:
; SKYVARRE_TEST_ACCOUNT=user or system makes the run take itself for a user
; without administrator rights or for the system, and
; SKYVARRE_TEST_PAUSE=<step> holds it at that step, with a file
; "paused-<step>" beside it, until it is killed.
!macro TestPause STEP
    !ifdef TEST_HOOKS
        ReadEnvStr $R9 SKYVARRE_TEST_PAUSE
        ClearErrors
        ${If} $R9 == "${STEP}"
            FileOpen $R9 "$EXEDIR\paused-${STEP}" w
            FileClose $R9
            ${Do}
                Sleep 1000
            ${Loop}
        ${EndIf}
    !endif
!macroend

; Both the installer and the uninstaller need these; NSIS keeps their
; functions apart by the "un." prefix.
!macro SharedFunctions UN
    ; NSIS unpacks its plug-ins into a new folder in $TEMP. Before 3.11 a
    ; user could make that folder first, in the system's temporary folder
    ; (a run as the system) or the administrator's own (an elevated run), and
    ; fill it. Run with administrator rights, the plug-ins' folder goes where
    ; only administrators may create one: the very first thing, before any
    ; plug-in is used.
    Function ${UN}KeepPluginsPrivate
        ClearErrors
        GetTempFileName $0 "$PROGRAMFILES64"
        ${IfNot} ${Errors}
        ${AndIf} $0 != ""
            Delete $0
            UnsafeStrCpy $TEMP "$PROGRAMFILES64"
        ${EndIf}
        ; A user without the rights keeps the temporary folder, which is
        ; the user's own, and no error to show.
        ClearErrors
    FunctionEnd

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
        !ifdef TEST_HOOKS
            ReadEnvStr $0 SKYVARRE_TEST_ACCOUNT
            ${If} $0 == "user"
                StrCpy $Elevated 0
            ${EndIf}
        !endif
    FunctionEnd

    ; Pushes the folder on the stack without its trailing backslashes, so
    ; that two spellings of one folder compare equal (StrCmp ignores case,
    ; as Windows does).
    Function ${UN}TrimFolder
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

; Sets RESULT to 1 when the uninstall entry under ROOT names FOLDER (without
; trailing backslashes), else to 0.
!macro IsNamedByEntry UN ROOT FOLDER RESULT
    ReadRegStr ${RESULT} ${ROOT} "${UNINSTALL_KEY}" "InstallLocation"
    Push ${RESULT}
    Call ${UN}TrimFolder
    Pop ${RESULT}
    ${If} ${RESULT} == ${FOLDER}
    ${AndIf} ${RESULT} != ""
        StrCpy ${RESULT} 1
    ${Else}
        StrCpy ${RESULT} 0
    ${EndIf}
!macroend

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

; Sets RESULT to 1 when FOLDER lies inside PARENT (both without trailing
; backslashes), else to 0.
!macro IsInside FOLDER PARENT RESULT
    StrLen ${RESULT} "${PARENT}\"
    StrCpy ${RESULT} "${FOLDER}" ${RESULT}
    ${If} ${RESULT} == "${PARENT}\"
        StrCpy ${RESULT} 1
    ${Else}
        StrCpy ${RESULT} 0
    ${EndIf}
!macroend

;----------------------------------------------------------------------------
; The installer

Var EarlierFolder   ; the folder this scope's entry named before
Var UsersOwnFolder  ; for every user: the folder the user's own entry named

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

; /D= as it was given. NSIS takes everything after " /D=" as the folder,
; and one it finds invalid (in quotes, with forward slashes, relative, on a
; drive that is not there) it quietly replaces with InstallDir; the line
; Windows started this process with still holds what was given. One pair of
; quotes is taken off; anything but an absolute folder is refused.
Function ReadFolderSwitch
    StrCpy $FolderGiven 0
    System::Call 'kernel32::GetCommandLineW() w .r0'
    ${StrLoc} $1 $0 " /D=" ">"
    ${If} $1 == ""
        Call ChooseFolder
        Return
    ${EndIf}
    StrCpy $FolderGiven 1
    IntOp $1 $1 + 4
    StrCpy $0 $0 "" $1
    StrCpy $1 $0 1
    StrCpy $2 $0 "" -1
    ${If} $1 == '"'
    ${AndIf} $2 == '"'
        StrCpy $0 $0 -1 1
    ${EndIf}
    Push $0
    Call TrimFolder
    Pop $0
    ; A drive letter with its backslash, or a share's two.
    StrCpy $1 $0 1 1
    StrCpy $2 $0 1 2
    StrCpy $3 $0 2
    ${GetRoot} $0 $4
    ${If} $1$2 != ":\"
    ${AndIf} $3 != "\\"
        StrCpy $4 ""
    ${EndIf}
    ${StrLoc} $1 $0 "/" ">"
    ${StrLoc} $2 $0 '"' ">"
    ${If} $4 == ""
    ${OrIfNot} ${FileExists} "$4\*.*"
    ${OrIf} $1 != ""
    ${OrIf} $2 != ""
        !insertmacro Refuse ${EXIT_BAD_SWITCH} "$(MSG_BAD_FOLDER)"
    ${EndIf}
    StrCpy $INSTDIR $0
FunctionEnd

Function .onInit
    Call KeepPluginsPrivate
    StrCpy $AllUsers 0
    StrCpy $ScopeGiven 0
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
    ; WinLocalSystemSid (22), as Intune and SCCM run installers.
    System::Call '*(&i68) p .r1'
    System::Call 'advapi32::CreateWellKnownSid(i 22, p 0, p r1, *i 68)'
    System::Call 'advapi32::CheckTokenMembership(p 0, p r1, *i .s)'
    Pop $LocalSystem
    System::Free $1
    !ifdef TEST_HOOKS
        ReadEnvStr $0 SKYVARRE_TEST_ACCOUNT
        ${If} $0 == "system"
            StrCpy $LocalSystem 1
        ${EndIf}
    !endif
    ; Without a switch, the pages offer an administrator every user first,
    ; and the system account (a deployment tool) installs for every user:
    ; an administrator's password typed for a user, or a tool, means the
    ; computer's users, not the profile of the account the installer runs
    ; as. A silent run as an administrator stays the account's own.
    ${If} $ScopeGiven = 0
    ${AndIf} $Elevated = 1
        ${If} $LocalSystem = 1
        ${OrIfNot} ${Silent}
            StrCpy $AllUsers 1
        ${EndIf}
    ${EndIf}
    ${If} $AllUsers = 1
    ${AndIf} $Elevated = 0
        !insertmacro Refuse ${EXIT_NEEDS_ADMIN} \
            "$(MSG_INSTALL_NEEDS_ADMIN)"
    ${EndIf}
    Call UseScope
    Call ReadFolderSwitch
    ; Interactively the pages check; silently everything is checked here.
    ${If} ${Silent}
        Call CheckBeforeInstalling
        Call CheckFolder
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

; Refuses a folder that is not Skyvarre's: Skyvarre's is one an uninstall
; entry names, one that holds an uninstaller or the list of installed files
; (a half-installed or half-removed installation, or one whose program a
; virus scanner took away), an empty one, or none yet. Anything else holds
; files of other programs, which the installation would overwrite and its
; uninstaller later delete. Silently the run ends; on the folder page the
; page stays.
Function CheckFolder
    Push $INSTDIR
    Call TrimFolder
    Pop $0
    ${DirState} $0 $1
    ${If} $1 < 1
    ${OrIf} ${FileExists} "$0\${UNINSTALLER}"
    ${OrIf} ${FileExists} "$0\${LAUNCHER_NAME}"
    ${OrIf} ${FileExists} "$0\${FILE_LIST_NAME}"
        Return
    ${EndIf}
    !insertmacro IsNamedByEntry "" HKLM $0 $1
    ${If} $1 = 0
        !insertmacro IsNamedByEntry "" HKCU $0 $1
    ${EndIf}
    ${If} $1 = 0
        ${If} ${Silent}
            !insertmacro Refuse ${EXIT_FOLDER_NOT_OURS} "$(MSG_FOLDER_NOT_EMPTY_SILENT)"
        ${EndIf}
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(MSG_FOLDER_NOT_EMPTY)"
        Abort
    ${EndIf}
FunctionEnd

; Everything that may refuse the installation, before anything changes:
; a running copy, an installation for every user that a user's own cannot
; stand beside, a newer version in either scope.
Function CheckBeforeInstalling
    Call WaitUntilClosed
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${DirState} $0 $1
    ${If} $AllUsers = 0
    ${AndIf} $0 != ""
    ${AndIf} $1 = 1
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "$(MSG_OTHER_SCOPE)" \
            /SD IDOK
        ${If} ${Silent}
            SetErrorLevel ${EXIT_OTHER_SCOPE}
            Quit
        ${EndIf}
        Abort
    ${EndIf}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${VersionCompare} $1 $2 $3
    ${If} $3 = 2
        StrCpy $1 $2
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
    ; Right to left in Arabic, Hebrew and Persian, as NSIS's own pages are.
    nsDialogs::SetRTL $(^RTL)
    ${If} $Elevated = 1
        StrCpy $1 "$(PAGE_USERS_TEXT_ADMIN)"
    ${Else}
        StrCpy $1 "$(PAGE_USERS_TEXT)"
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 24u $1
    Pop $0
    ; Named after the account, which is the administrator's when a user
    ; typed an administrator's password.
    System::Call 'advapi32::GetUserNameW(w .r1, *i ${NSIS_MAX_STRLEN})'
    ${NSD_CreateRadioButton} 10u 34u -10u 12u "$(PAGE_USERS_JUST_ME) ($1)"
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
; Installing in place

; An installation for every user outside Program Files would take the
; rights of the folder it is made in, which at a drive's root let every
; user change it: then any user could put a program there that every user,
; and the next update run as an administrator, would start.
Function ProtectFolder
    ${If} $AllUsers = 0
        Return
    ${EndIf}
    !insertmacro IsInside $INSTDIR $PROGRAMFILES64 $0
    !insertmacro IsInside $INSTDIR $PROGRAMFILES32 $1
    ${If} $0 = 1
    ${OrIf} $1 = 1
        Return
    ${EndIf}
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${PROTECTED_FOLDER}", i 1, *p .r1, p 0) i .r0'
    ${If} $0 <> 0
        System::Call 'advapi32::GetSecurityDescriptorOwner(p r1, *p .r2, *i .r3)'
        System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r3, *p .r4, *i .r3)'
        ; SE_FILE_OBJECT; OWNER, DACL and PROTECTED_DACL_SECURITY_INFORMATION.
        ; The rights pass on to what the folder holds.
        System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i 1, i 0x80000005, p r2, p 0, p r4, p 0) i .r0'
        System::Call 'kernel32::LocalFree(p r1)'
        ${If} $0 = 0
            Return
        ${EndIf}
    ${EndIf}
    SetErrors
FunctionEnd

; Deletes the files in the list an installation of Skyvarre keeps in the
; folder $0: all of them, or ($1 = 1) those this version does not ship.
; Nothing when there is no list (a new installation, or one made before the
; list was kept). A line that would reach outside the folder is not followed.
Function DeleteListedFiles
    StrCpy $R1 $1
    ClearErrors
    FileOpen $R0 "$0\${FILE_LIST_NAME}" r
    ${If} ${Errors}
        Goto done
    ${EndIf}
    FileReadWord $R0 $1
    ${If} $1 <> 0xFEFF
        FileSeek $R0 0 SET
    ${EndIf}
    ${Do}
        ClearErrors
        FileReadUTF16LE $R0 $1
        ${If} ${Errors}
            ${Break}
        ${EndIf}
        ${TrimNewLines} $1 $1
        ${StrLoc} $2 $1 ".." ">"
        ${StrLoc} $3 $1 ":" ">"
        StrCpy $4 $1 1
        ${If} $1 == ""
        ${OrIf} $2 != ""
        ${OrIf} $3 != ""
        ${OrIf} $4 == "\"
            ${Continue}
        ${EndIf}
        ${If} $R1 = 1
            !include "${SHIPPED}"
        ${EndIf}
        Delete "$0\$1"
        ${GetParent} "$0\$1" $2
        RMDir $2
        shipped:
    ${Loop}
    FileClose $R0
    done:
FunctionEnd

; Removes the files of the installation in $0 by the names in its list and
; those this version knows: an earlier installation in another folder, once
; this one is whole.
; No program of that folder runs. Files this version does not know stay,
; and a message says so. An installer with administrator rights removes
; the files a user's own entry names ($1 = 1) only inside the user's
; profile: that entry is the user's to change.
Function RemoveFilesByName
    DetailPrint "$(DETAIL_REMOVING)"
    ${If} $1 = 1
    ${AndIf} $Elevated = 1
        !insertmacro IsInside $0 $PROFILE $1
        ${If} $1 = 0
            Goto report
        ${EndIf}
    ${EndIf}
    StrCpy $1 0
    Call DeleteListedFiles
    Push $INSTDIR
    StrCpy $INSTDIR $0
    !include "${UNFILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$INSTDIR\${LAUNCHER_NAME}"
    Delete "$INSTDIR\${FILE_LIST_NAME}"
    !include "${UNFOLDERS}"
    RMDir "$INSTDIR"
    Pop $INSTDIR
    report:
    ${If} ${FileExists} "$0\*.*"
        MessageBox MB_OK|MB_ICONINFORMATION \
            "$(MSG_FILES_LEFT)" \
            /SD IDOK
    ${EndIf}
FunctionEnd

; Stops at a failed write.
!macro StopOnErrors MESSAGE
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(${MESSAGE})" /SD IDOK
        Abort "$(STATUS_NOT_INSTALLED)"
    ${EndIf}
!macroend

Section "Skyvarre"
    ; The user may have started the program while on the pages.
    Call WaitUntilClosed
    ; The earlier installations that go once this one is whole: this
    ; scope's, where it lies elsewhere, and, for every user, the user's own.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    Push $0
    Call TrimFolder
    Pop $EarlierFolder
    StrCpy $UsersOwnFolder ""
    ${If} $AllUsers = 1
        ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayName"
        ReadRegStr $UsersOwnFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
        Push $UsersOwnFolder
        Call TrimFolder
        Pop $UsersOwnFolder
        ${If} $0 != ""
        ${AndIf} $UsersOwnFolder == ""
            ; An entry without a folder: only the entry goes.
            StrCpy $UsersOwnFolder "$INSTDIR"
        ${EndIf}
    ${EndIf}
    Push $INSTDIR
    Call TrimFolder
    Pop $INSTDIR

    ClearErrors
    CreateDirectory "$INSTDIR"
    Call ProtectFolder
    !insertmacro StopOnErrors MSG_FOLDER_NOT_WRITABLE
    !insertmacro TestPause folder
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    File "/oname=${LAUNCHER_NAME}" "${LAUNCHER}"
    !insertmacro StopOnErrors MSG_NOT_COMPLETED
    !insertmacro TestPause uninstaller
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    !insertmacro TestPause files
    StrCpy $0 $INSTDIR
    StrCpy $1 1
    Call DeleteListedFiles
    ClearErrors
    File "/oname=${FILE_LIST_NAME}" "${FILE_LIST}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"
    !insertmacro StopOnErrors MSG_NOT_COMPLETED
    !insertmacro TestPause list

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
    !insertmacro StopOnErrors MSG_NOT_COMPLETED
    !insertmacro TestPause entry

    ; This installation is whole: the earlier ones elsewhere go.
    ${If} $EarlierFolder != ""
    ${AndIf} $EarlierFolder != $INSTDIR
        StrCpy $0 $EarlierFolder
        IntOp $1 1 - $AllUsers
        Call RemoveFilesByName
    ${EndIf}
    ${If} $UsersOwnFolder != ""
        ${If} $UsersOwnFolder != $INSTDIR
            StrCpy $0 $UsersOwnFolder
            StrCpy $1 1
            Call RemoveFilesByName
        ${EndIf}
        SetShellVarContext current
        Delete "$SMPROGRAMS\${PRODUCT}.lnk"
        Call UseScope
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
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

; Sets the scope and $HasEntry from the entry whose InstallLocation is this
; uninstaller's folder: the one for every user, else the user's own.
Function un.FindOwnEntry
    Push $INSTDIR
    Call un.TrimFolder
    Pop $0
    !insertmacro IsNamedByEntry "un." HKLM $0 $AllUsers
    !insertmacro IsNamedByEntry "un." HKCU $0 $HasEntry
    IntOp $HasEntry $HasEntry | $AllUsers
FunctionEnd

Function un.onInit
    Call un.KeepPluginsPrivate
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
    nsDialogs::SetRTL $(^RTL)
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
    ; The program's files first, skyvarre.exe last: one that cannot be
    ; removed (a copy started meanwhile holds it) keeps the entry, the
    ; shortcut and this uninstaller, so that the uninstallation can be run
    ; again, and a half-removed folder is still recognised as Skyvarre's.
    ClearErrors
    !include "${UNFILES}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP \
            "$(MSG_FILES_NOT_REMOVED)" \
            /SD IDOK
        SetErrorLevel ${EXIT_NOT_COMPLETED}
        Abort "$(STATUS_NOT_UNINSTALLED)"
    ${EndIf}
    Delete "$INSTDIR\${FILE_LIST_NAME}"
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
