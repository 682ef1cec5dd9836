#!/usr/bin/env bash
# The Windows installer and program under Wine, as a Windows user meets them,
# in a fresh Wine prefix on a private X server: an unknown switch and a
# folder of other files refused, a silent install for the current user, a
# start from the installed path, a lookup typed with the keyboard, a link
# handed to the browser, the reminder date in the registry, a second start
# refused, an upgrade and an uninstall refused while the program runs, a
# copy ended by Task Manager not locking the user out, the uninstall entry's
# command ending only once nothing is left behind; then /D= as given or
# refused, an upgrade whose writes fail and one killed at each step both
# completed by running the installer again, upgrades over an earlier version
# and over the layout 1.15 shipped, an installation that lost its program or
# its uninstaller repaired, a downgrade refused in either scope, a change of
# scope, an uninstaller that knows its own scope and removes itself across
# drives, a user without administrator rights and the system account (through
# the check's own copy of the installer), and a Windows too old refused.
# Each refusal ends with its own exit code. Where SKYVARRE_SIGN_CAFILE names
# the signing certificate, every signature is verified against it.
# Usage: installer_wine.sh <setup.exe> <folder of the earlier versions' and
#        the check's own installers> <main host> <scheme>
# SKYVARRE_WINDOWS_SCREENSHOTS=<folder> also keeps a screenshot of each window,
# SKYVARRE_WINDOWS_SCALE=1.5 or 2 runs it all at that display scaling.
setup=$(realpath "$1")
earlier_setup=$(realpath "$2/skyvarre-1.0-setup.exe")
layout_1_15_setup=$(realpath "$2/skyvarre-1.0-1.15-layout-setup.exe")
main_host=$3
scheme=$4
for tool in wine tesseract xclip; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (bash scripts/install-deps.sh windows)"; exit 77; }
done
# Wine is slow to show its first window in a new prefix.
export SKYVARRE_X11_PATIENCE=${SKYVARRE_X11_PATIENCE:-600}
source "$(dirname "$0")/../app/x11_session.sh"
# The check's own installer, in the session: it leaves a file there when it pauses.
cp "$(realpath "$2"/skyvarre-*-test-hooks-setup.exe)" "$session/hooks-setup.exe"

export WINEPREFIX="$session/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM
wineboot --init >"$session/wineboot.log" 2>&1 || { echo "SKIP: Wine cannot make a prefix here"; exit 77; }
# Debian's Wine 8 says it is Windows 7 unless told otherwise; the installer
# takes Windows 10 1809 and later only.
winecfg /v win10 >/dev/null 2>&1
shots=${SKYVARRE_WINDOWS_SCREENSHOTS:-}
scale=${SKYVARRE_WINDOWS_SCALE:-1}
suffix=""
if [ "$scale" != 1 ]; then
    suffix="@${scale}x"
    # Windows' display scaling: 96 dots per inch are 100 %.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$(python3 -c "print(round(96 * $scale))")" /f >/dev/null
