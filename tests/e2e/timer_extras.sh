#!/usr/bin/env bash
# A count-down asked for when the program starts, and a run kept over a
# restart, as a user meets them: "-after" on a fresh start counts down and
# fires; given to a second start, the running copy takes the new time over
# and the second process ends; an unreadable time is explained and starts
# nothing; with "Auto-Resume Timer on Start" a stored run whose target lies
# ahead goes on, and one whose target has passed is reported once. The
# keyboard shortcuts do their jobs and leave text typed into the path field
# alone; "Start on System Boot", "Auto-Resume Timer on Start" and "Only when
# Keeping On Top" are kept at once and over a restart.
#   timer_extras.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_timer_extras_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
second=$(mktemp)
TARNWICK_UNDO='wine reg delete "$run_key" /v "Vexa Tarnwick" /f >/dev/null 2>&1; rm -f "$second"'
tarnwick_scenario "$2"

key='HKCU\Software\Vexa\Vexa Tarnwick'
# The count-down's text, e.g. "4m 58s"; empty when none shows.
remaining() { shown | awk -F'|' '$1 == "OstrelWindowClass" && $2 ~ /^([0-9]+[dhm] )*[0-9]+s$/ { print $2; exit }'; }
start() { # ARGS...: starts the program and waits for its window
    tarnwick_start "$log" "$exe" "$@"
    tarnwick_probe "$probe" wait 30000 >/dev/null
    sleep 1
}
close() { # closes the window, answering Yes when asked
    click Button '#X'
    sleep 1
    local at
    at=$(box_button '&Yes')
    [ -n "$at" ] && click_at $at
    tarnwick_wait_exit 30
}

# --- A fresh start with "-after": it counts down at once and fires.
wine reg delete "$key" /f >/dev/null 2>&1
start -after 0:0:3
first_pid=$TARNWICK_PID
check "\"-after 0:0:3\" counts down at once" yes "$([ -n "$(remaining)" ] && echo yes || echo no)"
waitfor 10 eval '[ "$(has OstrelWindowClass "It'"'"'s Time!")" == yes ]'
check "\"-after 0:0:3\" fires" yes "$(has OstrelWindowClass "It's Time!")"
shot 1-fired
click Button Stop
waitfor 5 eval '[ "$(has Button Start)" == yes ]'

# --- A second start hands its time over and ends.
timeout 60 wine "$exe" -after 0:5:0 >"$second" 2>&1
rc=$?
check "the second start ends at once with 0" 0 "$rc"
check "the second start handed its count-down over" yes \
    "$(tr -d '\r' <"$second" | grep -q 'count-down handed over' && echo yes || echo no)"
waitfor 5 eval '[ -n "$(remaining)" ]'
check "the running copy counts down the handed time" yes \
    "$(remaining | grep -qE '^(5m 0s|4m [0-9]+s)$' && echo yes || echo no)"
shot 2-handed-over

# --- An unreadable time: explained, nothing started, the running count-down
# goes on.
tarnwick_start "$second" "$exe" -after banana
third=$TARNWICK_PID
TARNWICK_PID=$first_pid
waitfor 20 eval '[ -n "$(box_button OK)" ]'
check "an unreadable time is explained" yes \
    "$(box_text | grep -q 'This time cannot be read:' && echo yes || echo no)"
shot 3-unreadable
answer OK
waitfor 20 eval '! kill -0 '"$third"' 2>/dev/null'
check "the start with the unreadable time ends" no "$(kill -0 "$third" 2>/dev/null && echo yes || echo no)"
check "the running count-down goes on" yes \
    "$(remaining | grep -qE '^4m [0-9]+s$' && echo yes || echo no)"
close

# --- "Auto-Resume Timer on Start" with a stored target a minute ahead.
now_ms() { echo $(($(date +%s%N) / 1000000)); }
store AutoResumeTimer REG_DWORD 1
store TimerOn REG_DWORD 1
store TargetMilliSec REG_QWORD $(($(now_ms) + 60000))
store TargetMilliSec_OriginalGap REG_QWORD 120000
start -startup
waitfor 5 eval '[ -n "$(remaining)" ]'
check "a stored run ahead resumes" yes \
    "$(remaining | grep -qE '^[0-9]+s$' && echo yes || echo no)"
close

# --- ... and with the target passed: said once, then nothing.
store TimerOn REG_DWORD 1
store TargetMilliSec REG_QWORD $(($(now_ms) - 3600000))
tarnwick_start "$log" "$exe" -startup
waitfor 30 eval '[ -n "$(box_button OK)" ]'
check "a missed alarm is reported" yes \
    "$(box_text | grep -q 'An alarm was missed' && echo yes || echo no)"
shot 4-missed
answer OK
check "nothing counts after a missed alarm" "" "$(remaining)"
close
start -startup
check "a missed alarm is reported once" "" "$(box_button OK)"
check "the option stays on" 0x1 "$(stored AutoResumeTimer | awk '{ print $NF }')"
close

