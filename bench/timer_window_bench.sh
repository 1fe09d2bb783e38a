#!/usr/bin/env bash
# The whole timer program under Wine beside a bare Win32 program that shows
# one window, and a bare one that creates the timer window's native children
# (counted from the running timer window), in one run on one virtual display:
#   1. process start to the window shown and painted (medians of RUNS), and
#      the timer program's own start-up trace, phase by phase;
#   2. private memory of the running program (its anonymous pages as Linux
#      counts them for the Wine process; Wine reports no private usage of
#      another process);
#   3. processor time of 60 seconds of a count-down with the window shown,
#      the program's own and the wineserver's on its behalf, beside the bare
#      programs counting down once a second;
#   4. how late "It's Time!" is painted after the target, over 20 runs.
# Build first: cmake --build --preset windows --target Tarnwick e2e_probe
# bare_window bare_children program_bench. Never part of the tests.
#   bench/timer_window_bench.sh [RUNS]   (default 10)
set -u
cd "$(dirname "$0")/.."
runs=${1:-10}
build=$PWD/build/windows
source tools/wine-env.sh
source tests/e2e/program.sh
export WINEPREFIX=$build/bench-wineprefix
tarnwick_prefix_init "$WINEPREFIX"
tarnwick_display_start
tarnwick_wineserver_start "$WINEPREFIX"
# A desktop session loads an X resource database (xrdb, from
# /etc/X11/Xresources); a bare virtual display has none, and then every
# device context Wine hands out looks for ~/.Xdefaults on disk again, a cost
# no user's desktop has. Set once the prefix's desktop holds the display, so
# that the display keeps it.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t96')"
trap 'kill "$TARNWICK_PID" 2>/dev/null; tarnwick_wineserver_stop "$WINEPREFIX"; tarnwick_display_stop' EXIT
exe=$build/src/Tarnwick.exe bare=$build/bench/bare_window.exe bench=$build/bench/program_bench.exe
children=$build/bench/bare_children.exe
probe=$build/tests/e2e_probe.exe shots_prefix=$build/bench_
source tests/e2e/window.sh

# Processor time of one process, all its threads, in milliseconds (the
# scheduler's own count, finer than the clock ticks of /proc/PID/stat).
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s / 1000000 }'; }
# The Linux process of a program of this prefix, by its file name (other
# prefixes may run the same program).
unix_pid() {
    local pid
    for pid in $(pgrep ${2:--f} "$1"); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
# Private memory as Windows counts a process's private bytes: the pages the
# process allocated or wrote, which Linux counts as anonymous (copies of file
# pages that were written included).
private_kib() { awk '/^Anonymous:/ { print $2 }' "/proc/$1/smaps_rollup"; }
# Linux counts as private also the pages of files that only this process
# maps (its executable, comctl32 version 6), read ahead or not; a second
# process mapping them would share them, and Windows counts image pages
# apart from private bytes.
with_files_kib() { awk '/^Private_(Clean|Dirty):/ { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }
memory() { echo "$(private_kib "$1") KiB ($(with_files_kib "$1") KiB with file pages only it maps)"; }

# The timer window's native children, by kind, all and shown: the bare
# program with children makes the same.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow' /f >/dev/null 2>&1
tarnwick_start /dev/null "$exe" -startup
tarnwick_probe "$probe" wait 30000 >/dev/null
# The windows of collapsed boxes are made just after the first paint.
sleep 1
counts=$(wine "$bench" children "$TARNWICK_TITLE" 2>/dev/null | tr -d '\r')
click Button '#X'
tarnwick_wait_exit 30
echo "== the timer window's children (own class, buttons, combo boxes, edit fields; all and shown): $counts"

echo "== start to the window shown and painted, $runs runs each"
# One start of each program in turn, so that a machine that speeds up or
# slows down during the run weighs on the three alike.
: >"$build/bench_starts.txt"
for ((run = 1; run <= runs; run++)); do
    for program in bare children timer; do
        case $program in
        bare) args=("Bare Window" "$(winepath -w "$bare")") ;;
        children)
            # shellcheck disable=SC2206 # the counts are separate arguments
            args=("Bare Children" "$(winepath -w "$children")" $counts) ;;
        timer)
            wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow' /f >/dev/null 2>&1
            args=("$TARNWICK_TITLE" "$(winepath -w "$exe")" -startup) ;;
        esac
        wine "$bench" start 1 "${args[@]}" 2>/dev/null | tr -d '\r' |
            awk -v p="$program" '/^median/ { print p, $4, $8 }' >>"$build/bench_starts.txt"
    done
