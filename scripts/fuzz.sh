#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each over its seed corpus: the committed cases in tests/fuzz/corpus/<target>/ and the
# delivered files it reads. Any crash, hang, leak or sanitizer report fails the run.
#   bash scripts/fuzz.sh [inputs per target]     (default 20000)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs="${1:-20000}"
install_missing "${PACKAGES[@]}" clang-14 libclang-rt-14-dev
dir="$ROOT/build/fuzz"
configure_build "$dir" RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DBANDOLIN_FUZZ=ON

declare -A delivered=(
    [res_table]="$ROOT/data/Data"
    [skin]="$ROOT/data/Skin"
    [language]="$ROOT/data/Languages"
)
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
failed=0
for fuzzer in "$dir"/fuzzers/*_fuzzer; do
    name="$(basename "$fuzzer" _fuzzer)"
    work="$(mktemp -d)"
    seeds=("$ROOT/tests/fuzz/corpus/$name")
    [ -n "${delivered[$name]:-}" ] && seeds+=("${delivered[$name]}")
    # New inputs go to the scratch folder first in the list; the seed folders are only read.
    if (cd "$work" && "$fuzzer" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            "$work" "${seeds[@]}" >"$work/log" 2>&1); then
        echo "fuzz $name: $(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/log")"
        rm -rf "$work"
    else
        echo "fuzz $name: FAILED, the report and the input are in $work"
        tail -n 40 "$work/log"
        failed=$((failed + 1))
    fi
done
[ "$failed" -eq 0 ] || { echo "$failed fuzz target(s) failed"; exit 1; }