fi

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Skyvarre'
machine_uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Skyvarre'
# One value of a registry key, as `reg query` prints it; empty if there is none.
registry_value() {
    { wine reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
screenshot() {
    [ -n "$shots" ] && import -window "$1" "$shots/$2$suffix.png"
    return 0
}
# The text Qt reads into a window's screenshot, upscaled for the OCR.
read_window() {
    import -window "$1" -resize 300% -colorspace Gray "$session/read.png"
    tesseract "$session/read.png" - --psm 6 2>/dev/null | tr '\n' ' '
}

# Starts an installer or uninstaller and gives its exit code.
install() {
    local code=0
    wine "$@" >/dev/null 2>&1 || code=$?
    echo "$code"
}
# Runs a command line as Windows gets it, from a batch file (Wine's cmd
# would escape quotes typed on its own command line), and gives its exit code.
install_command_line() {
    local code=0
    printf '%s\r\n' "$1" >"$WINEPREFIX/drive_c/command.bat"
    wine cmd /c 'C:\command.bat' >/dev/null 2>&1 || code=$?
    echo "$code"
}
# Runs an uninstall entry's command line as a package manager does and gives
# its exit code.
run_entry_command() {
    eval "install $(printf '%s' "$1" | sed 's/\\/\\\\/g')"
}
# The exit codes the README lists (1, cancelled, needs a person; 8, administrator
# rights, a user without them).
not_completed=2 running=3 newer_installed=4 other_scope=5 windows_too_old=6 bad_switch=7 needs_admin=8
folder_not_ours=9 uninstaller_missing=10
windows_setup=$(winepath -w "$setup")

echo "== a mistyped switch changes nothing"
for switches in "/AllUser" "/S /AllUser" "/S /AllUsers /CurrentUser"; do
    # shellcheck disable=SC2086 # one switch a word
    code=$(install "$setup" /S $switches); [ "$code" = $bad_switch ] ||
        fail "the installer took '$switches' (exit code $code)"
done
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "a refused switch installed"

echo "== a folder that holds other files is refused, a skyvarre.exe among them or not"
mkdir -p "$WINEPREFIX/drive_c/Tools"
echo "mine" >"$WINEPREFIX/drive_c/Tools/notes.txt"
for other in "" skyvarre.exe; do
    [ -z "$other" ] || echo "another program" >"$WINEPREFIX/drive_c/Tools/$other"
    code=$(install_command_line "$windows_setup /S /D=C:\\Tools"); [ "$code" = $folder_not_ours ] ||
        fail "the installer did not refuse a folder of other files with '$other' in it (exit code $code)"
done
[ "$(ls "$WINEPREFIX/drive_c/Tools" | tr '\n' ' ')" = "notes.txt skyvarre.exe " ] ||
    fail "the refused folder changed: $(ls "$WINEPREFIX/drive_c/Tools")"
for folder in 'C:/Apps/Skyvarre' 'Apps\Skyvarre' 'Q:\Apps\Skyvarre'; do
    code=$(install_command_line "$windows_setup /S /D=$folder"); [ "$code" = $bad_switch ] ||
        fail "the installer did not refuse /D=$folder (exit code $code)"
done
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "a refused folder installed"

echo "== silent install for the current user"
code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] ||
    fail "the installer failed (exit code $code)"
folder=$(registry_value "$uninstall_key" InstallLocation)
[ -n "$folder" ] || fail "the installer registered no uninstaller under $uninstall_key"
installed=$(winepath -u "$folder")
[ -x "$installed/skyvarre.exe" ] || fail "no skyvarre.exe in $installed"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.15 ] || fail "Apps and Features shows another version"
for value in DisplayName Publisher DisplayIcon EstimatedSize QuietUninstallString \
    HelpLink URLInfoAbout URLUpdateInfo; do
    [ -n "$(registry_value "$uninstall_key" "$value")" ] || fail "the uninstall entry has no $value"
done
[ "$(registry_value "$uninstall_key" InstallDate)" = "$(date +%Y%m%d)" ] ||
    fail "the uninstall entry's InstallDate is '$(registry_value "$uninstall_key" InstallDate)'"
[ "$(registry_value "$uninstall_key" URLUpdateInfo)" = "$scheme://$main_host/skyvarre/download-skyvarre.html" ] ||
    fail "URLUpdateInfo is not the download page"
start_menu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")"/Microsoft/Windows/Start Menu/Programs"
[ -f "$start_menu/Skyvarre.lnk" ] || fail "no Start-menu entry"
(cd "$installed" && find . -type f | sort) >"$session/installed-files"

echo "== the executable: a GUI program with its icon and version information"
objdump=x86_64-w64-mingw32-objdump
"$objdump" -p "$installed/skyvarre.exe" | grep 'Subsystem.*(Windows GUI)' >/dev/null ||
    fail "skyvarre.exe is not a GUI program"
wrestool -l "$installed/skyvarre.exe" | grep -- '--type=14' >/dev/null || fail "skyvarre.exe has no icon"
strings -el "$installed/skyvarre.exe" | grep -x 'Skyvarre' >/dev/null || fail "no product name in the version information"
strings -el "$installed/skyvarre.exe" | grep -x '1.15' >/dev/null || fail "no version 1.15 in the version information"
# Task Manager shows the FileDescription as the program's name.
[ "$(strings -el "$installed/skyvarre.exe" | grep -A1 -x FileDescription | tail -n 1)" = Skyvarre ] ||
    fail "the FileDescription is not the program's name"
manifest=$(wrestool -x --raw --type=24 "$installed/skyvarre.exe" | tr -d '\r')
for declaration in 'Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' '<longPathAware[^>]*>true<' \
    'requestedExecutionLevel level="asInvoker"'; do
    grep -q -- "$declaration" <<<"$manifest" || fail "the manifest does not declare $declaration"
