#!/usr/bin/env bash
# Wine set-up shared by the scripts: a prefix inside the build tree, no debug noise, and one
# wineserver kept alive for the whole run (every Wine start without one costs seconds).
corvanti_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$corvanti_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

corvanti_start_wine() {
    mkdir -p "$WINEPREFIX"
    corvanti_start_persistent_wineserver
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing the Wine prefix (first time only)..."
        wineboot --init >/dev/null 2>&1 || true
    fi
    # Start Wine's own services now, with their output going nowhere: started later by a test,
    # they would inherit the test runner's pipes and keep it waiting after the test ended.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# A server that a plain wine call started ends with its last client, and "wineserver -p" cannot
# take over from it (it just fails while one runs). Without a persistent server every test
# starts its own, and a test started while the previous one's server is going away fails
# before it runs. So: replace whatever runs with a persistent server, and say so loudly when
# that fails, since the tests then run slowly and may fail at random.
corvanti_start_persistent_wineserver() {
    if wineserver -p >/dev/null 2>&1; then
        return
    fi
    wineserver -k >/dev/null 2>&1 || true
    timeout 60 wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 || {
        echo "WARNING: no persistent wineserver for $WINEPREFIX; Wine tests may fail at start" >&2
    }
}

corvanti_stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display when there is no display, and stops it when the script ends.
corvanti_start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local display_number=99
    while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$((display_number + 1)); done
    Xvfb ":${display_number}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    corvanti_xvfb_pid=$!
    export DISPLAY=":${display_number}"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.1
    done
}

corvanti_stop_display() {
    if [ -n "${corvanti_xvfb_pid:-}" ]; then
        kill "$corvanti_xvfb_pid" 2>/dev/null || true
        wait "$corvanti_xvfb_pid" 2>/dev/null || true
    fi
}
