#!/usr/bin/env bash
# The alarm's promise, on a desktop like a user's: a three-second count-down
# started before the window's thread enters a modal state rings while that
# state is still open ("It's Time!" shows and the alarm reaches the sound
# device), and the state is then left as usual: the close question answered
# No (the timer goes on working) and Yes (the program ends), the right-click
# menu, an open drop-down list, the Browse dialog, a press held on the
# window and a drag of it. A sound that cannot be played still rings: the
# default alarm sounds and the window says why. A log-off keeps the time
# entry typed since the start.
#   alarm.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_alarm_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
export TARNWICK_AUDIO_CAPTURE=$4/e2e-alarm-capture.raw
sounds=$(mktemp -d)
TARNWICK_UNDO='rm -rf "$sounds" "$TARNWICK_AUDIO_CAPTURE"'
tarnwick_scenario "$2" desktop
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1

now_ms() { date +%s%3N; }
start() {
    tarnwick_start "$log" "$exe"
    tarnwick_probe "$probe" wait 30000 >/dev/null
    sleep 1
}
quit() {
    tarnwick_probe "$probe" close >/dev/null
    tarnwick_wait_exit 30
}
# enter H M S: the After entry typed. The first click on a window the
# desktop has not focused yet may only focus it: then it is typed again.
enter() {
    type_fields "$@"
    [ "$(fields | cut -d' ' -f1-3)" == "$*" ] || type_fields "$@"
}
# arm: a three-second count-down from now, pressed at t0.
arm() {
    rm -f "$TARNWICK_AUDIO_CAPTURE"
    enter 0 0 3
    set -- $(centre Button Start)
    t0=$(now_ms)
    click_at "$@"
}
# rings STATE SHOT: one check that the alarm rings while STATE is open, with
# how late the sound reached the device noted beside it.
rings() {
    local i heard=never
    for ((i = 0; i < 400; i++)); do
        if [ -s "$TARNWICK_AUDIO_CAPTURE" ]; then
            heard=$(($(now_ms) - t0 - 3000))
            break
        fi
        sleep 0.02
    done
    waitfor 5 eval '[ "$(has OstrelWindowClass "It'"'"'s Time!")" == yes ]'
    check "$1: the alarm rings while it is open" "heard yes" \
        "$([ "$heard" != never ] && echo heard || echo silent) $(has OstrelWindowClass "It's Time!")"
    echo "note: $1: the sound reached the device $heard ms after the target"
    shot "$2"
}
stop_alarm() {
    click Button Stop
    waitfor 5 eval '[ "$(has Button Start)" == yes ]'
}
# centre_of CLASS PATTERN: the centre of the first shown child of that class
# whose text matches.
centre_of() {
    shown | awk -F'|' -v c="$1" -v p="$2" '$1 == c && $2 ~ p {
        split($3, r, " "); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
open_dialog() { xdotool search --onlyvisible --name '^Open$' 2>/dev/null | head -n 1; }

store ActionBox_Open REG_DWORD 1
start

# --- The close question, answered No after the target: the window goes on.
arm
click Button '#X'
waitfor 10 eval '[ -n "$(box_button "&No")" ]'
rings "the close question" 1-close-question
answer '&No'
sleep 0.5
check "answered No, the window stays with \"It's Time!\"" yes "$(has OstrelWindowClass "It's Time!")"
stop_alarm
check "and Stop ends the alarm" yes "$(has Button Start)"

# --- The right-click menu held open.
arm
open_menu
rings "the right-click menu" 2-menu
close_menus
check "the menu closes" "" "$(menu)"
stop_alarm

# --- An open drop-down list.
arm
click_at $(centre_of ComboBox .)
rings "an open drop-down list" 3-drop-down
xdotool key Escape
sleep 0.3
check "Escape closes only the list, the window stays" 0 "$(window_state | cut -d" " -f2)"
stop_alarm

# --- The Browse dialog.
arm
click_at $(centre_of Button Browse)
waitfor 10 eval '[ -n "$(open_dialog)" ]'
rings "the Browse dialog" 4-browse
xdotool key Escape
waitfor 10 eval '[ -z "$(open_dialog)" ]'
check "the Browse dialog closes" "" "$(open_dialog)"
stop_alarm

# --- A press on the window held still, then a drag of it, the button
# held down.
arm
set -- $(bounds)
xdotool mousemove $(($1 + 20)) $(($2 + 30)) mousedown 1
rings "a press held on the window" 5-press
xdotool mousemove $(($1 + 40)) $(($2 + 45))
sleep 0.2
xdotool mousemove $(($1 + 60)) $(($2 + 60))
sleep 0.5
xdotool mouseup 1
sleep 0.5
check "the press then drags the window" "$(($1 + 40)) $(($2 + 30))" "$(bounds | cut -d' ' -f1-2)"
stop_alarm
arm
set -- $(bounds)
xdotool mousemove $(($1 + 20)) $(($2 + 30)) mousedown 1
sleep 0.2
xdotool mousemove $(($1 + 40)) $(($2 + 45))
sleep 0.2
xdotool mousemove $(($1 + 60)) $(($2 + 60))
rings "a drag of the window" 5-drag
xdotool mouseup 1
stop_alarm

# --- The close question, answered Yes after the target: the program ends.
arm
click Button '#X'
waitfor 10 eval '[ -n "$(box_button "&Yes")" ]'
rings "the close question (Yes)" 6-close-yes
answer '&Yes'
tarnwick_wait_exit 20
check "answered Yes, the program ends" 0 "$TARNWICK_RC"

# --- Sounds that cannot be played: the default alarm rings instead, and
# the window says why until Stop; 24-bit and floating-point files play. The
# missing file and the folder were files when the program started (a stored
# path that is no file is given the default sound at the start) and went
# away before the time came.
default_alarm=$(dirname "$exe")/sound.mp3
head -c 1000 "$default_alarm" >"$sounds/cut.mp3"
printf 'no sound\r\n' >"$sounds/text.mp3"
: >"$sounds/empty.wav"
# As recorders write them: these play as they are, and nothing is reported.
sox -n -r 44100 -c 2 -b 24 "$sounds/deep.wav" synth 2 sine 440
sox -n -r 48000 -c 1 -e floating-point -b 32 "$sounds/float.wav" synth 2 sine 440
for row in "missing.wav|Sound file not found" "folder.wav|Sound file not found" \
    "empty.wav|Sound file cannot be played" "text.mp3|Sound file cannot be played" \
    "cut.mp3|Sound file cannot be played" "deep.wav|(Play Sound)" "float.wav|(Play Sound)"; do
    name=${row%%|*} why=${row#*|}
    [ -e "$sounds/$name" ] || cp "$default_alarm" "$sounds/$name"
    store Action_Play_Str REG_SZ "$(winepath -w "$sounds/$name" 2>/dev/null)"
    start
    case $name in
    missing.wav) rm "$sounds/$name" ;;
    folder.wav) rm "$sounds/$name" && mkdir "$sounds/$name" ;;
    esac
    arm
    rings "$name" "7-$name"
    check "$name: the window says why" yes "$(has OstrelWindowClass "$why")"
    stop_alarm
    quit
done

# --- A log-off keeps the time entry typed since the start.
start
enter 1 2 3
tarnwick_probe "$probe" logoff >/dev/null
kill "$TARNWICK_PID" 2>/dev/null
tarnwick_wait_exit 10
check "a log-off keeps the typed time entry" "1|2|3" \
    "$(stored AfterHour)|$(stored AfterMin)|$(stored AfterSec)"

summary
