#!/usr/bin/env bash
# Builds the benchmarks in both trees and runs each natively and under Wine. The figures are
# only meaningful on an otherwise idle machine; the native tree carries the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-tools.sh
source scripts/wine-env.sh

benchmarks=(pause_clock_bench apply_bench)

echo "== native"
cmake --preset native >/dev/null
cmake --build --preset native --target "${benchmarks[@]}"
for bench in "${benchmarks[@]}"; do
    "build/native/bench/${bench}"
done

echo "== windows (under Wine)"
trap 'corvanti_stop_wine; corvanti_stop_display' EXIT
corvanti_start_display
corvanti_start_wine
cmake --preset windows >/dev/null
cmake --build --preset windows --target "${benchmarks[@]}"
for bench in "${benchmarks[@]}"; do
    wine "build/windows/bench/${bench}.exe"
done

# The main window of the real program, driven through its messages.
cmake --build --preset windows --target main_window_bench install_folder
wine build/windows/bench/main_window_bench.exe "$(winepath -w build/windows/install)"
