#!/usr/bin/env bash
# The timer window's right-click menu as a user meets it: the marks of a
# first start; "50%" makes the window half transparent and is kept; the start
# entry names the At time, the After span, the running count-down and is
# greyed while paused; "Translate? (online)" opens the translation page
# through the shell and keeps the language; French changes the menu and the
# window at once and the next start opens in it; a skin repaints the window
# and is kept; without the taskbar button the iconize button shows "#.";
# after a restart every choice is marked again; a stored opacity of 55 marks
# "0%" and keeps 55; a skin the schedule changed is marked at the next right
# click. "Iconize", "Clock View" and "Timer View" and the product's web page
# do what they say. The notification-area icon is right-clicked in Wine's
# stand-alone tray window: "Open Window" iconizes and restores, "Exit" asks
# first while the timer runs. The open menus are read by the probe;
# screenshots stay in the build folder.
#   timer_menus.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots=$4
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
shots_prefix=$shots/e2e_timer_menus_
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
export LC_ALL=C.UTF-8
pages=$(mktemp) browser=$(mktemp)
TARNWICK_UNDO='wine reg delete "HKCU\\Software\\Wine\\WineBrowser" /v Browsers /f >/dev/null 2>&1
               rm -f "$pages" "$browser"'
tarnwick_scenario "$2"
key='HKCU\Software\Vexa\Vexa Tarnwick\SaveData'

# The shell's "open" of a web address ends in Wine's browser launcher, which
# runs the first browser it is given: here one that notes the address.
printf '#!/bin/sh\necho "$1" >>%s\n' "$pages" >"$browser"
chmod +x "$browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f >/dev/null 2>&1

# The text of the entry with that command in the menu at depth.
text_of() { menu | awk -F'|' -v d="$1" -v id="$2" '$1 == d && $2 == id { print $3; exit }'; }
# The command of the radio-marked entry of the menu at depth: the platform
# keeps the round-mark style on entries that lost the mark, so it is the
# one both radio-styled and checked.
radio_of() { menu | awk -F'|' -v d="$1" '$1 == d && $4 ~ /CR/ { print $2; exit }'; }
# The keys given, each after a pause.
keys() { local k; for k in "$@"; do xdotool key "$k"; sleep 0.15; done; sleep 0.3; }
# From the closed state of the main menu: Up from nothing selects the last
# entry ("Iconize"), then About (1), Language (2), Transparency (3), Skin (4).
open_submenu() { open_menu; keys $(printf 'Up %.0s' $(seq "$(($1 + 1))")) Right; }
stored_at() { # SECTION VALUE: the stored value's data
    wine reg query "$key\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v v="$2" '$1 == v { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}
flag() { stored_at MainWindow\\View "$1" | awk '{ print $NF }'; }
stored_default() { # SECTION: the section's own (unnamed) value
    wine reg query "$key\\$1" /ve 2>/dev/null | tr -d '\r' |
        awk '/REG_SZ/ { sub(/.*REG_SZ[ \t]+/, ""); print }'
}
# The colour of the screen at x y, as "r,g,b".
pixel() {
    import -window root -crop 1x1+"$1"+"$2" txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}
start() {
    tarnwick_start "$log" "$exe" -startup
    if ! tarnwick_probe "$probe" wait 60000 >/dev/null; then
        check "the window shows" 0 1
        shot 0-no-window
        cat "$log"
    fi
    waitfor 10 eval 'shown | grep -q "^Button|#X|"'
    sleep 1
}
stop() { click Button '#X'; tarnwick_wait_exit 30; }
# Without a tray on the desktop (Xvfb runs none) Wine shows the notification
# area in a stand-alone window of its own, hidden while it holds no icon. The
# program's icon is the only one, in the first 20-pixel place: its centre.
tray_icon() {
    local id
    id=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1)
    [ -n "$id" ] && xdotool getwindowgeometry --shell "$id" |
        awk -F= '$1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x + 10, y + 10 }'
}
shown_window() { tarnwick_probe "$probe" wait 5000 >/dev/null && echo shown || echo hidden; }
hidden_window() { tarnwick_probe "$probe" gone 5000 >/dev/null && echo hidden || echo shown; }
# The Clock View's date and weekday labels.
clock_day() {
    shown | awk -F'|' '$1 == "OstrelWindowClass" && $2 != "" && $2 !~ /^Vexa Tarnwick/ { print $2 }' |
        head -2 | tr '\n' '|' | sed 's/|$//'
}
height() { tarnwick_probe "$probe" rect | awk '{ print $4 - $2 }'; }
# The count-down in seconds, read from its "2m 58s" label ("2min 58s" in French).
remaining() { shown | awk -F'|' '$2 ~ /^([0-9]+[a-z]+ )*[0-9]+s$/ {
              n = split($2, p, " "); t = 0
              for (i = 1; i <= n; i++) t = t * 60 + p[i] + 0
              print t; exit }'; }
settings() { wine reg query 'HKCU\Software\Vexa\Vexa Tarnwick' /s 2>/dev/null | tr -d '\r'; }

# A first start: nothing stored, English from the system.
wine reg delete "$key" /f >/dev/null 2>&1
start
open_menu
check "first start: the four options are checked" "C C C C" \
    "$(echo $(for id in 100 130 136 135; do marks_of 0 $id; done))"
check "first start: \"Timer View\" is marked" 161 "$(radio_of 0)"
check "the start entry names the After span and the action" "Start Timer [3m 0s] (Play Sound)" \
    "$(text_of 0 162)"
close_menus
open_submenu 3
check "first start: \"10%\" is marked" 610 "$(radio_of 1)"
keys Left Down Right
check "first start: English is marked" "0|English" \
    "$(menu | awk -F'|' '$1 == 1 && $4 ~ /CR/ { print $2 "|" $3; exit }')"
# The skin submenu opens on its first entry; the next is "Change Periodically".
keys Left Up Up Right Down Right
check "first start: \"Don't Change\" is marked" 29290 "$(radio_of 2)"
check "first start: the current skin is marked" "Gray WG" \
    "$(menu | awk -F'|' '$1 == 1 && $4 ~ /CR/ { print $3; exit }')"
shot 1-skin-menu
close_menus

# "50%": half transparent at once, stored, marked.
open_submenu 3
keys Down Down Down Down Down
shot 2-transparency-menu
keys Return
check "\"50%\" makes the window half transparent" 127 "$(tarnwick_probe "$probe" alpha)"
check "\"50%\" stores the opacity 50" 0x32 "$(stored_at MainWindow\\View Transparency | awk '{ print $NF }')"
open_submenu 3
check "\"50%\" is marked" 650 "$(radio_of 1)"
close_menus

# The start entry: the At time, the running count-down, greyed while paused.
click Button At
open_menu
check "the start entry names the At time" "Start Timer [AM 7:30] (Play Sound)" "$(text_of 0 162)"
close_menus
click Button After
click Button Start
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
open_menu
check "while counting the start entry stops" yes \
    "$(text_of 0 162 | grep -qE '^Stop Timer \[2m 5[0-9]s\] \(Play Sound\)$' && echo yes || echo no)"
close_menus
click Button '#Pause'
open_menu
check "while paused the start entry is greyed" D "$(marks_of 0 162 | tr -cd D)"
close_menus
click Button '#Play'
click Button Stop
waitfor 5 eval '[ "$(has Button Start)" == yes ]'

# "Translate? (online)": the page through the shell, the language kept.
open_submenu 2
keys Up Return
waitfor 10 grep -q translate "$pages"
check "\"Translate? (online)\" opens the translation page" \
    "https://www.vexa.example/tarnwick/translate" "$(head -1 "$pages")"
check "\"Translate? (online)\" keeps the language" "" "$(stored_default MainWindow\\Language)"

