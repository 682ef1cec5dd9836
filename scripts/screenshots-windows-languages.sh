#!/usr/bin/env bash
# Screenshots of the Windows installer's users page and of each window of the
# Windows program under Wine, with Windows' display language set to each
# language given (Wine takes it from LANG).
# Usage: scripts/screenshots-windows-languages.sh [output folder] [language ...]
# Defaults: docs/screenshots/windows/languages, de and zh_CN; the installer
# is build/windows/skyvarre-<version>-setup.exe (scripts/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshots/windows/languages}")
shift || true
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de zh_CN)
setup=$(realpath "$(ls build/windows/skyvarre-*-setup.exe)")
mkdir -p "$out"

export SKYVARRE_X11_PATIENCE=600
source tests/app/x11_session.sh
export WINEPREFIX="$session/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM
wineboot --init >"$session/wineboot.log" 2>&1
winecfg /v win10 >/dev/null 2>&1
wine "$setup" /S /CurrentUser
program="$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")/Programs/Skyvarre/skyvarre.exe"
caption='^Skyvarre v1\.15$'

# The access keys of Help and of its About Software in each language whose
# keys are Latin letters (English's too).
declare -A help_key=([en_US]=h [de]=h [fr]=a [es]=u [it]=a [pt_BR]=u [zh_CN]=h [pl]=c [tr]=y)
declare -A about_key=([en_US]=a [de]=b [fr]=p [es]=a [it]=i [pt_BR]=s [zh_CN]=a [pl]=o [tr]=h)
for language in "${languages[@]}"; do
    # Wine takes the display language from LC_ALL; the server keeps the one
    # it started with.
    wineserver -k || true
    export LC_ALL="$language.UTF-8"

    # The installer as far as its users page, then cancelled.
    wine "$setup" &
    installer_pid=$!
    started_pids+=("$installer_pid")
    page=$(step="installer" wait_for_window 'Skyvarre 1\.15')
    sleep 2
    focus_window "$page"
    xdotool key Return # the welcome page's Next
    sleep 1
    xdotool key Return # the licence's I Agree
    sleep 2
    import -window "$page" "$out/installer-users_$language.png"
    xdotool key Escape
    sleep 1
    xdotool key Return # "Are you sure you want to quit?"
    wait_for_exit "$installer_pid"

    # The program's windows: a lookup of 8 July 1965 by the keyboard.
    wine "$program" &
    program_pid=$!
    started_pids+=("$program_pid")
    input=$(step="start" wait_for_window "$caption")
    sleep 2
    import -window "$input" "$out/frmMain_$language.png"
    focus_window "$input"
    xdotool type --delay 80 "anna"
    xdotool key --delay 150 Tab 8 Tab Home Down Down Down Down Down Down Tab 1 9 6 5 Tab Return
    result=$(step="Find" wait_for_other_window "$caption" "$input")
    sleep 2
    import -window "$result" "$out/frmDisplay_$language.png"
    focus_window "$result"
    # Help › About Software, where the menus' access keys are Latin letters.
    about=""
    if [ -n "${help_key[$language]:-}" ]; then
        xdotool key --delay 200 "alt+${help_key[$language]}" "${about_key[$language]}"
        about=$(step="About" wait_for_other_window "$caption" "$input" "$result")
        sleep 2
        import -window "$about" "$out/frmAbout_$language.png"
        focus_window "$about"
        xdotool key Escape
        sleep 1
    fi
    focus_window "$result"
    xdotool key Escape
    farewell=$(step="Exit" wait_for_other_window "$caption" "$input" "$result" ${about:+"$about"})
    # Until it has painted itself: its navy frame where the window it
    # replaced showed something else.
    for _ in $(seq 100); do
        [ "$(import -window "$farewell" -crop 1x1+20+260 -depth 8 -format '%[hex:p{0,0}]' info:)" = 000080 ] && break
        sleep 0.2
    done
    sleep 1
    import -window "$farewell" "$out/frmReferFriend_$language.png"
    wine taskkill /F /IM skyvarre.exe >/dev/null 2>&1 || true
    wait_for_exit "$program_pid"
done
ls "$out"
