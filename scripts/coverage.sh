#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Branch and line coverage of the logic library (src/*/logic) by every CTest test
# (logic, window, audio and whole-program). Builds in build/coverage; prints gcovr's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

cmake -S . -B build/coverage -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build build/coverage -j"$(nproc)" >/dev/null
find build/coverage -name '*.gcda' -delete
(cd build/coverage && ctest -j"$(nproc)" --output-on-failure "$@") || true
gcovr --root . --object-directory build/coverage --filter 'src/.*/logic/' \
  --exclude-throw-branches --exclude-unreachable-branches --print-summary --txt build/coverage/logic.txt \
  build/coverage/src | tail -n 3
