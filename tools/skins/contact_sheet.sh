#!/bin/bash
# Renders a sample panel of every control kind in every built-in skin into
# build/contact-sheet.png: builds the painter program of the windows preset,
# runs it under Wine in the build's own prefix and converts its BMP to PNG.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
log=$root/build/contact-sheet-build.log
cmake --build --preset windows -j2 --target skin_contact_sheet >"$log" 2>&1 || { cat "$log"; exit 1; }
source tools/wine-env.sh
export WINEPREFIX=$root/build/windows/wineprefix
tarnwick_prefix_init "$WINEPREFIX" >/dev/null 2>&1
tarnwick_display_start
tarnwick_wineserver_start "$WINEPREFIX"
bmp=$root/build/contact-sheet.bmp
wine build/windows/tests/skin_contact_sheet.exe "Z:${bmp//\//\\}"
convert "$bmp" "$root/build/contact-sheet.png"
rm -f "$bmp"
tarnwick_wineserver_stop "$WINEPREFIX"
tarnwick_display_stop
echo "$root/build/contact-sheet.png"
