#!/usr/bin/env bash
# The timer window as a user meets it on a first start: the Timer View with
# the After row at 0 : 3 : 0 and the Start button; 0, 0 and 2 typed into the
# After fields and Enter run a count-down that shows "It's Time!" after about
# two seconds; Stop brings the time entry back; closing the window with its
# close button ends the program, which keeps the typed time for the next
# start. Screenshots of each step are kept in the build folder.
#   timer_window.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots=$4
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
export WINEPREFIX=$2
tarnwick_prefix_init "$WINEPREFIX"
tarnwick_wineserver_start "$WINEPREFIX"
tarnwick_display_start
log=$(mktemp)
trap 'kill "$TARNWICK_PID" 2>/dev/null; tarnwick_display_stop; rm -f "$log"' EXIT

failures=0 checks=0
check() { # name expected actual
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}

# The child windows that show, as "class|text|left top right bottom".
shown() { tarnwick_probe "$probe" children | grep -v '|0 0 0 0$'; }
# The texts of the edit fields that show, left to right.
fields() { shown | awk -F'|' '$1 == "Edit" { split($3, r, " "); print r[1], $2 }' | sort -n |
           cut -d' ' -f2- | tr '\n' ' ' | sed 's/ $//'; }
# The centre of the first shown child with this class and text.
centre() { shown | awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t {
           split($3, r, " "); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'; }
has() { shown | awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t { f = 1 } END { print f ? "yes" : "no" }'; }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
click() { # CLASS TEXT
    local at
    at=$(centre "$1" "$2")
    [ -n "$at" ] && click_at $at
}
shot() { import -window root "$shots/e2e_timer_window_$1.png" 2>/dev/null; }
waitfor() { # SECONDS COMMAND...: until the command succeeds
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

# A first start: nothing stored of the timer window yet.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow' /f >/dev/null 2>&1
tarnwick_start "$log" "$exe" -startup
check "the window shows" 0 "$(tarnwick_probe "$probe" wait 30000 >/dev/null; echo $?)"
sleep 1
shot 1-first-start
check "the After row shows 0 : 3 : 0 alone" "0 3 0" "$(fields)"
check "the Start button shows" yes "$(has Button Start)"
check "the count-down is collapsed" no "$(shown | grep -q '|(Play Sound)|' && echo yes || echo no)"

# The After fields in their order, each emptied and typed into.
mapfile -t after < <(shown | awk -F'|' '$1 == "Edit" { split($3, r, " ");
                     print r[1], int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2) }' | sort -n |
                     cut -d' ' -f2-)
for i in 0 1 2; do
    digit=0
    [ "$i" -eq 2 ] && digit=2
    click_at ${after[$i]}
    xdotool key End BackSpace BackSpace BackSpace type "$digit"
done
sleep 0.3
check "the typed time shows" "0 0 2" "$(fields)"
xdotool key Return
started=$(date +%s%N)
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
check "Enter starts the count-down" yes "$(has Button Stop)"
check "the time entry is collapsed while counting" "" "$(fields)"
shot 2-counting
waitfor 10 eval '[ "$(has OstrelWindowClass "It'"'"'s Time!")" == yes ]'
elapsed=$((($(date +%s%N) - started) / 1000000))
check "\"It's Time!\" shows" yes "$(has OstrelWindowClass "It's Time!")"
check "after about two seconds (${elapsed} ms)" yes \
    "$([ "$elapsed" -ge 1500 ] && [ "$elapsed" -le 4500 ] && echo yes || echo no)"
shot 3-its-time

click Button Stop
waitfor 5 eval '[ "$(has Button Start)" == yes ]'
check "Stop brings the Start button back" yes "$(has Button Start)"
check "Stop brings the time entry back" "0 0 2" "$(fields)"
shot 4-stopped

click Button '#X'
tarnwick_wait_exit 30
check "closing the window ends the program with 0" 0 "$TARNWICK_RC"
check "the typed seconds are kept for the next start" "2" \
    "$(wine reg query 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow\View' /v AfterSec 2>/dev/null |
       tr -d '\r' | awk '$1 == "AfterSec" { print $3 }')"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
