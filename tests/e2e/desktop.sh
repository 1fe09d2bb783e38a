#!/usr/bin/env bash
# The window handled with the mouse on a desktop like a user's (icewm, with
# its taskbar and system tray): dragged from the title and from an empty
# spot it moves by the drag, pressed on a button, a field or a combo box it
# stays; its left and bottom edges resize it, never below its minimum; a
# double click opens and closes the action box and leaves the Clock View,
# and does nothing with "Double-Click Transform" off. Iconized, it shows the
# program's own icon in the tray, pixel for pixel, and a click on it brings
# the window back; after the shell forgot the icon and announced a new
# taskbar, the icon is there again. Closing ends the process at once.
# Without a taskbar button, the icon stays in the tray while the window
# shows: a first start has no recent timer; an At and an After count-down
# started from the entry are listed under "Recent" in the tray menu, newest
# first, and stored; while the After one counts, the icon wears a ring that
# grows, the plain icon with "Show Progress in Tray Icon" off; after Stop
# the icon is the program's own again; the At timer chosen under "Recent"
# sets the entry, counts down and moves to the top.
#   desktop.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_desktop_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
tarnwick_scenario "$2" desktop
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1

# drag X Y DX DY: the left button pressed at X Y, moved by DX DY in steps
# as a hand moves it, let go.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.2
    local i
    for i in 1 2 3 4; do
        xdotool mousemove $(($1 + $3 * i / 4)) $(($2 + $4 * i / 4))
        sleep 0.1
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}
# moved_by BEFORE AFTER: "dx dy width-change height-change".
moved_by() {
    set -- $1 $2
    echo "$(($5 - $1)) $(($6 - $2)) $(($7 - $5 - $3 + $1)) $(($8 - $6 - $4 + $2))"
}
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep 0.8; }
# An empty spot: left of the At and After radio buttons, in the Timer View.
empty_spot() { set -- $(bounds); echo $(($1 + 20)) $(($2 + 30)); }