# "Iconize" hides the window behind a notification-area icon, which a click
# restores; "Clock View" shrinks the window to the clock and takes the mark,
# "Timer View" brings it back; "Software Page (online)" opens the product's
# page through the shell and changes nothing else.
check "with its taskbar button the shown window has no notification-area icon" "" "$(tray_icon)"
open_menu
keys Up Return
check "\"Iconize\" hides the window" hidden "$(hidden_window)"
waitfor 5 eval '[ -n "$(tray_icon)" ]'
check "the iconized window shows its notification-area icon" yes "$([ -n "$(tray_icon)" ] && echo yes)"
xdotool mousemove $(tray_icon) click 1
check "a click on the icon restores the window" shown "$(shown_window)"
waitfor 5 eval '[ -z "$(tray_icon)" ]'
check "the restored window takes its icon away" "" "$(tray_icon)"
timer_height=$(height)
open_menu
keys Down Return
waitfor 5 eval '[ "$(height)" -lt "$timer_height" ]'
check "\"Clock View\" shrinks the window" yes "$([ "$(height)" -lt "$timer_height" ] && echo yes)"
check "\"Clock View\" shows the date and the weekday" "$(LC_ALL=C date +'%b %-d|%a')" "$(clock_day)"
open_menu
check "\"Clock View\" takes the mark" 160 "$(radio_of 0)"
keys Down Down Return
waitfor 5 eval '[ "$(height)" -eq "$timer_height" ]'
check "\"Timer View\" brings the window back at its size" "$timer_height" "$(height)"
before=$(settings)
open_submenu 1
keys Down Return
waitfor 10 eval '[ "$(wc -l <"$pages")" -ge 2 ]'
check "\"Software Page (online)\" opens the product's page" "https://www.vexa.example/tarnwick" \
    "$(tail -1 "$pages")"
check "and changes nothing else" "$before" "$(settings)"

# French: the menus and the window follow at once; the choice is stored.
open_submenu 2
keys Down Down Down Down Down Return
sleep 0.5
shot 3-french
check "French: the window's buttons follow" yes "$(has Button 'Démarrer')"
check "French: stored under the timer's Language section" French "$(stored_default MainWindow\\Language)"
check "French: the application's language is stored" French "$(stored_default Language)"
open_menu
check "French: the menu follows" "Vue horloge" "$(text_of 0 160)"
shot 4-french-menu
close_menus

# The first skin: repainted, marked, stored.
open_submenu 4
keys Down Down Return
sleep 1
root=$(shown | head -1 | awk -F'|' '{ print $3 }')
set -- $root
check "a chosen skin repaints the window in its colour" 238,248,226 "$(pixel $(($1 + 1)) $((($2 + $4) / 2)))"
shot 5-fresh-skin
check "the chosen skin is stored" "Fresh L" "$(stored_default MainWindow\\Skin)"
check "the choice restarts the schedule" yes \
    "$([ -n "$(stored_at MainWindow\\View RandomSkinLastChange)" ] && echo yes || echo no)"
open_submenu 4
check "the chosen skin is marked" 28200 "$(radio_of 1)"
close_menus

# The three options switched off, each stored at once.
for option in "100 KeepOnTop" "136 DoubleClickExpansion" "135 KeepInScreen"; do
    set -- $option
    open_menu
    pick 0 "$1" Return
    waitfor 5 eval '[ "$(flag '"$2"')" == 0x0 ]'
    check "unchecking stores $2 off" 0x0 "$(flag "$2")"
done
open_menu
check "the three options show unchecked" "||" "$(marks_of 0 100)|$(marks_of 0 136)|$(marks_of 0 135)"
close_menus

# Without the taskbar button.
open_menu
pick 0 130 Return
waitfor 5 eval '[ "$(has Button "#.")" == yes ]'
check "without a taskbar button the iconize button shows #." yes "$(has Button '#.')"
check "\"ShowTaskBarButton\" is stored" 0x0 "$(flag ShowTaskBarButton)"

