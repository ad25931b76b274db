#!/usr/bin/env bash
# Builds both targets and runs every test: the native core tests under AddressSanitizer and
# UBSan, the short fuzz run, then the Windows build's tests under Wine (with Xvfb when no
# display exists).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-tools.sh
source scripts/wine-env.sh

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$corvanti_jobs"
ctest --preset native -j "$corvanti_jobs"

echo "== windows build and tests (under Wine)"
trap 'corvanti_stop_wine; corvanti_stop_display' EXIT
corvanti_start_display
corvanti_start_wine
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$corvanti_jobs"
# In a fresh Wine prefix the first process that opens dialogs runs many times slower for as
# long as it lives (the window tests take minutes instead of seconds); a short one takes that
# cost first.
timeout 120 wine build/windows/tests/win/win_tests.exe --gtest_filter='SkinFrameTest.Colours*' \
    >/dev/null 2>&1 || true
ctest --preset windows
