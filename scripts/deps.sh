# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Installs the Debian packages Numbrella needs to build, run and test, when missing.
# Sourced by run.sh and test.sh.

NUMBRELLA_PACKAGES=(
  cmake g++ make pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libxcb1-dev libxcb-randr0-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libfluidsynth-dev timgm6mb-soundfont
  xvfb xauth xdotool imagemagick openbox x11-utils
  weston qt6-wayland
  ccache gcovr
  poppler-utils
  librsvg2-bin
  dpkg-dev lintian appstream desktop-file-utils man-db file
)

ensure_packages() {
  local missing=()
  for p in "${NUMBRELLA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "These Debian packages are missing and this user cannot install them: ${missing[*]}" >&2
      return 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The machine-wide settings folder, writable by every user of the machine.
ensure_settings_dir() {
  local dir="${NUMBRELLA_ROOT:-}/var/lib/numbrella"
  [ -d "$dir" ] && [ -w "$dir" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1 && sudo="sudo"
  $sudo mkdir -p "$dir" && $sudo chmod 0777 "$dir"
}
