#!/usr/bin/env bash
# The timer window as a new user meets it, on a desktop like a user's: the
# time typed with real keys shows exactly as the same time set by the
# program; in each language chosen from the running program's menu every
# control that shows lies inside the window, with the action box closed and
# open, and the bottom bar stays at the window's bottom when the action box
# opens and closes and when the grip grows the window; and the keyboard
# alone chooses At, reaches the fields and starts and stops a count-down.
#   fitting.sh Tarnwick.exe WINEPREFIX e2e_probe.exe BUILD_DIR
set -u
exe=$1 probe=$3 shots_prefix=$4/e2e_fitting_
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
tarnwick_scenario "$2" desktop
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1

keys() { local k; for k in "$@"; do xdotool key "$k"; sleep 0.15; done; sleep 0.3; }
# The focused control as "selection|class|text|rect" (selection of a field only).
focused() { tarnwick_probe "$probe" focus | sed -E 's/( |\xc2\xa0)+\|/|/g'; }
focused_text() { focused | cut -d'|' -f2-3; }
# A click on the window's empty corner beside the title gives it the
# desktop's focus without touching a control.
focus_window() { set -- $(bounds); click_at $(($1 + 40)) $(($2 + 4)); }
# The controls that show but reach out of the window.
outside() {
    set -- $(bounds)
    shown | sed 1d | awk -F'|' -v l="$1" -v t="$2" -v r="$3" -v b="$4" '{ split($3, c, " ")
        if (c[1] < l || c[2] < t || c[3] > r || c[4] > b) print $1 "|" $2 }' | tr '\n' ' '
}
# How far the grip's corner is from the window's bottom-right corner.
grip_gap() {
    local w
    w=($(bounds))
    shown | awk -F'|' -v r="${w[2]}" -v b="${w[3]}" '$2 == "#Resizer" { split($3, c, " ")
        print r - c[3], b - c[4]; exit }'
}
height() { set -- $(bounds); echo $(($4 - $2)); }
width() { set -- $(bounds); echo $(($3 - $1)); }
# The action box's arrow: the last button with an arrow glyph.
toggle_action_box() {
    click_at $(shown | awk -F'|' '$1 == "Button" && ($2 == "#Down" || $2 == "#Up") {
        split($3, c, " "); at = int((c[1] + c[3]) / 2) " " int((c[2] + c[4]) / 2) } END { print at }')
    sleep 0.5
}
# language INDEX: chosen from the Language submenu (Up from nothing selects
# the last entry, Iconize; three more reach Language), the submenu opening on
# its first entry.
language() {
    focus_window
    open_menu
    keys Up Up Up Right
    local n
    for ((n = 0; n < $1; n++)); do xdotool key Down; sleep 0.1; done
    keys Return
    sleep 0.7
}
# crop NAME: the time fields of the row that shows, as one image.
crop() {
    local r
    r=($(shown | awk -F'|' '$1 == "Edit" { split($3, c, " ")
        if (l == "" || c[1] < l) l = c[1]; if (c[3] > r) r = c[3]; t = c[2]; b = c[4] }
        END { print l, t, r, b }'))
    import -window root -crop $((r[2] - r[0]))x$((r[3] - r[1]))+${r[0]}+${r[1]} \
        "$shots_prefix$1.png" 2>/dev/null
}
ups() { shown | awk -F'|' '$1 == "Button" && $2 == "#Up" { split($3, c, " ")
        if (c[3] > c[1]) print int((c[1] + c[3]) / 2), int((c[2] + c[4]) / 2) }'; }

tarnwick_start "$log" "$exe"
tarnwick_probe "$probe" wait 30000 >/dev/null
sleep 1
focus_window

# --- Typed digits show as the program shows them.
type_fields 12 31 44
[ "$(fields)" == "12 31 44" ] || type_fields 12 31 44
keys Tab
check "the typed time is held" "12 31 44" "$(fields)"
crop typed
type_fields 11 30 43
while read -r at; do click_at $at; done < <(ups)
check "the Up buttons set the same time" "12 31 44" "$(fields)"
crop set
check "the typed fields show what the set fields show" 0 \
    "$(compare -metric AE "${shots_prefix}typed.png" "${shots_prefix}set.png" null: 2>&1)"

# --- Each language, the action box closed and open.
closed_height=$(height)
for entry in "20 german" "11 russian" "29 finnish" "10 persian" "7 japanese" "5 french" \
    "0 english"; do
    set -- $entry
    language "$1"
    shot "$2-closed"
    check "$2, action box closed: every control inside the window" "" "$(outside)"
    check "$2, action box closed: the grip in the corner" "2 2" "$(grip_gap)"
    toggle_action_box
    shot "$2-open"
    check "$2, action box open: every control inside the window" "" "$(outside)"
    check "$2, action box open: the grip in the corner" "2 2" "$(grip_gap)"
    toggle_action_box
done
check "the closed action box leaves the window as high as before" "$closed_height" "$(height)"

# --- The grip grows the window and its content follows.
before_width=$(width)
set -- $(centre Button '#Resizer')
xdotool mousemove "$1" "$2" mousedown 1 sleep 0.3 mousemove $(($1 + 40)) $(($2 + 30)) \
    sleep 0.3 mousemove $(($1 + 80)) $(($2 + 60)) sleep 0.3 mouseup 1
sleep 0.5
shot grown
check "the grip grows the window" "80 60" "$(($(width) - before_width)) $(($(height) - closed_height))"
check "grown: the grip in the corner" "2 2" "$(grip_gap)"
check "grown: every control inside the window" "" "$(outside)"
language 20
check "a language change keeps the width the user chose" $((before_width + 80)) "$(width)"
check "and gives the window its minimum height again" "$closed_height" "$(height)"
language 0

# --- The keyboard alone: At, a time, the action box, start, stop.
focus_window
keys Tab
check "Tab starts at the checked radio button" "Button|After" "$(focused_text)"
keys Left
check "Left checks At, and its row shows" "Button|At yes" \
    "$(focused_text) $(shown | grep -q '^ComboBox|' && echo yes)"
keys Tab Tab
check "Tab passes the AM/PM list to the hour field, its text selected" "0 1|Edit" \
    "$(focused | cut -d'|' -f1-2)"
xdotool type 11
keys Tab
xdotool type 45
keys Tab Tab
check "typed over the selected texts" "11 45 0" "$(fields)"
check "Tab reaches the Action button after the fields" "Button|Action" "$(focused_text)"
keys space
check "Space opens the action box" yes "$(shown | grep -q '^Button| *Browse|' && echo yes)"
walk=
for ((i = 0; i < 13; i++)); do
    keys Tab
    walk+="$(focused | awk -F'|' '{ sub(/^ +/, "", $3); print ($2 == "Button" ? $2 "|" $3 : $2) }') "
done
check "Tab walks the shown controls in reading order, round to the Action button" \
    "Button|Start Button|At ComboBox Edit Edit Edit ComboBox Button|Test Edit Button|Browse Button|Repeat ComboBox Button|Action " \
    "$walk"
shot keyboard
keys Tab space
waitfor 5 eval '[ "$(has Button Stop)" == yes ]'
check "Space on Start starts the count-down" yes "$(has Button Stop)"
keys space
waitfor 5 eval '[ "$(has Button Start)" == yes ]'
check "Space again stops it" yes "$(has Button Start)"

tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 30
summary