# The notification-area menu, opened by a right click on the icon that now
# stays while the window shows: "Open Window" iconizes the shown window and
# restores the iconized one; "Exit" while the timer runs asks first (the
# program speaks French by now), and No keeps the count-down going.
tray_menu() { xdotool mousemove $(tray_icon) click 3; waitfor 5 eval 'menu | grep -q "|990|"'; }
check "without a taskbar button the shown window keeps its icon" yes "$([ -n "$(tray_icon)" ] && echo yes)"
tray_menu
check "the tray menu: \"Open Window\", the start entry, Recent, the tray progress, About, \"Exit\"" \
    "900 162 0 199 0 990" \
    "$(menu | awk -F'|' '$1 == 0 && $4 !~ /S/ { print $2 }' | tr '\n' ' ' | sed 's/ $//')"
keys Down Return
check "\"Open Window\" iconizes the shown window" hidden "$(hidden_window)"
tray_menu
keys Down Return
check "\"Open Window\" restores the iconized window" shown "$(shown_window)"
click Button 'Démarrer'
waitfor 5 eval '[ -n "$(remaining)" ]'
tray_menu
keys Up Return
waitfor 5 eval '[ -n "$(box_button "&No")" ]'
check "\"Exit\" while the timer runs asks first" "Voulez-vous vraiment arrêter le minuteur ?" \
    "$(box_text)"
counted=$(remaining)
answer '&No'
waitfor 5 eval '[ -n "$(remaining)" ] && [ "$(remaining)" -lt "${counted:-0}" ]'
check "No keeps the window counting down" shown "$(shown_window)"
check "and the count-down goes on" yes \
    "$([ -n "$(remaining)" ] && [ "$(remaining)" -lt "${counted:-0}" ] && echo yes)"
click Button 'Arrêter'
waitfor 5 eval '[ "$(has Button Démarrer)" == yes ]'

# The next start shows every choice again.
stop
start
check "after a restart the window is half transparent" 127 "$(tarnwick_probe "$probe" alpha)"
check "after a restart the iconize button shows #." yes "$(has Button '#.')"
check "after a restart the window speaks French" yes "$(has Button 'Démarrer')"
open_menu
check "after a restart the menu speaks French" "Vue horloge" "$(text_of 0 160)"
check "after a restart the four options stay unchecked" "|||" \
    "$(marks_of 0 130)|$(marks_of 0 100)|$(marks_of 0 136)|$(marks_of 0 135)"
close_menus
open_submenu 3
check "after a restart \"50%\" is marked" 650 "$(radio_of 1)"
keys Left Down Right
check "after a restart French is marked" 5 "$(radio_of 1)"
keys Left Up Up Right
check "after a restart the skin is marked" 28200 "$(radio_of 1)"
close_menus
stop

# An opacity off the menu's steps, and a skin changed by the schedule.
wine reg add "$key\\MainWindow\\View" /v Transparency /t REG_DWORD /d 55 /f >/dev/null 2>&1
wine reg add "$key\\MainWindow\\View" /v RandomSkinDay /t REG_DWORD /d 0 /f >/dev/null 2>&1
start
check "a stored opacity of 55 is kept" 140 "$(tarnwick_probe "$probe" alpha)"
open_submenu 3
check "a stored opacity of 55 marks \"0%\"" 600 "$(radio_of 1)"
keys Left Up Right
changed=$(stored_default MainWindow\\Skin)
check "the schedule changed the skin" yes "$([ "$changed" != "Fresh L" ] && echo yes || echo no)"
check "the skin the schedule chose is marked" "$changed" \
    "$(menu | awk -F'|' '$1 == 1 && $4 ~ /CR/ { print $3; exit }')"
check "\"Every Time\" is marked" 29291 "$(keys Down Right; radio_of 2)"
close_menus
stop
check "the program ends with 0" 0 "$TARNWICK_RC"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