done
if [ -n "${SKYVARRE_SIGN_CAFILE:-}" ]; then
    echo "== every signature"
    while IFS= read -r signed; do
        osslsigncode verify -CAfile "$SKYVARRE_SIGN_CAFILE" -in "$signed" >"$session/verify.log" 2>&1 ||
            fail "the signature of $signed does not verify: $(tail -n 5 "$session/verify.log")"
    done < <(find "$installed" "$setup" "$earlier_setup" -name '*.exe' -o -name '*.dll')
fi

# Started with its output going somewhere (here a pipe), the GUI program
# answers there rather than in a message box.
version=$(wine "$installed/skyvarre.exe" --version | tr -d '\r')
[ "$version" = "Skyvarre 1.15" ] || fail "--version answered '$version'"
wine "$installed/skyvarre.exe" '/?' | head -n 1 | grep -q '^Usage: skyvarre ' || fail "/? gave no help"

caption='^Skyvarre v1\.15$'
echo "== a lookup"
wine "$installed/skyvarre.exe" 2>"$session/program.log" &
program_pid=$!
started_pids+=("$program_pid")
input=$(step="start" wait_for_window "$caption")
sleep 1
screenshot "$input" frmMain
focus_window "$input"
# Name, then 8 July 1965 picked by typing in each list, then Find.
xdotool type --delay 80 "anna"
xdotool key --delay 150 Tab 8 Tab J u l Tab 1 9 6 5 Tab Return
result=$(step="Find" wait_for_other_window "$caption" "$input")
sleep 1
screenshot "$result" frmDisplay
read_window "$result" | grep -E 'Placed in +Aries' >/dev/null || fail "the result window does not show Aries: $(read_window "$result")"

echo "== a link reaches the browser"
focus_window "$result"
# Help › Check for Software Update. (Wine's winebrowser writes the bare home
# page with a "/" after the host before it reaches the browser; an address with
# a path it passes on as it is.)
xdotool key --delay 200 alt+h c
download="$scheme://$main_host/skyvarre/download-skyvarre.html"
for _ in $(seq 100); do [ -s "$session/opened.txt" ] && break; sleep 0.2; done
[ "$(cat "$session/opened.txt")" = "$download" ] ||
    fail "the browser received '$(cat "$session/opened.txt")', expected $download"

echo "== the About window"
focus_window "$result"
xdotool key --delay 200 alt+h a
about=$(step="About" wait_for_other_window "$caption" "$input" "$result")
sleep 1
screenshot "$about" frmAbout
focus_window "$about"
xdotool key Escape

echo "== the reminder date, scrambled, under HKEY_CURRENT_USER"
# "Duration" and the date, each character moved up by seven places.
scramble() { python3 -c 'import sys; print("".join(chr(ord(c) + 7) for c in sys.argv[1]))' "$1"; }
stored=$(registry_value 'HKCU\Software\skyvarre\Settings' "$(scramble Duration)")
[ "$stored" = "$(scramble "$(date +%F)")" ] || fail "the stored reminder date is '$stored'"

echo "== a second copy is refused"
wine "$installed/skyvarre.exe" &
second_pid=$!
started_pids+=("$second_pid")
box=$(step="second start" wait_for_window '^Skyvarre$')
sleep 1
screenshot "$box" already-running
focus_window "$box"
# A Windows message box copies its text with Ctrl+C.
xdotool key ctrl+c
sleep 0.5
xclip -o -selection clipboard | tr -d '\r' | grep -x 'Application is already running' >/dev/null ||
    fail "the second copy said '$(xclip -o -selection clipboard)'"
xdotool key Return
wait_for_exit "$second_pid"
[ "$exit_code" = 0 ] || fail "the refused copy ended with exit code $exit_code"

echo "== an upgrade and an uninstall while Skyvarre runs change nothing"
# Every file with its size and time, the uninstaller among them.
installation_state() {
    # Windows keeps file times to 100 ns.
    find "$installed" -type f -printf '%P %s %T@\n' | sed -E 's/(\.[0-9]{7})[0-9]*$/\1/' | sort
    registry_value "$uninstall_key" DisplayVersion
    [ -f "$start_menu/Skyvarre.lnk" ] && echo "shortcut"
}
installation_state >"$session/before"
code=$(install "$setup" /S /CurrentUser); [ "$code" = $running ] ||
    fail "the installer did not refuse a running copy (exit code $code)"