done
median_of() { # PROGRAM COLUMN
    awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$build/bench_starts.txt" | sort -n |
        awk '{ v[NR] = $1 } END { printf "%.1f", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}
medians() { # PROGRAM
    echo "median: shown after $(median_of "$1" 2) ms, painted after $(median_of "$1" 3) ms"
}
echo "bare Win32 program:"
medians bare
echo "bare Win32 program with the timer window's children:"
medians children
echo "Tarnwick.exe:"
medians timer
echo "Tarnwick.exe's start-up trace, one more start:"
trace=$build/bench_trace.txt
rm -f "$trace"
TARNWICK_TRACE=$(winepath -w "$trace") wine "$bench" start 1 "$TARNWICK_TITLE" \
    "$(winepath -w "$exe")" -startup >/dev/null 2>&1
cat "$trace"

echo "== private memory while running, 3 s after the window shows"
TARNWICK_TITLE="Bare Window" tarnwick_start /dev/null "$bare"
TARNWICK_TITLE="Bare Window" tarnwick_probe "$probe" wait 30000 >/dev/null
sleep 3
bare_pid=$(unix_pid bare_window.exe)
echo "bare Win32 program: $(memory "$bare_pid")"
# The bare program counts down once a second too, repainting the labels the
# timer window repaints (the remaining time and the action's name, each with
# its outline): its processor time is the floor of a count-down window under
# Wine.
xdotool mousemove 5 5
own=$(cpu_ms "$bare_pid")
sleep 60
bare_ms=$(($(cpu_ms "$bare_pid") - own))
TARNWICK_TITLE="Bare Window" tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 20

# shellcheck disable=SC2086 # the counts are separate arguments
TARNWICK_TITLE="Bare Children" tarnwick_start /dev/null "$children" $counts
TARNWICK_TITLE="Bare Children" tarnwick_probe "$probe" wait 30000 >/dev/null
sleep 3
children_pid=$(unix_pid bare_children.exe)
echo "bare Win32 program with the timer window's children: $(memory "$children_pid")"
xdotool mousemove 5 5
own=$(cpu_ms "$children_pid")
sleep 60
children_ms=$(($(cpu_ms "$children_pid") - own))
TARNWICK_TITLE="Bare Children" tarnwick_probe "$probe" close >/dev/null
tarnwick_wait_exit 20

# The timer from a known state: After 0:1:5, the Timer View. The minute
# measured below ends before "It's Time!" (whose sound is not the count-down's
# cost), and the meter's bar still moves every second.
wine reg delete 'HKCU\Software\Vexa\Vexa Tarnwick\SaveData\MainWindow' /f >/dev/null 2>&1
store AfterMin REG_SZ 1
store AfterSec REG_SZ 5
tarnwick_start /dev/null "$exe" -startup
tarnwick_probe "$probe" wait 30000 >/dev/null
sleep 3
pid=$(unix_pid Tarnwick.exe)
echo "Tarnwick.exe: $(memory "$pid")"

echo "== processor time of a 60-second count-down with the window shown"
# The prefix's wineserver works in a folder named after the prefix's device
# and inode.
server_dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
server=
for candidate in $(pgrep -x wineserver64) $(pgrep -x wineserver); do
    [ "$(basename "$(readlink "/proc/$candidate/cwd")")" == "$server_dir" ] && server=$candidate
done
click Button Start
# Off the window, as while working in another one: Wine polls the pointer
# every 400 ms while it rests on a window that tracks the mouse leaving.
xdotool mousemove 5 5
sleep 0.5
own=$(cpu_ms "$pid") served=$(cpu_ms "$server")
sleep 60
own=$(($(cpu_ms "$pid") - own)) served=$(($(cpu_ms "$server") - served))
awk -v o="$own" -v s="$served" -v b="$bare_ms" -v c="$children_ms" 'BEGIN {
    printf "bare Win32 program counting down: %d ms in 60 s, %.3f %% of one core\n", b, b / 600
    printf "bare Win32 program with the children counting down: %d ms in 60 s, %.3f %% of one core\n", c, c / 600
    printf "Tarnwick.exe: %d ms in 60 s, %.3f %% of one core\n", o, o / 600
    printf "wineserver (all its clients): %d ms in 60 s, %.3f %% of one core\n", s, s / 600 }'
shot counting
click Button Stop
waitfor 10 eval '[ "$(has Button Start)" == yes ]'

echo "== \"It's Time!\" painted after the target, 20 runs of a 2-second count-down"
type_fields 0 0 2
late=()
for ((i = 0; i < 20; i++)); do
    xdotool key Return
    late+=("$(wine "$bench" itstime "$TARNWICK_TITLE" 2>/dev/null | tr -d '\r')")
    xdotool key Return
    waitfor 10 eval '[ "$(has Button Start)" == yes ]'
done
printf '%s\n' "${late[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    printf "lateness in ms: median %d, fastest %d, slowest %d (all:", v[int((NR + 1) / 2)], v[1], v[NR]
    for (i = 1; i <= NR; i++) printf " %d", v[i]
    print ")" }'
click Button '#X'
tarnwick_wait_exit 30
