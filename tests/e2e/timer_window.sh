#!/usr/bin/env bash
# The timer window as a user runs it, from a first start: the Timer View with
# the After row at 0 : 3 : 0 and the Start button; a five-second count-down
# typed in and started with Enter that fills its progress meter and shows
# "It's Time!"; Stop; the up and down buttons, clicked and held, in both
# modes; pause and resume with the pause button and with Enter, Enter while
# counting stops; closing while counting asks first, No keeps counting, Yes
# ends the program with the entry stored; a new start right after the close
# shows its window. Screenshots of each step are kept in the build folder.
#   timer_window.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_timer_window_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
tarnwick_scenario "$2"

# The window's rectangle: left top right bottom opacity.
window_rect() { tarnwick_probe "$probe" rect; }
# The centre of the up (#Up) or down (#Down) button beside the N-th shown
# field, counted from 0 at the left.
updown() {
    local right
    right=$(shown | awk -F'|' '$1 == "Edit" { split($3, r, " "); print r[1], r[3] }' | sort -n |
            sed -n "$(($2 + 1))p" | cut -d' ' -f2)
    shown | awk -F'|' -v g="$1" -v x="$right" '$1 == "Button" && $2 == g { split($3, r, " ");
            if (r[1] >= x) print r[1], int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2) }' |
        sort -n | head -1 | cut -d' ' -f2-
}
hold() { # X Y SECONDS: presses the mouse button there for that long
    xdotool mousemove "$1" "$2" mousedown 1
    sleep "$3"
    xdotool mouseup 1
    sleep 0.3
}
combo() { shown | awk -F'|' '$1 == "ComboBox" { print $2; exit }'; }
remaining() { shown | awk -F'|' '$2 ~ /^[0-9]+s$/ { sub(/s$/, "", $2); print $2; exit }'; }
counting() { [ "$(has Button Stop)" == yes ] && [ "$(fields)" == "" ]; }
idle() { [ "$(has Button Start)" == yes ]; }

# A first start: nothing stored yet.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1
tarnwick_start "$log" "$exe" -startup
check "the window shows" 0 "$(tarnwick_probe "$probe" wait 30000 >/dev/null; echo $?)"
sleep 1
shot 1-first-start
check "the After row shows 0 : 3 : 0 alone" "0 3 0" "$(fields)"
check "the Start button shows" yes "$(has Button Start)"
check "the count-down is collapsed" no "$(shown | grep -q '|(Play Sound)|' && echo yes || echo no)"
check "the window is 90 % opaque" 90 "$(window_rect | cut -d' ' -f5)"

type_fields 0 0 5
check "the typed time shows" "0 0 5" "$(fields)"
xdotool key Return
started=$(date +%s%N)
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
check "Enter starts the count-down" yes "$(has Button Stop)"
check "the time entry is collapsed while counting" "" "$(fields)"
shot 2-counting
waitfor 10 eval '[ "$(has OstrelWindowClass "It'"'"'s Time!")" == yes ]'
elapsed=$((($(date +%s%N) - started) / 1000000))
check "\"It's Time!\" shows" yes "$(has OstrelWindowClass "It's Time!")"
check "after about five seconds (${elapsed} ms)" yes \
    "$([ "$elapsed" -ge 4500 ] && [ "$elapsed" -le 7500 ] && echo yes || echo no)"
sleep 0.3
shot 3-its-time
# The meter's bar grows from the left: its right end shows the window's
# colour while counting starts and the bar's colour when the time has come.
read -r left top right bottom _ <<<"$(window_rect)"
bar_y=$(shown | awk -F'|' '$2 == "It'"'"'s Time!" { split($3, r, " "); print int((r[2] + r[4]) / 2); exit }')
shot_pixel() { convert "$shots_prefix$1.png" -format "%[pixel:p{$2,$3}]" info: 2>/dev/null; }
check "the progress bar has grown across the meter" yes \
    "$([ -n "$bar_y" ] &&
       [ "$(shot_pixel 3-its-time $((right - 6)) "$bar_y")" != "$(shot_pixel 2-counting $((right - 6)) "$bar_y")" ] &&
       [ "$(shot_pixel 3-its-time $((right - 6)) "$bar_y")" == "$(shot_pixel 3-its-time $((left + 6)) "$bar_y")" ] &&
       echo yes || echo no)"

click Button Stop
waitfor 5 idle
check "Stop brings the Start button back" yes "$(has Button Start)"
check "Stop brings the time entry back" "0 0 5" "$(fields)"
shot 4-stopped

# Stepping the After entry: a minute up carries into the hours, a second
# down stops at zero; held, a button repeats and every step carries.
type_fields 0 59 30
click_at $(updown '#Up' 1)
check "After minute up from 0:59:30 gives 1:0:30" "1 0 30" "$(fields)"
type_fields 0 0 0
click_at $(updown '#Down' 2)
check "After second down from 0:0:0 stays 0:0:0" "0 0 0" "$(fields)"
type_fields 0 0 58
hold $(updown '#Up' 2) 1.5
read -r h m s <<<"$(fields)"
check "the held second up repeats past the minute ($h:$m:$s)" yes \
    "$([ "$h" -eq 0 ] && [ "$m" -ge 1 ] && [ "$s" -lt 60 ] && [ $((m * 60 + s)) -ge 61 ] && echo yes || echo no)"
type_fields 0 0 3
hold $(updown '#Down' 2) 1.5
check "the held second down stops at 0:0:0" "0 0 0" "$(fields)"

