# Shared by the timer window's whole-program tests: reading the window's
# controls through the probe, clicking them and reading the stored settings.
# Source it after program.sh, with probe set to the probe's path and
# shots_prefix to a screenshot name prefix.

# The child windows that show, as "class|text|left top right bottom"; the
# snapshot instead while one is kept, to read several things of one moment.
snapshot=
shown() {
    if [ -n "$snapshot" ]; then
        echo "$snapshot"
    else
        tarnwick_probe "$probe" children | grep -v '|0 0 0 0$'
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

# The timer's stored settings.
TARNWICK_VIEW='HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow\View'
# stored KEY: the value's data as `wine reg query` prints it, empty when absent.
stored() {
    wine reg query "$TARNWICK_VIEW" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v k="$1" '$1 == k { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}
# store KEY TYPE DATA: writes one value as a user's registry editor would.
store() { wine reg add "$TARNWICK_VIEW" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }
