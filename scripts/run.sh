#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine with the simulated mouse, from a fresh
# copy of the install folder (build/windows/run). With a display the program stays in the tray
# (its window is opened once); without one, Xvfb is started, the window is opened from the
# tray, a screenshot is saved and its path printed, and the program is ended again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-tools.sh
source scripts/wine-env.sh

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$corvanti_jobs" --target install_folder probe

headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    headless=1
    trap 'corvanti_stop_wine; corvanti_stop_display' EXIT
fi
corvanti_start_display
corvanti_start_wine

run_dir="$PWD/build/windows/run"
probe="$PWD/build/windows/tests/e2e/probe.exe"
rm -rf "$run_dir"
cp -r build/windows/install "$run_dir"
WINEDEBUG=-all,warn+seh wine "$run_dir/Corvanti-Tarn.exe" \
    "--simulated-mouse=$run_dir/mouse-state.txt" "--traffic=$run_dir/traffic.log" \
    >"$run_dir/trace.log" 2>&1 &
program_pid=$!

# Waits (at most 60 s) until the main window exists, then opens it as a tray click would.
for _ in $(seq 1 120); do
    if wine "$probe" windows CorvantiTarnGMClass 2>/dev/null | grep -q "^window="; then
        break
    fi
    sleep 0.5
done
wine "$probe" open-from-tray CorvantiTarnGMClass >/dev/null 2>&1 || true

if [ "$headless" -eq 1 ]; then
    for _ in $(seq 1 40); do
        if wine "$probe" windows CorvantiTarnGMClass 2>/dev/null | grep -q "visible=1"; then
            break
        fi
        sleep 0.5
    done
    screenshot="$PWD/build/windows/run/screenshot.png"
    import -window root "$screenshot"
    wine "$probe" exit CorvantiTarnGMClass >/dev/null 2>&1 || true
    wait "$program_pid" || true
    echo "$screenshot"
else
    echo "Corvanti-Tarn runs in the tray (process $program_pid); traces in $run_dir/trace.log"
fi
