#!/usr/bin/env bash
# Installs what is missing, builds Numbrella with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
ctest --output-on-failure -j"$(nproc)"
