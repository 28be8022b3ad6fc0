#!/usr/bin/env bash
# A terminal command as a whole process against /bin/true, side by side: what starting Bandolin,
# reading its table and language file and decoding a marking costs beyond starting any program.
#
#   bench/command_bench.sh [runs, default 200] [build dir, default build/test]
#
# Uses hyperfine (Debian package hyperfine) when it is there, otherwise (or with
# BANDOLIN_NO_HYPERFINE=1) a timing loop. Not a test: it passes or fails nothing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS="${1:-200}"
BUILD="${2:-$ROOT/build/test}"
PROGRAM="$BUILD/bandolin/Bandolin"
[ -x "$PROGRAM" ] || cmake --build "$BUILD" --target Bandolin
command=("$PROGRAM" decode yellow violet black brown brown)

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
if [ -z "${BANDOLIN_NO_HYPERFINE:-}" ] && command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 10 --runs "$RUNS" /bin/true "${command[*]}"
    exit
fi

# Milliseconds per run of the command, over RUNS runs.
per_run() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < RUNS; i++)); do "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) -v runs="$RUNS" 'BEGIN { printf "%.2f", ns / 1e6 / runs }'
}
true_ms=$(per_run /bin/true)
command_ms=$(per_run "${command[@]}")
echo "/bin/true:        $true_ms ms"
echo "bandolin decode:  $command_ms ms"
awk -v a="$command_ms" -v b="$true_ms" 'BEGIN { printf "ratio:            %.1f\n", a / b }'