# As a package manager runs the entry's command: it waits for its end.
quiet_uninstall=$(registry_value "$uninstall_key" QuietUninstallString)
code=$(run_entry_command "$quiet_uninstall"); [ "$code" = $running ] ||
    fail "the uninstall command did not refuse a running copy (exit code $code)"
installation_state | cmp -s - "$session/before" ||
    fail "a refused upgrade or uninstall changed the installation: $(installation_state | diff "$session/before" - | head)"

echo "== the farewell window, then a copy ended by Task Manager"
focus_window "$result"
xdotool key Escape
farewell=$(step="Exit" wait_for_other_window "$caption" "$input" "$result" "$about")
# It must paint itself with no input event to prompt it: its navy frame
# appears where the window it replaced showed something else.
frame_point=$(python3 -c "print(f'{round(20 * $scale)}+{round(260 * $scale)}')")
frame_colour() { import -window "$farewell" -crop "1x1+$frame_point" -depth 8 -format '%[hex:p{0,0}]' info:; }
for _ in $(seq 100); do [ "$(frame_colour)" = 000080 ] && break; sleep 0.2; done
[ "$(frame_colour)" = 000080 ] || fail "the farewell window was not painted"
screenshot "$farewell" frmReferFriend
wine taskkill /F /IM skyvarre.exe >/dev/null 2>&1 || fail "taskkill could not end the program"
wait_for_exit "$program_pid"
wine "$installed/skyvarre.exe" &
third_pid=$!
started_pids+=("$third_pid")
step="start after Task Manager" wait_for_window "$caption" >/dev/null
wine taskkill /F /IM skyvarre.exe >/dev/null 2>&1
wait_for_exit "$third_pid"

echo "== the uninstall command ends once nothing is left"
code=$(run_entry_command "$quiet_uninstall"); [ "$code" = 0 ] || fail "the uninstaller failed (exit code $code)"
if [ -e "$installed" ]; then
    fail "files are left behind: $(find "$installed" | head)"
fi
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the uninstall entry is still there"
[ ! -e "$start_menu/Skyvarre.lnk" ] || fail "the Start-menu entry is still there"

# Whether the folder $1 holds this version whole, as a fresh installation
# does, and the user's entry names this version.
is_whole() {
    [ "$(cd "$1" && find . -type f | sort)" = "$(cat "$session/installed-files")" ] &&
        [ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.15 ]
}
uninstall_by_entry() {
    code=$(run_entry_command "$(registry_value "$uninstall_key" QuietUninstallString)"); [ "$code" = 0 ] ||
        fail "the uninstaller failed (exit code $code)"
}

echo "== /D= chooses the folder, with quotes or without"
for given in 'C:\Apps\Sky Varre' '"C:\Apps\Sky Varre"'; do
    code=$(install_command_line "$windows_setup /S /D=$given"); [ "$code" = 0 ] ||
        fail "the install with /D=$given failed (exit code $code)"
    [ "$(registry_value "$uninstall_key" InstallLocation)" = 'C:\Apps\Sky Varre' ] ||
        fail "/D=$given installed into '$(registry_value "$uninstall_key" InstallLocation)'"
    is_whole "$WINEPREFIX/drive_c/Apps/Sky Varre" || fail "/D=$given did not install the program whole"
    uninstall_by_entry
    [ ! -e "$WINEPREFIX/drive_c/Apps/Sky Varre" ] || fail "the folder /D=$given chose stayed"
done

