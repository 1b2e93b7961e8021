#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Removes Numbrella from this computer. The players' own files (the player list, their
# settings, score histories and facts files) are never removed: they are the children's work.
dir="$(cd "$(dirname "$0")" && pwd)"
exe="$dir/numbrella"

# Installed as a Debian package: the package manager removes it.
if command -v dpkg >/dev/null 2>&1 && dpkg -S "$exe" >/dev/null 2>&1; then
    if command -v pkexec >/dev/null 2>&1; then
        exec pkexec apt-get remove -y numbrella
    fi
    echo "Numbrella was installed as a package. Remove it with: sudo apt-get remove numbrella" >&2
    exit 1
fi

# Installed into a folder: remove the files the installation put there.
rm -f "${NUMBRELLA_ROOT:-}/var/lib/numbrella/nbr.INI" "${NUMBRELLA_ROOT:-}/var/lib/numbrella/nbr.win"
for tune in "$dir"/*.mid; do
    # A tune goes with its description.
    [ -e "$tune" ] && rm -f "$tune" "${tune%.mid}.txt"
done
rm -f "$exe" "$dir"/nbr.txx "$dir"/nbr.doc "$dir"/*.htm "$dir"/uninstall
echo "Numbrella was removed from $dir. The players' files are still there."