# The tray: the icon docked into icewm's tray, as "X Y" of its slot's
# top-left corner, nothing when there is none.
tray_slot() {
    xwininfo -root -tree 2>/dev/null | awk '/"YXTrayEmbedder"/ { at = $NF; getline
        if ($0 ~ /1 child/) { split(substr(at, 2), p, "+"); print p[1], p[2]; exit } }'
}
# The program's tray icon compared with its icon group drawn by the
# platform at 16 pixels over the tray's colour: "same" when fewer pixels
# differ than a third of those the icon covers (the tray's embedding may
# leave a trace of an earlier drawing at the slot's edge; a blank or another
# icon differs in far more), else the count; "none" without an icon in the
# tray.
tray_icon_difference() {
    local slot shot=${shots_prefix}tray.png bg differ covered
    slot=$(tray_slot)
    [ -n "$slot" ] || { echo none; return; }
    set -- $slot
    import -window root "$shot"
    # The slot is 24 pixels square with the 16-pixel icon in its middle; its
    # commonest colour is the tray's, whatever the desktop draws at its edge.
    bg=$(convert "$shot" -crop "24x24+$1+$2" +repage -format %c histogram:info: |
         sort -rn | head -n 1 | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#')
    wine "$probe" icon "$(winepath -w "$exe")" 16 "$bg" 2>/dev/null | tr -d '\r' >"$log.ppm"
    convert "$shot" -crop "16x16+$(($1 + 4))+$(($2 + 4))" +repage "$log.tray.png"
    convert "$log.ppm" -fill "#$bg" -colorize 100 "$log.blank.png"
    differ=$(compare -metric AE -fuzz 5% "$log.ppm" "$log.tray.png" null: 2>&1)
    covered=$(compare -metric AE -fuzz 5% "$log.ppm" "$log.blank.png" null: 2>&1)
    # Kept for a look when they differ.
    cp "$log.ppm" "${shots_prefix}tray-expected.ppm"
    cp "$log.tray.png" "${shots_prefix}tray-seen.png"
    if [ $((differ * 3)) -lt "$covered" ]; then echo same; else echo "$differ of $covered"; fi
}
# The tray draws an icon a moment after it docks its slot.
icon_drawn() { waitfor 5 eval '[ "$(tray_icon_difference)" == same ]'; }

tarnwick_start "$log" "$exe"
check "the window shows" 0 "$(tarnwick_probe "$probe" wait 30000 >/dev/null; echo $?)"
sleep 1
shot start

# Drags in the Timer View: from the title, from an empty spot, over a
# button and over a field.
before=$(bounds)
set -- $(centre OstrelWindowClass "$TARNWICK_TITLE")
drag "$1" "$2" 60 40
check "a drag from the title moves the window by the drag" "60 40 0 0" "$(moved_by "$before" "$(bounds)")"
before=$(bounds)
set -- $(empty_spot)
drag "$1" "$2" -40 -30
check "a drag from an empty spot moves it" "-40 -30 0 0" "$(moved_by "$before" "$(bounds)")"
before=$(bounds)
set -- $(centre Button '#Transform')
drag "$1" "$2" 50 50
check "a drag over a button does not move it" "0 0 0 0" "$(moved_by "$before" "$(bounds)")"
before=$(bounds)
set -- $(field_centres | head -1)
drag "$1" "$2" 50 50
check "a drag over a field does not move it" "0 0 0 0" "$(moved_by "$before" "$(bounds)")"

# The edges: the left one moves the left side only, the bottom one the
# bottom; pushed past the minimum, the window keeps its minimum size, which
# a first start shows.
before=$(bounds)
set -- $before
drag $(($1 + 2)) $((($2 + $4) / 2)) -30 0
check "the left edge widens the window to the left" "-30 0 30 0" "$(moved_by "$before" "$(bounds)")"
set -- $(bounds)
drag $(($1 + 2)) $((($2 + $4) / 2)) 300 0
check "the left edge stops at the minimum width" "0 0 0 0" "$(moved_by "$before" "$(bounds)")"
set -- $(bounds)
drag $((($1 + $3) / 2)) $(($4 - 2)) 0 40
check "the bottom edge heightens the window" "0 0 0 40" "$(moved_by "$before" "$(bounds)")"
set -- $(bounds)
drag $((($1 + $3) / 2)) $(($4 - 2)) 0 -300
check "the bottom edge stops at the minimum height" "0 0 0 0" "$(moved_by "$before" "$(bounds)")"
shot dragged

# A double click on an empty spot opens the action box; its combo box keeps
# its presses; another double click closes the box.
double_click $(empty_spot)
check "a double click opens the action box" yes "$(has ComboBox 'Play Sound')"
before=$(bounds)
set -- $(centre ComboBox 'Play Sound')
drag "$1" "$2" 50 50
# A click on an empty spot closes its list when it stayed open (Escape
# would iconize the window when it did not).
xdotool mousemove $(empty_spot) click 1
sleep 0.3
check "a drag over a combo box does not move the window" "0 0 0 0" "$(moved_by "$before" "$(bounds)")"
double_click $(empty_spot)
check "another double click closes it" no "$(has ComboBox 'Play Sound')"

# The Clock View moves the same way, and a double click leaves it.
click Button '#Transform'
check "the transform button shows the Clock View" no "$(has Button '#Up')"
before=$(bounds)
set -- $before
drag $((($1 + $3) / 2)) $((($2 + $4) / 2 + 8)) -50 20
check "a drag in the Clock View moves the window" "-50 20 0 0" "$(moved_by "$before" "$(bounds)")"
set -- $(bounds)
double_click $((($1 + $3) / 2)) $((($2 + $4) / 2 + 8))
check "a double click returns to the Timer View" yes "$(has Button '#Up')"

# Iconized with a middle click (the first start's choice), the window waits
# in the tray under the program's own icon; a click on it brings it back.
xdotool mousemove $(empty_spot) click 2
waitfor 5 eval '[ -n "$(tray_slot)" ]'
icon_drawn
check "iconized, the window is hidden" 1 "$(tarnwick_probe "$probe" rect >/dev/null; echo $?)"
check "the tray icon is the program's icon" same "$(tray_icon_difference)"
set -- $(tray_slot)
xdotool mousemove $(($1 + 12)) $(($2 + 12)) click 1
check "a click on the tray icon restores the window" 0 \
    "$(tarnwick_probe "$probe" wait 5000 >/dev/null; echo $?)"

# A shell that starts anew knows no icons and says so with "TaskbarCreated".
xdotool mousemove $(empty_spot) click 2
waitfor 5 eval '[ -n "$(tray_slot)" ]'
wine "$probe" trayforget "$TARNWICK_TITLE" >/dev/null 2>&1
waitfor 5 eval '[ -z "$(tray_slot)" ]'
check "the shell forgot the icon" none "$(tray_icon_difference)"
wine "$probe" broadcast TaskbarCreated >/dev/null 2>&1
waitfor 5 eval '[ -n "$(tray_slot)" ]'
icon_drawn
check "after TaskbarCreated the icon is back" same "$(tray_icon_difference)"
set -- $(tray_slot)
xdotool mousemove $(($1 + 12)) $(($2 + 12)) click 1
tarnwick_probe "$probe" wait 5000 >/dev/null

# Closing: the process ends at once on this desktop (the time is printed
# for the record, not checked).
closed_at=$(date +%s%N)
tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 30
echo "the process ended $((($(date +%s%N) - closed_at) / 1000000)) ms after the close"
check "closing ends the program" 0 "$TARNWICK_RC"

# With "Double-Click Transform" off a double click changes nothing.
store DoubleClickExpansion REG_DWORD 0
tarnwick_start "$log" "$exe"
tarnwick_probe "$probe" wait 30000 >/dev/null
sleep 1
before=$(bounds)
double_click $(empty_spot)
check "with the option off a double click keeps the action box closed" no \
    "$(has ComboBox 'Play Sound')"
check "and the window as it was" "$before" "$(bounds)"
tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 30

# tray_menu: the icon's menu, opened by a right click. The keyboard does not
# reach a menu opened from icewm's tray; the pointer does (point).
tray_menu() {
    set -- $(tray_slot)
    xdotool mousemove $(($1 + 12)) $(($2 + 12))
    sleep 0.3
    xdotool click 3
    waitfor 5 eval 'menu | grep -q "|990|"'
}
# A click on the desktop closes the open menus.
close_tray_menu() { xdotool mousemove 5 500 click 1; waitfor 5 eval '[ -z "$(menu)" ]'; }
# "command:text" of the entries of the open menu at depth, marks after a "/".
entries() { menu | awk -F'|' -v d="$1" '$1 == d && $4 !~ /S/ { printf "%s%s:%s/%s", n++ ? " " : "", $2, $3, $4 }'; }
tray_crop() { set -- $(tray_slot) "$1"; import -window root -crop "16x16+$(($1 + 4))+$(($2 + 4))" +repage "$3"; }
not_plain() { local d; d=$(tray_icon_difference); [ "$d" != same ] && [ "$d" != none ] && echo yes || echo "$d"; }

store ShowTaskBarButton REG_DWORD 0
tarnwick_start "$log" "$exe"
tarnwick_probe "$probe" wait 30000 >/dev/null
waitfor 5 eval '[ -n "$(tray_slot)" ]'
icon_drawn
tray_menu
point 0 0
check "a first start has no recent timer, only a greyed entry" "195:/D" "$(entries 1 | sed 's/:[^/]*\//:\//')"
close_tray_menu
click Button At
type_fields 7 30 0
click Button Start
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
click Button Stop
waitfor 5 eval '[ "$(has Button Start)" == yes ]'
click Button After
type_fields 0 0 30
click Button Start
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
check "both starts are stored, newest first" "-after 0:00:30;-at 7:30:00 am" "$(stored RecentTimers)"
waitfor 5 eval '[ "$(not_plain)" == yes ]'
check "while counting the tray icon is not the plain icon" yes "$(not_plain)"
tray_crop "$log.ring1.png"
sleep 3
tray_crop "$log.ring2.png"
check "the ring grows as the time passes" yes \
    "$([ "$(compare -metric AE "$log.ring1.png" "$log.ring2.png" null: 2>&1)" -gt 0 ] && echo yes)"
convert "$log.ring1.png" "$log.ring2.png" -scale 800% +append "${shots_prefix}tray-ring.png"
tray_menu
point 0 199 click
icon_drawn
check "with \"Show Progress in Tray Icon\" off the counting icon is the plain one" same \
    "$(tray_icon_difference)"
check "the option is stored" 0x0 "$(stored TrayProgress)"
tray_menu
point 0 199 click
waitfor 5 eval '[ "$(not_plain)" == yes ]'
check "switched on again the ring is back" yes "$(not_plain)"
tray_menu
point 0 162 click
waitfor 5 eval '[ "$(has Button Start)" == yes ]'
icon_drawn
check "after Stop the tray icon is the program's own again" same "$(tray_icon_difference)"
tray_menu
point 0 0
check "\"Recent\" lists both, newest first" "190:30s/ 191:AM 7:30/" "$(entries 1)"
point 1 191 click
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
shot recent-started
check "the chosen recent timer counts down" yes "$(has Button Stop)"
check "in the mode it was started in" 0x1 "$(stored ModeAt)"
check "and it moved to the top" "-at 7:30:00 am;-after 0:00:30" "$(stored RecentTimers)"
click Button Stop
tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 30
rm -f "$log.ppm" "$log.tray.png" "$log.ring1.png" "$log.ring2.png"
summary