echo "== an upgrade that cannot write a file, or is killed at a step, is completed by running the installer again"
# In the usual folder or in one named outside the ANSI code page; stopped by
# a folder where the new version writes a file, or killed where the check's
# own copy of the installer pauses.
cyrillic='C:\Программы\Skyvarre'
for row in "usual blocked" "cyrillic blocked" "usual folder" "usual uninstaller" "usual files" "usual list" \
    "usual entry"; do
    read -r where stop <<<"$row"
    folder=$installed given=()
    [ "$where" = usual ] || folder=$(winepath -u "$cyrillic") given=("/D=$cyrillic")
    code=$(install "$earlier_setup" /S /CurrentUser "${given[@]}"); [ "$code" = 0 ] ||
        fail "the earlier version did not install (exit code $code)"
    [ -f "$folder/obsolete.txt" ] || fail "the earlier version did not install its extra file"
    if [ "$stop" = blocked ]; then
        # A file only the new version writes, held by a folder of the same name.
        mkdir -p "$folder/licenses/gcc-runtime-copyright.txt/held"
        code=$(install "$setup" /S /CurrentUser); [ "$code" = $not_completed ] ||
            fail "the blocked upgrade in the $where folder did not end with $not_completed (exit code $code)"
        rm -r "$folder/licenses/gcc-runtime-copyright.txt"
    else
        SKYVARRE_TEST_PAUSE=$stop wine "$session/hooks-setup.exe" /S /CurrentUser >/dev/null 2>&1 &
        for _ in $(seq 300); do [ -e "$session/paused-$stop" ] && break; sleep 0.2; done
        [ -e "$session/paused-$stop" ] || fail "the installer never reached the step '$stop'"
        wineserver -k
        wait $! || true
    fi
    [ "$stop" = entry ] || [ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.0 ] ||
        fail "stopped at '$stop', the entry names version $(registry_value "$uninstall_key" DisplayVersion)"
    code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] ||
        fail "running the installer again after '$stop' failed (exit code $code)"
    is_whole "$folder" ||
        fail "after '$stop' in the $where folder the installation is not whole: $(cd "$folder" && find . -type f | sort | diff "$session/installed-files" - | head)"
    # (reg.exe writes the entry's Cyrillic in the ANSI code page, as "?".)
    code=$(install "$folder/uninstall.exe" /S); [ "$code" = 0 ] || fail "the uninstaller failed (exit code $code)"
done

echo "== an upgrade over the layout 1.15 shipped, its uninstaller the NSIS one itself"
code=$(install "$layout_1_15_setup" /S /CurrentUser); [ "$code" = 0 ] ||
    fail "the 1.15 layout did not install (exit code $code)"
[ ! -e "$installed/uninstaller.exe" ] || fail "the 1.15 layout is not what that version installed"
code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] || fail "the upgrade from the 1.15 layout failed (exit code $code)"
is_whole "$installed" || fail "the upgrade from the 1.15 layout is not whole"

echo "== an installation that lost its program or its uninstaller is repaired by the installer"
for lost in skyvarre.exe uninstaller.exe; do
    rm "$installed/$lost"
    code=$(run_entry_command "$(registry_value "$uninstall_key" QuietUninstallString) /?")
    [ "$code" = "$([ $lost = uninstaller.exe ] && echo $uninstaller_missing || echo 0)" ] ||
        fail "the uninstall command without $lost ended with $code"
    code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] || fail "the repair without $lost failed (exit code $code)"
    is_whole "$installed" || fail "the installation without $lost was not repaired"
done
code=$(install "$installed/uninstall.exe" /S /D=C:\\Elsewhere); [ "$code" = $bad_switch ] ||
    fail "the uninstall command took /D= (exit code $code)"
is_whole "$installed" || fail "a refused or usage-only uninstall command changed the installation"

echo "== the uninstall command removes itself from another drive than the temporary folder's"
temporary=$(mktemp -d /dev/shm/skyvarre-check.XXXXXX)
for variable in TEMP TMP; do
    wine reg add 'HKCU\Environment' /v $variable /d "$(winepath -w "$temporary")" /f >/dev/null
done
wineserver -k
uninstall_by_entry
for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.1; done
[ ! -e "$installed" ] || fail "the uninstall command left $(ls "$installed") behind"
for variable in TEMP TMP; do wine reg delete 'HKCU\Environment' /v $variable /f >/dev/null; done
wineserver -k
rm -rf "$temporary"
code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] || fail "the reinstall failed (exit code $code)"

echo "== an older version is refused over a newer one, in either scope"
for scope in /CurrentUser /AllUsers; do
    code=$(install "$earlier_setup" /S $scope); [ "$code" = $newer_installed ] ||
        fail "the older version was not refused $scope (exit code $code)"
done
[ -z "$(registry_value "$machine_uninstall_key" DisplayName)" ] || fail "the older version installed for every user"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.15 ] || fail "the older version replaced the newer"
[ ! -e "$installed/obsolete.txt" ] || fail "the refused older version installed files"

