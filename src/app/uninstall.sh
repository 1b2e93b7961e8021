#!/usr/bin/env bash
# Removes Numbrella's program files and the machine-wide settings file. The players' own
# files (the player list, their settings and score histories) are left in place so that no
# child's work is lost; delete the folder by hand to remove them too.
dir="$(cd "$(dirname "$0")" && pwd)"
rm -f "${NUMBRELLA_ROOT:-}/var/lib/numbrella/nbr.INI"
rm -f "$dir"/numbrella "$dir"/nbr.txx "$dir"/nbr.doc "$dir"/*.mid "$dir"/*.htm "$dir"/uninstall
echo "Numbrella was removed from $dir. The players' files are still there."
