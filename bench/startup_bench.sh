#!/usr/bin/env bash
# Start-up time of Bandolin against a bare Qt window, side by side in one X server.
#
#   bench/startup_bench.sh [starts of each, default 15] [build dir, default build/dev]
#
# Builds the program, the yardsticks and the probe (with benchmarks switched on in that build
# dir), copies the program folder to a temporary folder so that nothing of the build is touched,
# and lets start_probe start each program in turn under one xvfb-run: the bare window, the bare
# window with one line of text (for reference: what the first text costs) and Bandolin, whose
# first window is its splash. start_probe prints every start and the medians: milliseconds from
# process start to the first window mapped and to its first drawing on the screen, the processor
# time spent until then, and the ratios to the bare window. Wall time is what the user waits
# for; processor time is the steadier figure on a busy machine. Not a test: it passes or fails
# nothing.
#
# The X server that xvfb-run starts has no session bus beside it, so Qt's accessibility bridge,
# which both programs make before their first frame, finds none (libdbus forks to try to launch
# one). Run this script under dbus-run-session -- to measure with a session bus, as on a desktop.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS="${1:-15}"
BUILD="${2:-$ROOT/build/dev}"

command -v xvfb-run >/dev/null || { echo "xvfb-run is needed (Debian package xvfb)" >&2; exit 1; }

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake -S "$ROOT" -B "$BUILD" -DBANDOLIN_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD" -j2 --target Bandolin bare_window bare_window_text start_probe

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cp -a "$BUILD/bandolin" "$WORK/program"
rm -f "$WORK/program/Data/Settings.dat" "$WORK/program/"*.lock
mkdir -m 700 "$WORK/runtime"

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
XDG_RUNTIME_DIR="$WORK/runtime" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$BUILD/bench/start_probe" --runs "$RUNS" \
    bare="$BUILD/bench/bare_window" bare+text="$BUILD/bench/bare_window_text" \
    Bandolin="$WORK/program/Bandolin"
