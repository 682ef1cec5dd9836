#!/usr/bin/env bash
# The Windows installer and program under Wine, as a Windows user meets them,
# in a fresh Wine prefix on a private X server: an unknown switch and a
# folder of other files refused, a silent install for the current user, a
# start from the installed path, a lookup typed with the keyboard, a link
# handed to the browser, the reminder date in the registry, a second start
# refused, an upgrade and an uninstall refused while the program runs, a
# copy ended by Task Manager not locking the user out, the uninstall entry's
# command ending only once nothing is left behind; then a folder chosen with
# /D=, an upgrade whose writes fail leaving the earlier version working, an
# upgrade over an earlier version, a downgrade refused, a change of scope,
# an uninstaller that knows its own scope, and a Windows too old refused.
# Each refusal ends with its own exit code. (Wine runs every program with
# administrator rights, so the paths of a user without them are not walked
# here.) Where SKYVARRE_SIGN_CAFILE names the signing certificate, every
# signature is verified against it.
# Usage: installer_wine.sh <setup.exe> <earlier version's setup.exe> <main host> <scheme>
# SKYVARRE_WINDOWS_SCREENSHOTS=<folder> also keeps a screenshot of each window,
# SKYVARRE_WINDOWS_SCALE=1.5 or 2 runs it all at that display scaling.
setup=$(realpath "$1")
earlier_setup=$(realpath "$2")
main_host=$3
scheme=$4
for tool in wine tesseract xclip; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (bash scripts/install-deps.sh windows)"; exit 77; }
done
# Wine is slow to show its first window in a new prefix.
export SKYVARRE_X11_PATIENCE=${SKYVARRE_X11_PATIENCE:-600}
source "$(dirname "$0")/../app/x11_session.sh"

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
# Runs a command line as Windows gets it, unquoted (as /D= must be), and
# gives its exit code.
install_command_line() {
    local code=0
    wine cmd /c "$1" >/dev/null 2>&1 || code=$?
    echo "$code"
}
# Runs an uninstall entry's command line as a package manager does and gives
# its exit code.
run_entry_command() {
    eval "install $(printf '%s' "$1" | sed 's/\\/\\\\/g')"
}
# The exit codes the README lists (1, cancelled, needs a person; 8, administrator
# rights, a user without them).
write_failed=2 running=3 newer_installed=4 other_scope=5 windows_too_old=6 bad_switch=7
folder_not_empty=9
windows_setup=$(winepath -w "$setup")

echo "== a mistyped switch changes nothing"
for switches in "/AllUser" "/S /AllUser" "/S /AllUsers /CurrentUser"; do
    # shellcheck disable=SC2086 # one switch a word
    code=$(install "$setup" /S $switches); [ "$code" = $bad_switch ] ||
        fail "the installer took '$switches' (exit code $code)"
done
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "a refused switch installed"

echo "== a folder that holds other files is refused"
mkdir -p "$WINEPREFIX/drive_c/Tools"
echo "mine" >"$WINEPREFIX/drive_c/Tools/notes.txt"
code=$(install_command_line "$windows_setup /S /D=C:\\Tools"); [ "$code" = $folder_not_empty ] ||
    fail "the installer did not refuse a folder of other files (exit code $code)"
[ "$(ls "$WINEPREFIX/drive_c/Tools")" = notes.txt ] || fail "the refused folder changed: $(ls "$WINEPREFIX/drive_c/Tools")"

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
find "$installed" -type f | sort >"$session/installed-files"

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

echo "== /D= chooses the folder"
code=$(install_command_line "$windows_setup /S /D=C:\\Apps\\Sky Varre"); [ "$code" = 0 ] ||
    fail "the install with /D= failed (exit code $code)"
[ "$(registry_value "$uninstall_key" InstallLocation)" = 'C:\Apps\Sky Varre' ] ||
    fail "/D= installed into '$(registry_value "$uninstall_key" InstallLocation)'"
[ -x "$WINEPREFIX/drive_c/Apps/Sky Varre/skyvarre.exe" ] || fail "no skyvarre.exe in the folder /D= chose"
quiet_uninstall=$(registry_value "$uninstall_key" QuietUninstallString)
code=$(run_entry_command "$quiet_uninstall"); [ "$code" = 0 ] || fail "the uninstaller failed (exit code $code)"
[ ! -e "$WINEPREFIX/drive_c/Apps/Sky Varre" ] || fail "the folder /D= chose stayed"

echo "== an upgrade that cannot write a file leaves the earlier version working"
code=$(install "$earlier_setup" /S /CurrentUser); [ "$code" = 0 ] ||
    fail "the earlier version did not install (exit code $code)"
[ -f "$installed/obsolete.txt" ] || fail "the earlier version did not install its extra file"
# A file only the new version writes, held by a folder of the same name.
mkdir -p "$installed/licenses/gcc-runtime-copyright.txt/held"
touch "$installed/licenses/gcc-runtime-copyright.txt/held/file"
installation_state >"$session/before"
code=$(install "$setup" /S /CurrentUser); [ "$code" = $write_failed ] ||
    fail "the failed upgrade did not end with $write_failed (exit code $code)"
# Put back as it was, file times included.
installation_state | cmp -s - "$session/before" ||
    fail "the failed upgrade did not put the earlier version back: $(installation_state | diff "$session/before" - | head)"
rm -r "$installed/licenses/gcc-runtime-copyright.txt"

echo "== an upgrade replaces the earlier version whole"
# The earlier version's own uninstaller, put back above, removes it.
code=$(install "$setup" /S /CurrentUser); [ "$code" = 0 ] ||
    fail "the upgrade failed (exit code $code)"
[ ! -e "$installed/obsolete.txt" ] || fail "a file only the earlier version shipped stayed"
[ -f "$installed/uninstall.exe" ] || fail "the upgrade left no uninstaller"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.15 ] || fail "Apps and Features shows another version"

echo "== an older version is refused over a newer one"
code=$(install "$earlier_setup" /S /CurrentUser); [ "$code" = $newer_installed ] ||
    fail "the older version was not refused (exit code $code)"
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

echo "== a Windows older than Qt supports is refused"
winecfg /v win7 >/dev/null 2>&1
code=$(install "$setup" /S /CurrentUser); [ "$code" = $windows_too_old ] ||
    fail "the installer did not refuse Windows 7 (exit code $code)"
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the installer installed on Windows 7"
winecfg /v win10 >/dev/null 2>&1

echo "installer under Wine: switches, folders, install, lookup, link, reminder, single copy, refusals, failed and good upgrades, scopes, uninstall all behaved"
