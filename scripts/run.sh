#!/usr/bin/env bash
# Builds everything and shows the shipped default profile with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-tools.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)"
./build/native/src/corvanti-ctl show build/native/config.bin
