#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Installs what is missing, builds Numbrella with its tests and runs every test:
# - the logic, window, synthesizer and whole-program tests, all on one build with
#   AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the test that made it);
# - the shipped tunes' loudness at the top of the volume bar (tools/loudness.sh);
# - the Debian package, built and checked by Debian's validators (packaging/check-package.sh);
# - each reader of the program's files, fuzzed for a few seconds;
# - first, that every source, script and build file carries its SPDX licence line, and that
#   the folders of src/ include one another without a cycle.
# The last three run from the start beside the rest, at the lowest priority, so that they take
# only the processor time the sanitizer build and the tests leave (the whole-program tests
# mostly wait on their virtual screens) and never slow the program under test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages

# A compiler cache, when there is one, makes the second run of this script quick.
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# What runs beside the tests (started below, in a session of its own so that it can be
# stopped as a whole).
if [ "${1:-}" = --beside ]; then
    tools/loudness.sh
    packaging/check-package.sh
    cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRELLA_FUZZ=ON "${launcher[@]}" >/dev/null
    cmake --build build/fuzz -j"$(nproc)"
    (cd build/fuzz && ctest --output-on-failure -j"$(nproc)")
    exit 0
fi

# Every source, script and build file names its licence.
scripts/check-licence.sh
# The folders of src/ form layers: no include cycle between them.
scripts/check-folders.sh
# Every window text has its translations.
scripts/check-translations.sh

mkdir -p build
beside_log=build/beside.log
setsid nice -n 19 ./test.sh --beside > "$beside_log" 2>&1 < /dev/null &
beside_pid=$!
trap 'kill -- -"$beside_pid" 2>/dev/null || true' EXIT

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DNUMBRELLA_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build/asan -j"$(nproc)" --target checked_tests program_tests
status=0
(cd build/asan && ctest --output-on-failure -j"$(nproc)" -L '^(logic|gui|audio)$') || status=1
# Two at a time: each has a screen of its own, and they mostly wait on it.
(cd build/asan && ctest --output-on-failure -j2 -L '^e2e$') || status=1

beside_status=0
wait "$beside_pid" || beside_status=1
trap - EXIT
echo "--- The tunes' loudness, the package and the fuzzers ($beside_log):"
cat "$beside_log"
[ "$beside_status" -eq 0 ] || { echo "FAILED: the tunes' loudness, the package or the fuzzers (above)" >&2; status=1; }
exit "$status"
