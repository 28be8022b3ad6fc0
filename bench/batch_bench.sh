#!/usr/bin/env bash
# Many markings through one process (decode -) against one process per marking, on one core:
# markings per second of each, for colour markings, SMD codes and JSON Lines.
#
#   bench/batch_bench.sh [markings, default 100000] [single runs, default 200] [build dir]
#
# The batch is pinned to one core with taskset. Wall time counts, since a pipe waits for it;
# the processor time (user + system) beside it shows what a busy machine added. Not a test: it
# passes or fails nothing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
COUNT="${1:-100000}"
SINGLE="${2:-200}"
BUILD="${3:-$ROOT/build/test}"
PROGRAM="$BUILD/bandolin/Bandolin"
[ -x "$PROGRAM" ] || cmake --build "$BUILD" --target Bandolin
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)

# The same markings every run: four and five bands, every digit, multiplier and tolerance
# colour; and SMD codes of every kind.
python3 - "$COUNT" "$work" <<'PY'
import random, sys
count, work = int(sys.argv[1]), sys.argv[2]
rng = random.Random(34)
digits = ["black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "grey", "white"]
multipliers = ["silver", "gold", "black", "brown", "red", "orange", "yellow", "green"]
tolerances = ["brown", "red", "green", "blue", "violet", "grey", "gold", "silver"]
with open(f"{work}/markings", "w") as f:
    for i in range(count):
        bands = [rng.choice(digits[1:])] + [rng.choice(digits) for _ in range(1 + i % 2)]
        f.write(" ".join(bands + [rng.choice(multipliers), rng.choice(tolerances)]) + "\n")
letters = "ZYRXSABHCDEF"
with open(f"{work}/codes", "w") as f:
    for i in range(count):
        kind = i % 4
        if kind == 0:
            code = f"{rng.randint(10, 99)}{rng.randint(0, 9)}"
        elif kind == 1:
            code = f"{rng.randint(100, 999)}{rng.randint(0, 9)}"
        elif kind == 2:
            code = f"{rng.randint(1, 96):02d}{rng.choice(letters)}"
        else:
            code = rng.choice(["4R7", "R47", "10R0", "1R00", "0"])
        f.write(code + "\n")
PY

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors, $COUNT lines"
# Runs the command over the file; prints "wall seconds  processor seconds".
timed() {
    local file="$1"
    shift
    local TIMEFORMAT="%R %U %S"
    { time "${pin[@]}" "$@" <"$file" >/dev/null 2>&1 || true; } 2>&1 | awk '{ print $1, $2 + $3 }'
}
report() {
    local name="$1" wall="$2" cpu="$3"
    awk -v n="$COUNT" -v w="$wall" -v c="$cpu" -v name="$name" 'BEGIN {
        printf "%-28s %8.3f s wall %8.0f /s   %8.3f s processor %8.0f /s\n", name, w, n / w, c, n / c }'
}
read -r wall cpu < <(timed "$work/markings" "$PROGRAM" decode -)
report "decode - (colours)" "$wall" "$cpu"
read -r wall cpu < <(timed "$work/codes" "$PROGRAM" decode -)
report "decode - (SMD codes)" "$wall" "$cpu"
read -r wall cpu < <(timed "$work/markings" "$PROGRAM" decode - --json)
report "decode - --json (colours)" "$wall" "$cpu"

# One process per marking, as a script calling decode for each part does.
head -n "$SINGLE" "$work/markings" >"$work/single"
start=$(date +%s%N)
while read -r -a words; do "${pin[@]}" "$PROGRAM" decode "${words[@]}" >/dev/null; done <"$work/single"
end=$(date +%s%N)
awk -v ns=$((end - start)) -v n="$SINGLE" 'BEGIN {
    printf "%-28s %8.3f s wall %8.0f /s   (%d processes, %.2f ms each)\n",
           "one process per marking", ns / 1e9, n / (ns / 1e9), n, ns / 1e6 / n }'
