#!/usr/bin/env bash
# Where start-up spends its work: the instructions Bandolin and a bare Qt window execute from
# process start until their first frame is flushed to the screen, counted by valgrind's
# callgrind, with the share of each phase.
#
#   bench/start_instructions.sh [build dir, default build/dev]
#
# Instruction counts do not move with the machine's load, so they tell two builds apart where
# start_probe's milliseconds (bench/startup_bench.sh) drown a tenth of a millisecond in noise.
# They leave out what the kernel and the X server do (page faults, mapping files, the copy of
# the frame), which start_probe does see. Each program is counted up to the end of its first
# QWidgetRepaintManager::paintAndFlush, its first frame. Under valgrind a program runs some fifty
# times slower, so the splash's animation timer (200 ms) fires once before that frame; its step
# has a row of its own and is no part of a real start. Not a test: it passes or fails nothing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build/dev}"

for tool in xvfb-run valgrind callgrind_annotate; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (Debian packages xvfb, valgrind)" >&2; exit 1; }
done

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake -S "$ROOT" -B "$BUILD" -DBANDOLIN_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD" -j2 --target Bandolin bare_window

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cp -a "$BUILD/bandolin" "$WORK/program"
rm -f "$WORK/program/Data/Settings.dat" "$WORK/program/"*.lock
mkdir -m 700 "$WORK/runtime"

# One program under callgrind until its first frame (the first dump), then stopped.
count() {
    local name="$1" program="$2"
    XDG_RUNTIME_DIR="$WORK/runtime" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        valgrind --tool=callgrind --callgrind-out-file="$1" \
            --dump-after="*QWidgetRepaintManager::paintAndFlush*" "$2" >/dev/null 2>&1 &
        for _ in $(seq 300); do [ -s "$1.1" ] && break; sleep 0.1; done
        kill $! 2>/dev/null; wait $! 2>/dev/null || true' _ "$WORK/$name.out" "$program"
    [ -s "$WORK/$name.out.1" ] || { echo "$name: no first frame under callgrind" >&2; exit 1; }
}
count bare "$BUILD/bench/bare_window"
count Bandolin "$WORK/program/Bandolin"

# Inclusive instructions of the functions that mark the phases, in millions. Callgrind lists the
# parts of a function inlined from headers as entries of their own, which its main entry already
# holds: the largest entry is the function.
phase() {
    callgrind_annotate --inclusive=yes --auto=no --threshold=100 "$WORK/$1.out.1" 2>/dev/null |
        awk -v pattern="$2" '$0 ~ pattern { gsub(",", "", $1); if ($1 + 0 > most) most = $1 + 0 }
            END { printf "%8.2f", most / 1e6 }'
}
printf '%-50s %8s %8s\n' "million instructions until the first frame" bare Bandolin
while IFS='|' read -r label pattern; do
    printf '%-50s %s %s\n' "$label" "$(phase bare "$pattern")" "$(phase Bandolin "$pattern")"
done <<'EOF'
all|PROGRAM TOTALS
loading: relocations at start and dlopen|:_dl_relocate_object( \[|$)
loading: lazy binding of the first calls|:_dl_fixup( \[|$)
loading: static initialisers|:call_init( \[|$)
QApplication's constructor|:QApplication::QApplication\(int&, char\*\*, int\)( \[|$)
the splash's two pictures|:common::loadSharpPixmap\(QString const&\)( \[|$)
the splash's constructor, with its header picture|:splash_about::frmSplash::frmSplash\(QWidget\*\)( \[|$)
the splash's load, with the program picture|:splash_about::frmSplash::Form_Load\(\)( \[|$)
showing the first window|:QWidget::show\(\)( \[|$)
the animation's first step (valgrind only)|:splash_about::frmSplash::Timer2_Timer\(\)( \[|$)
EOF
