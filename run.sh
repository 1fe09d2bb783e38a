#!/usr/bin/env bash
# Builds Tarnwick.exe when needed and starts it under Wine in your own Wine
# prefix ($WINEPREFIX, or ~/.wine), so that its settings survive between runs.
# Without $DISPLAY it runs on a virtual display, saves a screenshot once the
# window is up, prints where, and ends the program.
#   ./run.sh [program arguments...]
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tarnwick_ensure_packages

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Tarnwick
exe=$PWD/build/windows/src/Tarnwick.exe

source tools/wine-env.sh
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}

if [ -n "${DISPLAY:-}" ]; then
    tarnwick_prefix_init "$WINEPREFIX"
    tarnwick_wineserver_start "$WINEPREFIX"
    exec wine "$exe" "$@"
fi

# The display comes first: Wine's desktop process, started with the server,
# stays bound to the display it saw then. The server ends with this run, so
# that the next one does not find it bound to a display that is gone.
tarnwick_display_start
trap 'tarnwick_wineserver_stop "$WINEPREFIX"; tarnwick_display_stop' EXIT
tarnwick_prefix_init "$WINEPREFIX"
tarnwick_wineserver_start "$WINEPREFIX"
shots=$PWD/build/screenshots
mkdir -p "$shots"
log=$shots/last-run.log
wine "$exe" "$@" >"$log" 2>&1 &
pid=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "Vexa Tarnwick" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -n "$window" ]; then
    sleep 1 # let the first paint land
    shot=$shots/tarnwick-$(date +%Y%m%d-%H%M%S).png
    import -window root "$shot"
    echo "Screenshot: $shot"
    wine taskkill /IM Tarnwick.exe /F >/dev/null 2>&1 || true
fi
wait "$pid" 2>/dev/null || true
[ -n "$window" ] || echo "The program showed no window."
echo "Program output ($log):"
cat "$log"
