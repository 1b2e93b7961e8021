#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Installs what is missing, builds Numbrella and starts it. Arguments are passed on as
# the program's command line ("log" turns the activity log on; "u" runs the uninstaller).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages
ensure_settings_dir

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" >/dev/null

first="${1:-}"
if [[ ! "${first:0:1}" =~ [uU] ]] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Numbrella is a desktop program and needs a graphical display, but none was found (DISPLAY is not set)." >&2
  echo "Start it from a desktop session, or under a virtual one: xvfb-run ./run.sh" >&2
  exit 1
fi

exec build/release/bin/numbrella "$@"
