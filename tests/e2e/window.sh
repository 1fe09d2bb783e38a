# Shared by the timer window's whole-program tests: reading the window's
# controls through the probe, clicking them and reading the stored settings.
# Source it after program.sh, with probe set to the probe's path and
# shots_prefix to a screenshot name prefix.

# The child windows that show, as "class|text|left top right bottom", texts
# without the spaces some labels end with; the snapshot instead while one is
# kept, to read several things of one moment.
snapshot=
shown() {
    if [ -n "$snapshot" ]; then
        echo "$snapshot"
    else
        tarnwick_probe "$probe" children | grep -v '|0 0 0 0$' | sed -E 's/( |\xc2\xa0)+\|/|/g'
    fi
}
# The texts of the edit fields that show, row by row, left to right.
fields() { shown | awk -F'|' '$1 == "Edit" { split($3, r, " "); print r[2], r[1], $2 }' |
           sort -n -k1 -k2 | cut -d' ' -f3- | tr '\n' ' ' | sed 's/ $//'; }
# The centres of the edit fields that show, in the same order, one a line.
field_centres() { shown | awk -F'|' '$1 == "Edit" { split($3, r, " ");
                  print r[2], r[1], int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2) }' |
                  sort -n -k1 -k2 | cut -d' ' -f3-; }
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
shot() { import -window root "$shots_prefix$1.png" 2>/dev/null; }
# Empties each shown edit field, left to right, and types the given texts.
type_fields() {
    local at i=0 texts=("$@")
    while read -r at; do
        [ "$i" -lt "${#texts[@]}" ] || break
        click_at $at
        xdotool key End BackSpace BackSpace BackSpace BackSpace type "${texts[$i]}"
        i=$((i + 1))
    done < <(field_centres)
    sleep 0.3
}

# left top right bottom of the window.
bounds() { tarnwick_probe "$probe" rect | cut -d' ' -f1-4; }
# A shown message box: its texts, the centre of one of its buttons, and
# that button pressed once the box shows.
box_text() { tarnwick_probe "$probe" box | awk -F'|' '$1 == "Static" && $2 != "" { print $2 }' | paste -sd' '; }
box_button() { # TEXT
    tarnwick_probe "$probe" box | awk -F'|' -v t="$1" '$1 == "Button" && $2 == t {
        split($3, r, " "); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
# click_when COMMAND...: a click where COMMAND reads a place ("x y"), once it
# reads one. Under load a reading can come back without what it looks for
# (a box without its buttons, a submenu not yet open): it is read again.
click_when() {
    local at i
    for ((i = 0; i < 20; i++)); do
        at=$("$@")
        [ -n "$at" ] && { click_at $at; return 0; }
        sleep 0.5
    done
    return 1
}
answer() { click_when box_button "$1"; } # TEXT: that button of the box pressed once it shows

# The timer's stored settings.
TARNWICK_VIEW='HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow\View'
# stored KEY: the value's data as `wine reg query` prints it, empty when absent.
stored() {
    wine reg query "$TARNWICK_VIEW" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v k="$1" '$1 == k { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}
# store KEY TYPE DATA: writes one value as a user's registry editor would.
store() { wine reg add "$TARNWICK_VIEW" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }

# The window's right-click menu, read by the probe as "depth|id|text|marks|
# left top right bottom" lines (marks: C checked, R radio, D disabled, S
# separator, > submenu; the entry's place on the screen).
menu() { wine "$probe" menu x 2>/dev/null | tr -d '\r'; }
marks_of() { menu | awk -F'|' -v d="$1" -v id="$2" '$1 == d && $2 == id { print $4; exit }'; }
# A right click on the title bar.
open_menu() {
    set -- $(shown | sed -n 2p | awk -F'|' '{ print $3 }') 0 0 0 0
    xdotool mousemove $((($1 + $3) / 2)) $(($2 + 8)) click 3
    waitfor 5 eval '[ -n "$(menu)" ]'
}
# pick DEPTH ENTRY KEY: walks with Down to the entry of the open menu at
# DEPTH whose command or text is ENTRY, counted from what the menu shows,
# and presses KEY there (Return, or Right for a submenu). The window's menu
# opens with nothing selected, a submenu on its first entry; Down passes
# over separators.
pick() {
    local n
    n=$(menu | awk -F'|' -v d="$1" -v e="$2" '$1 == d && $4 !~ /S/ { n++
        if ($2 == e || $3 == e) { print n; exit } }')
    [ -n "$n" ] || return 1
    [ "$1" -eq 0 ] || n=$((n - 1))
    for ((; n > 0; n--)); do xdotool key Down; sleep 0.1; done
    xdotool key "$3"
    sleep 0.5
}
# point DEPTH ENTRY [CLICK]: the pointer to the entry of the open menu at
# DEPTH whose command or text is ENTRY (a submenu opens under it), and a
# click there with CLICK. For menus the keyboard does not reach, such as the
# one of an icon in icewm's tray.
point() {
    local at
    at=$(menu | awk -F'|' -v d="$1" -v e="$2" '$1 == d && $4 !~ /S/ && ($2 == e || $3 == e) {
         split($5, r, " "); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
    [ -n "$at" ] || return 1
    xdotool mousemove $at
    sleep 0.6
    [ -z "${3:-}" ] || { xdotool click 1; sleep 0.5; }
}
# Escape closes one menu level at a time, while one is open; one more would
# reach the window, where it iconizes. Under load a menu takes a moment to
# close, and is asked again while it shows.
close_menus() {
    local i
    for i in 1 2 3 4 5 6; do
        [ -n "$(menu)" ] || break
        xdotool key Escape
        sleep 0.3
    done
    # Keys that do not reach the menu (the desktop kept the keyboard focus):
    # a click on the desktop beside it closes it too.
    [ -z "$(menu)" ] || xdotool mousemove 1270 300 click 1
    sleep 0.3
}
# "topmost iconic" of the window, each 1 or 0.
window_state() { tarnwick_probe "$probe" state; }