# Stepping the At entry in the 12-hour system crosses between AM and PM.
click_at $(centre Button "$(shown | awk -F'|' '$1 == "Button" && $2 ~ /^At/ { print $2; exit }')")
check "At shows the At row with AM" "AM|7 30 0" "$(combo)|$(fields)"
type_fields 12 0 0
click_at $(updown '#Down' 1)
check "At minute down from 12:00 AM gives 11:59 PM" "PM|11 59 0" "$(combo)|$(fields)"
click_at $(updown '#Up' 0)
check "At hour up from 11:59 PM gives 12:59 AM" "AM|12 59 0" "$(combo)|$(fields)"
held_from=$(fields)
hold $(updown '#Up' 0) 1.2
read -r h m s <<<"$(fields)"
check "the held hour up repeats and stays on the 12-hour clock ($h:$m:$s)" yes \
    "$([ "$h $m $s" != "$held_from" ] && [ "$h" -ge 1 ] && [ "$h" -le 12 ] && [ "$m" -eq 59 ] && echo yes || echo no)"
shot 5-at-steps
click_at $(centre Button "$(shown | awk -F'|' '$1 == "Button" && $2 ~ /^After/ { print $2; exit }')")
check "After shows the After row again" "0 0 0" "$(fields)"

# Pause and resume: with the pause button, then with Enter in a field;
# Enter while counting stops.
type_fields 0 1 0
xdotool key Return
waitfor 5 counting
check "a one-minute count-down runs" yes "$(counting && echo yes || echo no)"
sleep 1.2
click Button '#Pause'
waitfor 5 eval '[ "$(has OstrelWindowClass "(Paused)")" == yes ]'
check "the pause button pauses: (Paused) and the play glyph show" "yes yes" \
    "$(has OstrelWindowClass "(Paused)") $(has Button '#Play')"
paused_at=$(fields)
read -r h m s <<<"$paused_at"
check "the remaining time shows in the After fields ($paused_at)" yes \
    "$([ "$h" -eq 0 ] && [ "$m" -eq 0 ] && [ "$s" -ge 50 ] && [ "$s" -le 59 ] && echo yes || echo no)"
shot 6-paused
sleep 5
check "the paused time stands still" "$paused_at" "$(fields)"
click Button '#Play'
snapshot=$(shown)
shown_left=$(remaining)
check "the play button resumes the count-down" "yes|yes|" "$(has Button Stop)|$(has Button '#Pause')|$(fields)"
snapshot=
# Probing takes a moment under load: a pause that counted would show 5 s
# less at least.
check "the pause did not count (paused at ${s}s, resumed at ${shown_left}s)" yes \
    "$([ -n "$shown_left" ] && [ "$shown_left" -ge $((s - 3)) ] && [ "$shown_left" -le "$s" ] && echo yes || echo no)"
click Button '#Pause'
waitfor 5 eval '[ "$(has OstrelWindowClass "(Paused)")" == yes ]'
# Under load the first click may only bring the window forward: the field
# is clicked again until it has the keyboard.
in_field() { [ "$(tarnwick_probe "$probe" focus | cut -d'|' -f2)" == Edit ]; }
click_at $(field_centres | tail -1)
waitfor 3 in_field || click_at $(field_centres | tail -1)
waitfor 3 in_field
xdotool key Return
waitfor 5 counting
check "Enter in a field while paused resumes" yes "$(counting && echo yes || echo no)"
xdotool key Return
waitfor 5 idle
check "Enter while counting stops, the typed entry comes back" "yes|0 1 0" "$(has Button Start)|$(fields)"

# Closing while counting asks; No keeps the window and the count-down.
xdotool key Return
waitfor 5 counting
# The first second shows "1m 0s"; the seconds alone come after it.
waitfor 5 eval '[ -n "$(remaining)" ]'
before=$(remaining)
click Button '#X'
waitfor 5 eval '[ -n "$(box_button "&No")" ]'
check "closing while counting asks" "Are you sure you want to stop the timer?" "$(box_text)"
shot 7-question
answer '&No'
sleep 1.5
check "No closes the question and keeps the window counting" yes \
    "$(! tarnwick_probe "$probe" box >/dev/null && counting && echo yes || echo no)"
# The count-down goes on while the question shows and after it.
waitfor 5 eval '[ -n "$(remaining)" ] && [ "$(remaining)" -lt "$before" ]'
after=$(remaining)
check "and the count-down goes on (${before}s, then ${after}s)" yes \
    "$([ -n "$before" ] && [ -n "$after" ] && [ "$after" -lt "$before" ] && echo yes || echo no)"
click Button '#X'
answer '&Yes'
tarnwick_wait_exit 30
check "Yes ends the program with 0" 0 "$TARNWICK_RC"
check "the exit keys are written" "0x0|0x0|AM|0|1|0|Play|0x1|0x32|Shutdown" \
    "$(stored FinishedAsIconized)|$(stored ModeAt)|$(stored AtAmPm24)|$(stored AfterHour)|$(stored AfterMin)|$(stored AfterSec)|$(stored Action)|$(stored PlayRepeat)|$(stored PlayVolume)|$(stored ShutdownType)"

# A start right after a close, while the closed copy may still be ending,
# is not lost to it.
tarnwick_start "$log" "$exe" -startup
check "a start right after the close shows its window" 0 \
    "$(tarnwick_probe "$probe" wait 30000 >/dev/null; echo $?)"
sleep 1.5
check "and keeps it" "0 1 0" "$(fields)"
click Button '#X'
tarnwick_wait_exit 30
check "closing the window ends the program with 0" 0 "$TARNWICK_RC"

summary
