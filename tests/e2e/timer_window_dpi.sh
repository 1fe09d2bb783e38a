#!/usr/bin/env bash
# The timer window's whole-program test at a display scaling other than
# 100 %: the same steps and checks as timer_window.sh, in a prefix of its own
# whose desktop runs at DPI, with the screenshots in their own folder. It has
# a display of its own too, so it can run beside the tests of the shared one;
# the prefix's server, bound to that display, ends with it.
#   timer_window_dpi.sh DPI Tarnwick.exe WINEPREFIX e2e_probe.exe SHOTS_DIR
set -u
here=$(dirname "${BASH_SOURCE[0]}")
dpi=$1 prefix=$3 shots=$5
source "$here/../../tools/wine-env.sh"
unset DISPLAY
tarnwick_display_start
trap 'tarnwick_wineserver_stop "$prefix"; tarnwick_display_stop' EXIT
tarnwick_prefix_init "$prefix"
tarnwick_wineserver_start "$prefix"
tarnwick_prefix_dpi "$prefix" "$dpi" || exit 1
mkdir -p "$shots"
bash "$here/timer_window.sh" "$2" "$prefix" "$4" "$shots"
