#!/usr/bin/env bash
# Builds the host and Windows presets and runs every test: the host build
# natively with sanitizers, the Windows build under Wine on a virtual display.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tarnwick_ensure_packages

jobs=$(nproc)
status=0

echo "== host build (portable core, AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset host >/dev/null
cmake --build --preset host -j "$jobs"
ctest --preset host || status=1

echo "== Windows build (mingw-w64), tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

source tools/wine-env.sh
prefix=$PWD/build/windows/wineprefix
export WINEPREFIX=$prefix
tarnwick_prefix_init "$prefix"
tarnwick_display_start
tarnwick_wineserver_start "$prefix"
cleanup() {
    tarnwick_wineserver_stop "$prefix"
    tarnwick_display_stop
}
trap cleanup EXIT
ctest --preset windows || status=1

exit $status