echo "== an installation for every user replaces the user's own"
code=$(install "$setup" /S /AllUsers); [ "$code" = 0 ] ||
    fail "the installation for every user failed (exit code $code)"
machine_folder=$(registry_value "$machine_uninstall_key" InstallLocation)
[ -n "$machine_folder" ] || fail "no uninstall entry for every user"
machine_installed=$(winepath -u "$machine_folder")
[ -x "$machine_installed/skyvarre.exe" ] || fail "no skyvarre.exe in $machine_installed"
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the user's own entry stayed beside the machine's"
[ ! -e "$installed" ] || fail "the user's own installation stayed: $(find "$installed" | head -n 3)"
[ ! -e "$start_menu/Skyvarre.lnk" ] || fail "the user's own Start-menu entry stayed"
common_start_menu=$(winepath -u "$(wine cmd /c echo %PROGRAMDATA% | tr -d '\r')")"/Microsoft/Windows/Start Menu/Programs"
[ -f "$common_start_menu/Skyvarre.lnk" ] || fail "no Start-menu entry for every user"

echo "== an installation for the user alone is refused beside one for every user"
code=$(install "$setup" /S /CurrentUser); [ "$code" = $other_scope ] ||
    fail "a second installation was not refused (exit code $code)"
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "a second uninstall entry appeared"

echo "== uninstalling for every user without saying so, the setting removed on request"
wine reg query 'HKCU\Software\skyvarre' >/dev/null 2>&1 || fail "the reminder setting is missing before the uninstall"
# The scope is the installation's own, whatever the switches say.
code=$(install "$machine_installed/uninstall.exe" /CurrentUser /S /Everything); [ "$code" = $bad_switch ] ||
    fail "the uninstaller took an unknown switch (exit code $code)"
code=$(install "$machine_installed/uninstall.exe" /S /RemoveSettings); [ "$code" = 0 ] ||
    fail "the uninstaller failed (exit code $code)"
[ ! -e "$machine_installed" ] || fail "files are left behind: $(find "$machine_installed" | head -n 3)"
[ -z "$(registry_value "$machine_uninstall_key" DisplayName)" ] || fail "the machine's uninstall entry is still there"
[ ! -e "$common_start_menu/Skyvarre.lnk" ] || fail "the Start-menu entry for every user is still there"
! wine reg query 'HKCU\Software\skyvarre' >/dev/null 2>&1 || fail "the setting was kept although its removal was asked for"

echo "== the entry of a user's installation whose folder was deleted does not stay beside a new one"
code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] ||
    fail "the installation for the user failed (exit code $code)"
rm -r "$installed"
code=$(install "$setup" /S /AllUsers); [ "$code" = 0 ] ||
    fail "the installation for every user failed over a stale entry (exit code $code)"
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the stale entry of the user's own stayed"
code=$(install "$machine_installed/uninstall.exe" /S); [ "$code" = 0 ] ||
    fail "the uninstaller failed (exit code $code)"

echo "== the system account installs for every user unless told, a user without the rights not at all"
code=$(SKYVARRE_TEST_ACCOUNT=user install "$session/hooks-setup.exe" /S /AllUsers); [ "$code" = $needs_admin ] ||
    fail "a user without administrator rights was not refused (exit code $code)"
code=$(SKYVARRE_TEST_ACCOUNT=system install "$session/hooks-setup.exe" /S /D=C:\\Apps\\Skyvarre); [ "$code" = 0 ] ||
    fail "the system account could not install (exit code $code)"
[ "$(registry_value "$machine_uninstall_key" InstallLocation)" = 'C:\Apps\Skyvarre' ] ||
    fail "the system account did not install for every user"
code=$(install "$WINEPREFIX/dosdevices/c:/Apps/Skyvarre/uninstall.exe" /S); [ "$code" = 0 ] ||
    fail "the uninstaller failed (exit code $code)"

echo "== a Windows older than Qt supports is refused"
winecfg /v win7 >/dev/null 2>&1
code=$(install "$setup" /S /CurrentUser); [ "$code" = $windows_too_old ] ||
    fail "the installer did not refuse Windows 7 (exit code $code)"
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the installer installed on Windows 7"
winecfg /v win10 >/dev/null 2>&1

echo "installer under Wine: switches, folders, install, lookup, link, reminder, single copy, refusals, failed and good upgrades, scopes, uninstall all behaved"
