#!/usr/bin/env bash
# Takes the README's picture of the timer window, docs/timer-window.png: the
# window of a first start (nothing of it stored yet) on a virtual display, in
# the Wine prefix of the Windows build.
#   tools/readme_screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target Tarnwick >/dev/null
exe=$PWD/build/windows/src/Tarnwick.exe

source tools/wine-env.sh
export WINEPREFIX=$PWD/build/windows/wineprefix
tarnwick_prefix_init "$WINEPREFIX"
# The display first: the wineserver's desktop binds to the display it sees.
unset DISPLAY
tarnwick_display_start
trap tarnwick_display_stop EXIT
tarnwick_wineserver_start "$WINEPREFIX"

wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow' /f >/dev/null 2>&1 || true
wine "$exe" -startup >/dev/null 2>&1 &
pid=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "Vexa Tarnwick" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "The program showed no window." >&2; exit 1; }
sleep 1.5 # let the first paint land
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage png24:docs/timer-window.png
wine taskkill /IM Tarnwick.exe /F >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
echo "docs/timer-window.png"
