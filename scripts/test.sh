#!/usr/bin/env bash
# Installs what is missing, builds Bandolin with its tests and runs every test.
# BANDOLIN_SANITIZE=1 runs them in an AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${PACKAGES[@]}"
if [ "${BANDOLIN_SANITIZE:-0}" = 1 ]; then
    dir="$ROOT/build/sanitize"
    configure_build "$dir" Debug -DBANDOLIN_SANITIZE=ON -DBANDOLIN_BENCHMARKS=OFF
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
    export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
    dir="$ROOT/build/test"
    configure_build "$dir" RelWithDebInfo
fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
