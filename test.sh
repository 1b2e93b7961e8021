#!/usr/bin/env bash
# Installs what is missing, builds Numbrella with its tests and runs every test:
# - the logic and window tests, built with AddressSanitizer and UndefinedBehaviorSanitizer
#   (any report ends the test that made it, and so fails the run);
# - the synthesizer tests and the whole-program tests, on a plain build of the program;
# - the shipped tunes' loudness at the top of the volume bar (tools/loudness.sh);
# - the Debian package, built and checked by Debian's validators (packaging/check-package.sh);
# - each reader of the program's files, fuzzed for a few seconds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages

# A compiler cache, when there is one, makes the second run of this script quick.
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DNUMBRELLA_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build/asan -j"$(nproc)" --target checked_tests
(cd build/asan && ctest --output-on-failure -j"$(nproc)" -L '^(logic|gui)$')

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON "${launcher[@]}" >/dev/null
cmake --build build/test -j"$(nproc)" --target program_tests
(cd build/test && ctest --output-on-failure -j"$(nproc)" -L '^(audio|e2e)$')

tools/loudness.sh
packaging/check-package.sh

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRELLA_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build/fuzz -j"$(nproc)"
(cd build/fuzz && ctest --output-on-failure -j"$(nproc)")
