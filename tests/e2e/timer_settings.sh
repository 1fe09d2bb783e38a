#!/usr/bin/env bash
# The timer window's settings across restarts, as a user finds them: every
# setting stored is shown at the next start and stored again unchanged at
# the exit; the Clock View shrinks the window and shows the local date,
# weekday and time in two time zones; stored values that are absent, of the
# wrong type or absurd give the defaults without a crash and lose nothing
# else stored; the keep-on-top button and a stored width last over a
# restart. Screenshots are kept in the build folder.
#   timer_settings.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_timer_settings_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
tarnwick_scenario "$2"

MAIN='HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow'
window_rect() { tarnwick_probe "$probe" rect; }
start() { # TZ: starts the program in that time zone and waits for its window
    TZ=$1 tarnwick_start "$log" "$exe" -startup
    tarnwick_probe "$probe" wait 30000 >/dev/null
    sleep 1
}
close() {
    click Button '#X'
    tarnwick_wait_exit 30
}
text_at() { # CLASS RANK: the text of the RANK-th shown child of that class, row by row
    shown | awk -F'|' -v c="$1" '$1 == c { split($3, r, " "); print r[2], r[1], $2 }' |
        sort -n -k1 -k2 | sed -n "$(($2 + 1))p" | cut -d' ' -f3-
}
# The Clock View's labels as the user reads them: date, weekday, hour and
# minute, AM or PM.
clock_labels() {
    shown | awk -F'|' '$1 == "OstrelWindowClass" && $2 != "" && $2 != "Vexa Tarnwick" { print $2 }' |
        head -4 | tr '\n' '|' | sed 's/|$//'
}
# The same from the system clock in time zone TZ.
expected_clock() { TZ=$1 LC_ALL=C date +'%b %-d|%a|%-I:%M|%p'; }
# Compares the clock labels with the system clock; a minute may turn
# between the two readings, so a mismatch is read once more.
check_clock() { # NAME TZ
    local shown_now expected
    shown_now=$(clock_labels)
    expected=$(expected_clock "$2")
    if [ "$shown_now" != "$expected" ]; then
        sleep 1
        shown_now=$(clock_labels)
        expected=$(expected_clock "$2")
    fi
    check "$1" "$expected" "$shown_now"
}

# Every setting away from its default, as a previous exit would leave it;
# nothing else stored, not even a language.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1
declare -A strings=([AtAmPm24]=PM [AtHour]=11 [AtMin]=5 [AtSec]=9 [AfterHour]=2 [AfterMin]=14
                    [AfterSec]=33 [Action]=Execute [Action_Open_Str]='C:\docs\plan.txt'
                    [Action_Execute_Str]='C:\tools\run.exe' [Action_Execute_Param_Str]='--fast now'
                    [Action_WebPage_Str]='https://example.org/alarm' [ShutdownType]=Reboot)
declare -A dwords=([ModeAt]=0x1 [ActionBox_Open]=0x1 [PlayRepeat]=0x0 [PlayVolume]=0x1e
                   [Transparency]=0x3c [KeepInScreen]=0x0 [X]=0x64 [Y]=0x50 [Width]=0x12c
                   [Height]=0x12c)
for key in "${!strings[@]}"; do store "$key" REG_SZ "${strings[$key]}"; done
for key in "${!dwords[@]}"; do store "$key" REG_DWORD "${dwords[$key]}"; done
wine reg add "$MAIN\\Skin" /ve /t REG_SZ /d 'Fresh L' /f >/dev/null 2>&1

start Asia/Tokyo
check "the stored settings start the window" 0 "$(tarnwick_probe "$probe" wait 0 >/dev/null; echo $?)"
shot 1-stored
check "the At row shows the stored PM time" "PM|11 5 9" "$(text_at ComboBox 0)|$(fields | cut -d' ' -f1-3)"
check "the action box is open on Execute with its path and parameter" \
    "Execute Program|C:\\tools\\run.exe --fast now" "$(text_at ComboBox 1)|$(fields | cut -d' ' -f4-)"
check "the window stands where it was, 60 % opaque" "100 80 60" \
    "$(window_rect | awk '{ print $1, $2, $5 }')"
timer_height=$(window_rect | awk '{ print $4 - $2 }')

# The Clock View: smaller, with the clock of the time zone.
click Button '#Transform'
sleep 1.5
shot 2-clock-tokyo
clock_height=$(window_rect | awk '{ print $4 - $2 }')
check "the Clock View shrinks the window (${timer_height} to ${clock_height} pixels high)" yes \
    "$([ "$clock_height" -lt "$timer_height" ] && [ "$clock_height" -gt 20 ] && echo yes || echo no)"
