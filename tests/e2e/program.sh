# Shared by the whole-program tests: starting Tarnwick.exe in the
# background, finding its window and closing it as a user would. Source it
# after tools/wine-env.sh, with WINEPREFIX and DISPLAY set.

# The start of the timer window's title.
TARNWICK_TITLE="Vexa Tarnwick"

# check NAME EXPECTED ACTUAL: one check of a scenario, counted in checks
# and failures.
failures=0 checks=0
check() {
    checks=$((checks + 1))
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
# summary: the counts; fails when a check failed.
summary() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# waitfor SECONDS COMMAND...: until the command succeeds.
waitfor() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

# tarnwick_scenario WINEPREFIX [desktop]: the start every scenario shares:
# the virtual display, the prefix and its server, and a log file in log.
# With "desktop" the scenario gets a display of its own with a desktop like
# a user's (tarnwick_desktop_start) and a prefix of its own, whose server
# ends with it: Wine's desktop process, which keeps the tray icons, stays
# bound to the display it was started on. On exit the started program is
# ended, the scenario's own undoing run (TARNWICK_UNDO, a command line, when
# set), the display stopped and the log removed.
tarnwick_scenario() {
    export WINEPREFIX=$1
    TARNWICK_OWN_DESKTOP=${2:-}
    if [ -n "$TARNWICK_OWN_DESKTOP" ]; then
        unset DISPLAY
        tarnwick_display_start
        tarnwick_desktop_start
        tarnwick_prefix_init "$WINEPREFIX"
        tarnwick_wineserver_start "$WINEPREFIX"
    else
        tarnwick_prefix_init "$WINEPREFIX"
        tarnwick_wineserver_start "$WINEPREFIX"
        tarnwick_display_start
    fi
    log=$(mktemp)
    trap 'kill "${TARNWICK_PID:-}" 2>/dev/null; eval "${TARNWICK_UNDO:-}"
          [ -z "$TARNWICK_OWN_DESKTOP" ] || tarnwick_wineserver_stop "$WINEPREFIX"
          tarnwick_desktop_stop; tarnwick_display_stop; rm -f "$log"' EXIT
}

# tarnwick_start OUT EXE ARGS...: starts the program with its log in OUT and
# sets TARNWICK_PID.
tarnwick_start() {
    local out=$1
    shift
    wine "$@" >"$out" 2>/dev/null </dev/null &
    TARNWICK_PID=$!
}

# tarnwick_probe PROBE COMMAND [MS]: the probe's answer for the timer window.
tarnwick_probe() {
    wine "$1" "$2" "$TARNWICK_TITLE" "${3:-0}" 2>/dev/null | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# tarnwick_wait_exit SECONDS: waits for the started program to end and sets
# TARNWICK_RC (124 when it did not end in time; it is then killed).
tarnwick_wait_exit() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        if ! kill -0 "$TARNWICK_PID" 2>/dev/null; then
            wait "$TARNWICK_PID"
            TARNWICK_RC=$?
            return 0
        fi
        sleep 0.1
    done
    kill "$TARNWICK_PID" 2>/dev/null
    wait "$TARNWICK_PID" 2>/dev/null
    TARNWICK_RC=124
}

# tarnwick_run_and_close OUT PROBE EXE ARGS...: starts the program, waits
# for its window, closes it and waits for the program to end. Sets
# TARNWICK_SHOWN to yes when the window showed.
tarnwick_run_and_close() {
    local out=$1 probe=$2
    shift 2
    tarnwick_start "$out" "$@"
    TARNWICK_SHOWN=no
    if tarnwick_probe "$probe" wait 30000 >/dev/null; then
        TARNWICK_SHOWN=yes
        tarnwick_probe "$probe" close >/dev/null
    fi
    tarnwick_wait_exit 60
}