# --- The keyboard, on a fresh store. A click on the title leaves the focus
# with the window itself.
run_state() { # idle, counting or paused
    local snapshot=
    snapshot=$(shown)
    if [ "$(has OstrelWindowClass '(Paused)')" == yes ]; then echo paused
    elif [ "$(has Button Stop)" == yes ]; then echo counting
    else echo idle; fi
}
press() { # KEY EXPECTED: presses the key and waits for that run state
    want=$2
    xdotool key "$1"
    waitfor 5 eval '[ "$(run_state)" == "$want" ]'
    run_state
}
height() { tarnwick_probe "$probe" rect | awk '{ print $4 - $2 }'; }
iconic() { window_state | cut -d' ' -f2; }
wine reg delete "$key" /f >/dev/null 2>&1
start -startup
click OstrelWindowClass "$TARNWICK_TITLE"
check "Space starts, P pauses and resumes, Space stops" "counting paused counting idle" \
    "$(echo $(press space counting; press p paused; press p counting; press space idle))"
check "Enter outside a time field starts and stops" "counting idle" \
    "$(echo $(press Return counting; press Return idle))"
steps=()
step() { # FIELD KEY: the key in the N-th After field, then the fields
    click_at $(field_centres | sed -n "$1p")
    xdotool key "$2"
    sleep 0.3
    steps+=("$(fields)")
}
step 2 Up; step 2 shift+Up; step 2 Down; step 1 shift+Up; step 3 Down
check "Up and Down step the focused field, ten steps with Shift" \
    "0 4 0|0 14 0|0 13 0|10 13 0|10 12 59" "$(IFS='|'; echo "${steps[*]}")"
# Letters other than those of the path field act from a time field too.
timer_height=$(height)
xdotool key c
sleep 1
clock_height=$(height)
check "C shows the Clock View" "yes|0x1" \
    "$([ "$clock_height" -lt "$timer_height" ] && echo yes || echo no)|$(stored ClockMode)"
xdotool key c
sleep 1
check "C again shows the Timer View" "$timer_height|0x0" "$(height)|$(stored ClockMode)"
# Letters typed into the path field are text even while counting.
press space counting >/dev/null
click Button Action
path=$(fields)
click_at $(field_centres | head -1)
xdotool key End type ' Pc'
sleep 0.5
check "P and C typed into the path field stay text" "$path Pc|counting|0x0" \
    "$(fields)|$(run_state)|$(stored ClockMode)"
shot 5-typed-path
click Button Stop
xdotool key Escape
waitfor 5 eval '[ "$(iconic)" == 1 ]'
check "Escape iconizes the window" 1 "$(iconic)"
timeout 60 wine "$exe" -startup >/dev/null 2>&1
waitfor 5 eval '[ "$(iconic)" == 0 ]'
check "a second start brings it back" 0 "$(iconic)"

# --- "Start on System Boot", "Auto-Resume Timer on Start" and "Only when
# Keeping On Top": off at first, each kept at once and over a restart.
run_value() {
    wine reg query "$run_key" /v "Vexa Tarnwick" 2>/dev/null | tr -d '\r' |
        awk -F'REG_SZ' 'NF > 1 { sub(/^ +/, "", $2); print $2 }'
}
wine reg delete "$run_key" /v "Vexa Tarnwick" /f >/dev/null 2>&1
open_menu
check "at first neither option is checked" "|" "$(marks_of 0 137)|$(marks_of 0 140)"
pick 0 140 Return
check "\"Start on System Boot\" writes the Run value and the option" \
    "\"$(winepath -w "$exe" 2>/dev/null)\" -startup|0x1" "$(run_value)|$(stored StartOnSystemBoot)"
open_menu
pick 0 137 Return
check "\"Auto-Resume Timer on Start\" is stored at once" 0x1 "$(stored AutoResumeTimer)"
opacity=$(tarnwick_probe "$probe" alpha)
open_menu
pick 0 'Transparency (%)' Right
pick 1 701 Return
check "\"Only when Keeping On Top\": translucent while on top, stored" "$opacity|0x1" \
    "$(tarnwick_probe "$probe" alpha)|$(stored TransparencyOnlyOnTop)"
open_menu
pick 0 100 Return
check "... and opaque once \"Keep on Top\" is off" "255|0 0" \
    "$(tarnwick_probe "$probe" alpha)|$(window_state)"
close
start -startup
check "after a restart the window is opaque and not on top" "255|0 0" \
    "$(tarnwick_probe "$probe" alpha)|$(window_state)"
open_menu
check "after a restart both options are checked" "C|C" "$(marks_of 0 137)|$(marks_of 0 140)"
pick 0 'Transparency (%)' Right
check "after a restart \"Only when Keeping On Top\" is checked" C "$(marks_of 1 701)"
close_menus
open_menu
pick 0 100 Return
check "\"Keep on Top\" brings the chosen opacity back" "$opacity|1 0" \
    "$(tarnwick_probe "$probe" alpha)|$(window_state)"
open_menu
pick 0 140 Return
check "choosing \"Start on System Boot\" again removes the Run value" "|0x0" \
    "$(run_value)|$(stored StartOnSystemBoot)"
close

summary
