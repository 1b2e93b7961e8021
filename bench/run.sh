#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Numbrella's benchmarks: builds them in a release build, runs every one on a virtual
# screen with a window manager, and prints the table of results against their marks.
# Start-up and memory are compared with a minimal Qt Widgets program in the same run, so
# a busy machine slows both alike.
#
#   bench/run.sh [--runs N] [--update-doc]
#
# --runs N       start-ups of each program (default 10); the median counts
# --update-doc   also writes the table into docs/performance.md
# Exits 1 when a mark is missed. Takes about five minutes (the clock row drills for two).
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "$0")/.." && pwd)
RUNS=10
UPDATE_DOC=0
while [ $# -gt 0 ]; do
    case $1 in
        --runs) RUNS=$2; shift 2 ;;
        --update-doc) UPDATE_DOC=1; shift ;;
        *) echo "usage: bench/run.sh [--runs N] [--update-doc]" >&2; exit 2 ;;
    esac
done

source "$ROOT_DIR/scripts/deps.sh"
# The peers timed beside Numbrella at start-up.
NUMBRELLA_PACKAGES+=(libbenchmark-dev tuxmath kbruch gcompris-qt)
ensure_packages

BUILD=$ROOT_DIR/build/bench
echo "Building the benchmarks in $BUILD ..."
cmake -S "$ROOT_DIR" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target benchmarks >/dev/null
BENCH=$BUILD/bench

# A fresh program folder and machine-wide folder, a virtual screen, and the windows by role.
source "$ROOT_DIR/tests/e2e/lib.sh" "$BUILD/bin" "$BUILD/bench-shots"
source "$ROOT_DIR/bench/measure.sh"

LOAD_PIDS=()
stop_load() {
    local pid
    for pid in "${LOAD_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    LOAD_PIDS=()
}
# errexit off first: the subshell that hands the status on to cleanup would otherwise end the
# trap before cleanup, leaving the virtual screen and its window manager running.
trap 'rc=$?; stop_load; set +e; (exit $rc); cleanup' EXIT

# A family with one child on her level: Multiplication, Just 3, 2 minutes, a short history.
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAB  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
printf '"3"\r\n"2H2200611121530000000"\r\n0\r\n""\r\n0\r\n0\r\n0\r\n1\r\n12640511\r\n' > "$PROGRAM/AAB.cfg"
for day in 10 11 12; do printf '"2H22006111%s1530012014"\r\n' "$day" >> "$PROGRAM/AAB.scr"; done

start_screen
# Numbrella starts as on a family's computer: the screen chooses its size (the whole-program
# tests pin it, which skips asking the screen) and the drill's clock runs in real seconds.
# NUMBRELLA_ROOT stays: it only says where the machine-wide settings file is, so that the run
# never touches the computer's own.
unset QT_QPA_PLATFORM NUMBRELLA_SCALE NUMBRELLA_DRILL_SECOND_MS
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"

echo "Start-up and memory: $RUNS starts of each program, in turn ..."
measure_startup "$RUNS"
echo "Score window and answer to next problem ..."
measure_windows
echo "Logic (Google Benchmark) ..."
measure_logic
echo "Clock and idle: a 2-minute practice with $(nproc) busy loops beside it ..."
measure_clock

print_table | tee "$WORK/table.md"
[ "$UPDATE_DOC" = 1 ] && update_doc "$WORK/table.md" "$ROOT_DIR/docs/performance.md"
unset DISPLAY   # a missed mark is no failure of the screen: no last screen to save
[ "$(missed)" = 0 ]
