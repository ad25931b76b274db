#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this machine lacks, and
# sets the job count every build of the scripts uses. Sourced by run.sh and test.sh; installs
# nothing on a machine that has everything.
set -euo pipefail

corvanti_needed_packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format googletest python3
    libtomlplusplus-dev libhidapi-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool x11-utils imagemagick zip
)

corvanti_missing_packages() {
    local package
    for package in "${corvanti_needed_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            echo "$package"
        fi
    done
}

mapfile -t corvanti_missing < <(corvanti_missing_packages)
if ((${#corvanti_missing[@]})); then
    echo "Installing: ${corvanti_missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${corvanti_missing[@]}" >/dev/null
fi

# One build job per processor, for every build the scripts start.
corvanti_jobs="$(nproc)"
