#!/usr/bin/env bash
# One terminal command as a whole process against the bare program, side by side in one run:
# bare_command (a QCoreApplication that parses its arguments and prints a line) and
# "Bandolin decode yellow violet black brown brown", alternating call by call, with /bin/true
# as the floor. Prints the milliseconds per call, the ratio of the decode to the bare program,
# and the profile of both: what the dynamic loader maps and relocates, and what else the decode
# opens.
#
#   bench/command_bench.sh [runs, default 300] [build dir, default build/test]
#
# Also runs hyperfine (Debian package hyperfine) over the three when it is there, unless
# BANDOLIN_NO_HYPERFINE=1. Not a test: it passes or fails nothing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS="${1:-300}"
BUILD="${2:-$ROOT/build/test}"
PROGRAM="$BUILD/bandolin/Bandolin"
BARE="$BUILD/bench/bare_command"
[ -x "$PROGRAM" ] && [ -x "$BARE" ] || cmake --build "$BUILD" --target Bandolin bare_command >/dev/null
decode=("$PROGRAM" decode yellow violet black brown brown)
bare=("$BARE" decode yellow violet black brown brown)

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"

# The calls alternate, so a change of the machine's load falls on all three alike. Each call is
# timed alone by the shell's clock (no process of its own); the median is the figure.
declare -a t_true t_bare t_decode
elapsed_us() { # <array name> <command...>
    local -n into="$1"
    shift
    local start="$EPOCHREALTIME"
    "$@" >/dev/null
    local end="$EPOCHREALTIME"
    into+=($(((${end/./} - ${start/./}))))
}
for ((i = 0; i < 10; i++)); do "${bare[@]}" >/dev/null; "${decode[@]}" >/dev/null; done # warm-up
for ((i = 0; i < RUNS; i++)); do
    elapsed_us t_true /bin/true
    elapsed_us t_bare "${bare[@]}"
    elapsed_us t_decode "${decode[@]}"
done
median_ms() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] / 1000 }'; }
mean_ms() { printf '%s\n' "$@" | awk '{ s += $1 } END { printf "%.2f", s / NR / 1000 }'; }
true_ms=$(median_ms "${t_true[@]}")
bare_ms=$(median_ms "${t_bare[@]}")
decode_ms=$(median_ms "${t_decode[@]}")
echo "Per call, median (mean) of $RUNS alternating calls:"
echo "  /bin/true:          $true_ms ms ($(mean_ms "${t_true[@]}") ms)"
echo "  bare_command:       $bare_ms ms ($(mean_ms "${t_bare[@]}") ms)"
echo "  bandolin decode:    $decode_ms ms ($(mean_ms "${t_decode[@]}") ms)"
awk -v a="$decode_ms" -v b="$bare_ms" 'BEGIN { printf "  decode / bare:      %.2f (the aim: 1.5 at most)\n", a / b }'

# ---- Where the time goes ----
# loader <command...>: the objects the dynamic loader maps, its own time and the relocations.
loader() {
    local log objects
    log=$(LD_DEBUG=files,statistics "$@" 2>&1 >/dev/null)
    objects=$(grep -c 'generating link map' <<<"$log" || true)
    awk -v objects="$objects" '
        /total startup time in dynamic loader/ { startup = $(NF - 1) }
        /time needed for relocation/ { reloc = $(NF - 2) }
        /number of relocations:/ && !/final/ { n = $NF }
        /number of relative relocations/ { rel = $NF }
        END { printf "%3d objects, %9d cycles in the loader (%9d relocating), %6d symbol and %6d relative relocations\n",
                     objects, startup, reloc, n, rel }' <<<"$log"
}
echo "Dynamic loader, at start:"
echo "  bare_command:    $(loader "${bare[@]}")"
echo "  bandolin decode: $(loader "${decode[@]}")"
if command -v strace >/dev/null; then
    echo "Files the decode opens beyond the libraries and the locale:"
    strace -f -e trace=openat -e signal=none "${decode[@]}" 2>&1 >/dev/null \
        | grep -v -e '\.so' -e '/locale' -e '/gconv/' -e '^+++' -e ENOENT | sed 's/^/  /'
fi

if [ -z "${BANDOLIN_NO_HYPERFINE:-}" ] && command -v hyperfine >/dev/null; then
    echo "hyperfine, one command after the other:"
    hyperfine -N --warmup 10 --runs "$RUNS" /bin/true "${bare[*]}" "${decode[*]}"
fi