check_clock "the clock shows Tokyo's date, weekday and time" Asia/Tokyo
check "the Clock View is stored at once" 0x1 "$(stored ClockMode)"
close
check "the program ends with 0" 0 "$TARNWICK_RC"
for key in "${!strings[@]}"; do
    check "$key is stored again unchanged" "${strings[$key]}" "$(stored "$key")"
done
for key in ModeAt ActionBox_Open PlayRepeat PlayVolume Transparency KeepInScreen; do
    check "$key is stored again unchanged" "${dwords[$key]}" "$(stored "$key")"
done
check "the skin is kept" "Fresh L" \
    "$(wine reg query "$MAIN\\Skin" /ve 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 { sub(/^ +/, "", $2); print $2 }')"

# A start in another time zone comes back in the Clock View.
start America/New_York
shot 3-clock-new-york
check "the next start shows the Clock View again" "$clock_height" "$(window_rect | awk '{ print $4 - $2 }')"
check_clock "the clock shows New York's date, weekday and time" America/New_York
click Button '#Transform'
sleep 1
check "the Timer View comes back at its size" "$timer_height" "$(window_rect | awk '{ print $4 - $2 }')"
close

# Absurd, mistyped and missing values; one value the program never changes
# shows that nothing else is lost.
wine reg delete "$MAIN" /f >/dev/null 2>&1
store AtHour REG_SZ 99999999999
store AtAmPm24 REG_SZ 13
store PlayVolume REG_DWORD 7
store Action REG_SZ Dance
store ShutdownType REG_SZ Explode
store ModeAt REG_SZ yes
store Transparency REG_SZ 50
store X REG_DWORD 0xffff63c0 # -40000
store Y REG_DWORD 0xffff63c0
store Action_Execute_Str REG_SZ 'C:\keep\me.exe'
start UTC
check "absurd values start the window" 0 "$(tarnwick_probe "$probe" wait 0 >/dev/null; echo $?)"
shot 4-absurd
read -r left top right bottom opacity <<<"$(window_rect)"
check "a window far off every monitor comes back on the screen ($left $top $right $bottom)" yes \
    "$([ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 1280 ] && [ "$bottom" -le 1024 ] && echo yes || echo no)"
check "a mistyped opacity gives 90 %" 90 "$opacity"
check "a mistyped mode gives After" "0 3 0" "$(fields)"
click_at $(centre Button "$(shown | awk -F'|' '$1 == "Button" && $2 ~ /^At/ { print $2; exit }')")
check "the huge hour shows as stored, the clock system 13 as 24" "24|99999999999 30 0" \
    "$(text_at ComboBox 0)|$(fields)"
click Button Start
sleep 2
check "starting with the huge hour counts down without a crash" yes \
    "$(kill -0 "$TARNWICK_PID" 2>/dev/null && [ "$(has Button Stop)" == yes ] && echo yes || echo no)"
shot 5-huge-hour
click Button Stop
waitfor 5 eval '[ "$(has Button Start)" == yes ]'
close
check "the program ends with 0" 0 "$TARNWICK_RC"
# A volume off the list is taken as the default; the huge hour stays text.
check "the stored values after the exit" \
    "99999999999|24|0x32|Play|Shutdown|C:\\keep\\me.exe" \
    "$(stored AtHour)|$(stored AtAmPm24)|$(stored PlayVolume)|$(stored Action)|$(stored ShutdownType)|$(stored Action_Execute_Str)"

# The keep-on-top button and the window's size over a restart. The width
# stored is the window's; its height always follows the layout, which
# shrinks the window to what it shows.
wine reg delete "$MAIN" /f >/dev/null 2>&1
start UTC
read -r left top right bottom opacity <<<"$(window_rect)"
first_height=$((bottom - top))
check "a first start keeps the window on top" "1 0" "$(tarnwick_probe "$probe" state)"
click Button '#OnTop'
check "the keep-on-top button takes it out of the top band and stores that" "0 0|0x0" \
    "$(tarnwick_probe "$probe" state)|$(stored KeepOnTop)"
close
store X REG_DWORD 120
store Y REG_DWORD 90
store Width REG_DWORD 420
store Height REG_DWORD 400
start UTC
check "a stored width comes back; the height is the layout's" "120 90 420 $first_height" \
    "$(window_rect | awk '{ print $1, $2, $3 - $1, $4 - $2 }')"
check "keep-on-top stays off after a restart" "0 0" "$(tarnwick_probe "$probe" state)"
click Button '#OnTop'
check "the button puts the window on top again and stores that" "1 0|0x1" \
    "$(tarnwick_probe "$probe" state)|$(stored KeepOnTop)"
close
check "the window's bounds are stored as it had them" "0x78 0x5a 0x1a4 $(printf '0x%x' "$first_height")" \
    "$(stored X) $(stored Y) $(stored Width) $(stored Height)"

summary
