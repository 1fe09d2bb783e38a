#!/usr/bin/env bash
# The whole program under Wine: a start without arguments runs the first-start
# step, a start with one skips it, and both walk start-up, show the window
# and, once it is closed, walk tear-down in order and end with exit code 0.
#   startup.sh Tarnwick.exe WINEPREFIX e2e_probe.exe
set -u
exe=$1
probe=$3
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
export WINEPREFIX=$2
tarnwick_prefix_init "$WINEPREFIX"
tarnwick_wineserver_start "$WINEPREFIX"
tarnwick_display_start
log=$(mktemp)
trap 'tarnwick_display_stop; rm -f "$log"' EXIT

steps() { grep -E '^(start-up|tear-down) ' | sed -E 's/^(s)tart-up ([0-9]+):.*/\1\2/; s/^(t)ear-down ([0-9]+):.*/\1\2/' | tr '\n' ' ' | sed 's/ $//'; }

tarnwick_run_and_close "$log" "$probe" "$exe"
out=$(tr -d '\r' <"$log"); rc=$TARNWICK_RC
check "plain start exits with 0" 0 "$rc"
check "plain start walks every step" "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 t1 t2 t3 t4" "$(steps <<<"$out")"
check "plain start runs the first-start step" "start-up 7: first-start step run" "$(grep '^start-up 7' <<<"$out")"
check "the language pack is compiled in" "" "$(grep '^localizer: no language pack' <<<"$out")"

tarnwick_run_and_close "$log" "$probe" "$exe" -startup
out=$(tr -d '\r' <"$log"); rc=$TARNWICK_RC
check "start with an argument exits with 0" 0 "$rc"
check "start with an argument walks every step" "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 t1 t2 t3 t4" "$(steps <<<"$out")"
check "start with an argument skips the first-start step" \
    "start-up 7: arguments given, first-start step skipped" "$(grep '^start-up 7' <<<"$out")"

echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
