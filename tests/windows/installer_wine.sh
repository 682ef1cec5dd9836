#!/usr/bin/env bash
# The Windows installer and program under Wine, as a Windows user meets them,
# in a fresh Wine prefix on a private X server: a silent install for the
# current user, a start from the installed path, a lookup typed with the
# keyboard, a link handed to the browser, the reminder date in the registry,
# a second start refused, a copy ended by Task Manager not locking the user
# out, and a silent uninstall that leaves nothing behind.
# Usage: installer_wine.sh <setup.exe> <main host>
# SKYVARRE_WINDOWS_SCREENSHOTS=<folder> also keeps a screenshot of each window,
# SKYVARRE_WINDOWS_SCALE=1.5 or 2 runs it all at that display scaling.
setup=$(realpath "$1")
main_host=$2
for tool in wine tesseract xclip; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (bash scripts/install-deps.sh windows)"; exit 77; }
done
# Wine is slow to show its first window in a new prefix.
export SKYVARRE_X11_PATIENCE=${SKYVARRE_X11_PATIENCE:-600}
source "$(dirname "$0")/../app/x11_session.sh"

export WINEPREFIX="$session/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM
wineboot --init >"$session/wineboot.log" 2>&1 || { echo "SKIP: Wine cannot make a prefix here"; exit 77; }
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

echo "== silent install for the current user"
wine "$setup" /S /CurrentUser || fail "the installer failed (exit code $?)"
folder=$(registry_value "$uninstall_key" InstallLocation)
[ -n "$folder" ] || fail "the installer registered no uninstaller under $uninstall_key"
installed=$(winepath -u "$folder")
[ -x "$installed/skyvarre.exe" ] || fail "no skyvarre.exe in $installed"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = 1.15 ] || fail "Apps and Features shows another version"
for value in DisplayName Publisher DisplayIcon EstimatedSize QuietUninstallString; do
    [ -n "$(registry_value "$uninstall_key" "$value")" ] || fail "the uninstall entry has no $value"
done
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

# Started with its output going somewhere (here a pipe), the GUI program
# answers there rather than in a message box.
version=$(wine "$installed/skyvarre.exe" --version | tr -d '\r')
[ "$version" = "Skyvarre 1.15" ] || fail "--version answered '$version'"

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
download="http://$main_host/skyvarre/download-skyvarre.html"
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

echo "== silent uninstall"
uninstall=$(registry_value "$uninstall_key" QuietUninstallString)
eval "wine $(printf '%s' "$uninstall" | sed 's/\\/\\\\/g')" || fail "the uninstaller failed"
# The uninstaller goes on in a copy of itself once the one started has ended.
for _ in $(seq 300); do
    [ ! -e "$installed" ] && [ -z "$(registry_value "$uninstall_key" DisplayName)" ] && break
    sleep 0.2
done
if [ -e "$installed" ]; then
    fail "files are left behind: $(find "$installed" | head)"
fi
[ -z "$(registry_value "$uninstall_key" DisplayName)" ] || fail "the uninstall entry is still there"
[ ! -e "$start_menu/Skyvarre.lnk" ] || fail "the Start-menu entry is still there"

echo "installer under Wine: install, lookup, link, reminder, single copy, uninstall all behaved"
