#!/usr/bin/env bash
# Installs what is missing, builds Numbrella with its tests and runs every test; then runs
# the logic and window tests again built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and fuzzes each reader of the program's files for a few seconds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")

# Any sanitizer report ends the test that made it, and so fails the run.
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DNUMBRELLA_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$(nproc)"
(cd build/asan && ctest --output-on-failure -j"$(nproc)" -L '^(logic|gui)$')

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRELLA_FUZZ=ON >/dev/null
cmake --build build/fuzz -j"$(nproc)"
(cd build/fuzz && ctest --output-on-failure -j"$(nproc)")
