#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest:
#   wine-test.sh --prefix PREFIX PROGRAM.exe [ARGS...]
# The prefix is created once; a display is started when none is set.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

if [ "${1:-}" != "--prefix" ] || [ $# -lt 3 ]; then
    echo "usage: $0 --prefix PREFIX PROGRAM.exe [ARGS...]" >&2
    exit 2
fi
prefix=$2
shift 2
export WINEPREFIX=$prefix
tarnwick_prefix_init "$prefix"
tarnwick_display_shared "$prefix"
tarnwick_wineserver_start "$prefix"
wine "$@"
