#!/usr/bin/env bash
# Installs what is missing, builds Bandolin and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${PACKAGES[@]}"
BUILD_TARGET=Bandolin configure_build "$ROOT/build/release" Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Bandolin is built in $ROOT/build/release/bandolin, but there is no display to show it on" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop session, or under" >&2
    echo "a virtual display: xvfb-run -a $ROOT/build/release/bandolin/Bandolin" >&2
    exit 1
fi
exec "$ROOT/build/release/bandolin/Bandolin"
