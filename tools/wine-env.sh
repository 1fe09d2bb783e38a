# Shared by test.sh, run.sh and the CTest wrapper: an isolated Wine prefix,
# a virtual display and the audio capture configuration. Source it.

TARNWICK_TOOLS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Quiet Wine; no Mono or Gecko installer prompts in a fresh prefix.
export WINEDEBUG=-all
# TARNWICK_DLL_OVERRIDES adds a test's own (such as a codec switched off).
export WINEDLLOVERRIDES="mscoree,mshtml=${TARNWICK_DLL_OVERRIDES:+;$TARNWICK_DLL_OVERRIDES}"
# Wave-out output lands in a file instead of a sound card.
export ALSA_CONFIG_PATH="$TARNWICK_TOOLS/alsa-capture.conf"
export TARNWICK_AUDIO_CAPTURE="${TARNWICK_AUDIO_CAPTURE:-/dev/null}"

# Creates the prefix once; concurrent callers wait for the first. With
# TARNWICK_PREFIX_TEMPLATE set (a folder), a new prefix is a copy of a fresh
# one kept there, made once: copying takes a second where wineboot takes ten.
# A prefix holds no path of its own, so the copy works wherever it lands.
tarnwick_prefix_init() {
    local prefix=$1 template=${TARNWICK_PREFIX_TEMPLATE:-}
    if [ -n "$template" ] && [ "$template" != "$prefix" ]; then
        TARNWICK_PREFIX_TEMPLATE= tarnwick_prefix_init "$template"
    else
        template=
    fi
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        [ -f "$prefix/system.reg" ] && exit 0
        if [ -n "$template" ]; then
            # Copied beside it and moved in whole, so a copy cut short is
            # never taken for a prefix.
            rm -rf "$prefix.part"
            cp -a --reflink=auto "$template" "$prefix.part"
            rm -rf "$prefix"
            mv "$prefix.part" "$prefix"
        else
            WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1
            WINEPREFIX="$prefix" wineserver -w
        fi
    ) 9>"$prefix.lock"
}

# A persistent wineserver keeps later Wine starts fast, and Wine's own
# services (services.exe, winedevice.exe) are started here with their
# standard streams redirected: started by a test instead, they would inherit
# its output pipe and CTest would wait for them to close it.
tarnwick_wineserver_start() {
    # Fails harmlessly when a server for the prefix already runs.
    WINEPREFIX="$1" wineserver -p </dev/null >/dev/null 2>&1 || true
    WINEPREFIX="$1" wine wineboot </dev/null >/dev/null 2>&1 || true
}

tarnwick_wineserver_stop() {
    WINEPREFIX="$1" wineserver -k </dev/null >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display when there is none; sets DISPLAY and
# TARNWICK_XVFB_PID.
tarnwick_display_start() {
    TARNWICK_XVFB_PID=
    if [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    # Scenarios start side by side: choosing a free number and the server
    # taking it are one step under a lock. Two that chose at once took the
    # same number; the second server failed on the first one's lock, and its
    # scenario ran on the other's display until that one was stopped.
    exec 7>/tmp/.tarnwick-display.lock
    flock 7
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 7>&- 8>&- 9>&- &
    TARNWICK_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    exec 7>&-
    export DISPLAY=":$n"
}

# For programs run one by one against a persistent wineserver: the server's
# desktop process stays bound to the display it first saw, so every run must
# see the same one. Reuses the virtual display recorded beside the prefix
# while it lives, else starts one that outlives this run, as the server does.
# Sets DISPLAY; does nothing when one is set.
tarnwick_display_shared() {
    if [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local record="$1.display" n pid
    exec 8>"$1.display.lock"
    flock 8
    if [ -f "$record" ]; then
        read -r n pid <"$record"
        if kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            exec 8>&-
            return 0
        fi
    fi
    tarnwick_display_start
    # Detach it from this run: it is the prefix's display from now on.
    disown "$TARNWICK_XVFB_PID" 2>/dev/null || true
    echo "${DISPLAY#:} $TARNWICK_XVFB_PID" >"$record"
    TARNWICK_XVFB_PID=
    exec 8>&-
}

tarnwick_display_stop() {
    if [ -n "${TARNWICK_XVFB_PID:-}" ]; then
        kill "$TARNWICK_XVFB_PID" 2>/dev/null || true
        wait "$TARNWICK_XVFB_PID" 2>/dev/null || true
        TARNWICK_XVFB_PID=
    fi
}

# Starts a desktop like a user's on DISPLAY: the icewm window manager with
# its taskbar and system tray, from the settings in tools/icewm (a copy, as
# icewm may write beside them). Waits until the tray is there; sets
# TARNWICK_DESKTOP_PID.
tarnwick_desktop_start() {
    local config i
    config=$(mktemp -d)
    cp "$TARNWICK_TOOLS/icewm/preferences" "$config/"
    ICEWM_PRIVCFG=$config icewm </dev/null >/dev/null 2>&1 7>&- 8>&- 9>&- &
    TARNWICK_DESKTOP_PID=$!
    TARNWICK_DESKTOP_CONFIG=$config
    for i in $(seq 100); do
        xwininfo -root -tree 2>/dev/null | grep -q '"SystemTray"' && return 0
        sleep 0.1
    done
    return 1
}

tarnwick_desktop_stop() {
    if [ -n "${TARNWICK_DESKTOP_PID:-}" ]; then
        kill "$TARNWICK_DESKTOP_PID" 2>/dev/null || true
        wait "$TARNWICK_DESKTOP_PID" 2>/dev/null || true
        rm -rf "$TARNWICK_DESKTOP_CONFIG"
        TARNWICK_DESKTOP_PID=
    fi
}

# Sets the display scaling of a prefix as a DPI (96 is 100 %, 144 is 150 %):
# Wine reads LogPixels of the user's desktop settings when a program starts.
# Needs the prefix's wineserver.
tarnwick_prefix_dpi() {
    WINEPREFIX="$1" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$2" /f </dev/null >/dev/null 2>&1
}
