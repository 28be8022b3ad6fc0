#!/usr/bin/env bash
# Shared by the README's two commands: installs what is missing and configures a build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core ccache python3)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_build <build dir> <build type> [extra cmake arguments...]
# BUILD_TARGET, when set, builds only that target (and what it needs).
configure_build() {
    local dir="$1" type="$2"
    shift 2
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${launcher[@]}" "$@"
    fi
    cmake --build "$dir" -j "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}
