#!/usr/bin/env bash
# Opening each window from its menu keys until it is drawn, timed from outside the program:
# the options dialog, About, Linkora and Voltamo against a bare Qt dialog of the options
# dialog's size opened by the same keys (File > Preferences) in a program of its own.
#
#   bench/open_bench.sh [openings of each, default 20] [build dir, default build/test]
#
# BANDOLIN_BENCH_WM=openbox (or another window manager) runs the windows under it, as on a
# desktop; without it there is no window manager. Needs xvfb-run (Debian package xvfb). The
# program folder is copied to a temporary folder with English settings, so that the menus'
# access keys are Latin letters. Not a test: it passes or fails nothing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS="${1:-20}"
BUILD="${2:-$ROOT/build/test}"

if [ -z "${OPEN_BENCH_INNER:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "xvfb-run is needed (Debian package xvfb)" >&2; exit 1; }
    cmake --build "$BUILD" -j2 --target Bandolin bare_dialog open_probe
    WORK="$(mktemp -d)"
    trap 'rm -rf "$WORK"' EXIT
    cp -a "$BUILD/bandolin" "$WORK/program"
    rm -f "$WORK/program/"*.lock
    mkdir -m 700 "$WORK/runtime"
    # The delivered defaults in English words, written as the program writes its settings.
    printf '%s\r\n' "[Настройка конфигурации]" "Скин:" "Default.she" "Язык по умолчанию:" \
        "English" "Координаты формы:" "Free" 2850 3630 "Координаты Linkor:" "Free" 2850 3630 \
        "Координаты Voltam:" "Free" 2850 3630 "Кол-во полос по умолчанию:" "Four" \
        "Единицы измерения по умолчанию:" "Ohm" "Допуск по умолчанию:" "5%" \
        "Последняя выбранная единица измерения в Linkora:" "Ohm" \
        "Последнее соединение в Linkora:" "Параллельное" \
        "Округлять результат до ... знаков после точки Linkor:" 3 \
        "Округлять результат до ... знаков после точки Voltam:" 3 \
        "Последняя искомая величина Voltamo:" U "Последний резистор:" "" |
        iconv -f UTF-8 -t CP1251 >"$WORK/program/Data/Settings.dat"
    echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors," \
        "window manager: ${BANDOLIN_BENCH_WM:-none}"
    OPEN_BENCH_INNER="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" \
        xvfb-run -a -s "-screen 0 1400x900x24" "$0" "$RUNS" "$BUILD"
    exit
fi

WORK="$OPEN_BENCH_INNER"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
if [ -n "${BANDOLIN_BENCH_WM:-}" ]; then
    "$BANDOLIN_BENCH_WM" >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
"$WORK/program/Bandolin" >/dev/null 2>&1 &
pids+=($!)
sleep 8 # the splash goes after five seconds and the main window opens

probe="$BUILD/bench/open_probe"
# The options dialog's size, for the yardstick.
size=$("$probe" --runs 1 options=Bandolin:"alt+f p" | awk '$1 == "options" && $2 ~ /x/ { print $2 }')
"$BUILD/bench/bare_dialog" "${size%x*}" "${size#*x}" >/dev/null 2>&1 &
pids+=($!)
sleep 2
"$probe" --runs "$RUNS" bare=bare_dialog:"alt+f p" options=Bandolin:"alt+f p" \
    about=Bandolin:"alt+h a" linkora=Bandolin:"alt+t l" voltamo=Bandolin:"alt+t v"
