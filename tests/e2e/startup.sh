#!/usr/bin/env bash
# The whole program under Wine: a start without arguments runs the first-start
# step, a start with one skips it, and both walk start-up, show the window
# and, once it is closed, walk tear-down in order and end with exit code 0.
# A first start on a German system speaks German and marks it in the
# language menu.
#   startup.sh Tarnwick.exe WINEPREFIX e2e_probe.exe [BUILD_DIR]
set -u
exe=$1
probe=$3 shots_prefix=/dev/null/
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/program.sh"
source "$(dirname "${BASH_SOURCE[0]}")/window.sh"
locales=$(mktemp -d)
TARNWICK_UNDO='rm -rf "$locales"'
tarnwick_scenario "$2"
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1

steps() { grep -E '^(start-up|tear-down) ' | sed -E 's/^(s)tart-up ([0-9]+):.*/\1\2/; s/^(t)ear-down ([0-9]+):.*/\1\2/' | tr '\n' ' ' | sed 's/ $//'; }

tarnwick_run_and_close "$log" "$probe" "$exe"
out=$(tr -d '\r' <"$log"); rc=$TARNWICK_RC
check "plain start exits with 0" 0 "$rc"
check "plain start walks every step" "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 t1 t2 t3 t4" "$(steps <<<"$out")"
check "plain start runs the first-start step" "start-up 7: first-start step run" "$(grep '^start-up 7' <<<"$out")"
check "the language pack is compiled in" "" "$(grep '^localizer: no language pack' <<<"$out")"

tarnwick_run_and_close "$log" "$probe" "$exe" -startup
out=$(tr -d '\r' <"$log"); rc=$TARNWICK_RC
check "start with an argument exits with 0" 0 "$rc"
check "start with an argument walks every step" "s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 t1 t2 t3 t4" "$(steps <<<"$out")"
check "start with an argument skips the first-start step" \
    "start-up 7: arguments given, first-start step skipped" "$(grep '^start-up 7' <<<"$out")"

# A German system: the locale is built for this run, beside it.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick' /f >/dev/null 2>&1
localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" 2>/dev/null
export LOCPATH=$locales LC_ALL=de_DE.UTF-8
tarnwick_start "$log" "$exe" -startup
unset LOCPATH LC_ALL
tarnwick_probe "$probe" wait 30000 >/dev/null
waitfor 10 eval '[ "$(has Button "#X")" == yes ]'
check "a first start on a German system speaks German" "yes yes" "$(has Button Um) $(has Button Nach)"
# Up from nothing selects the menu's last entry, "Iconize"; two more reach
# the language submenu.
open_menu
for k in Up Up Up Right; do xdotool key "$k"; sleep 0.15; done
waitfor 5 eval 'menu | grep -q "^1|"'
check "German is marked in the language menu" "Deutsch (Partial)" \
    "$(menu | awk -F'|' '$1 == 1 && $4 ~ /CR/ { print $3; exit }')"
close_menus
tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 60
check "the German start exits with 0" 0 "$TARNWICK_RC"
summary
