#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, starts the program from its
# menu entry's command under a virtual screen, adds a player, removes the package and
# checks that only the players' files are left. Run as root on a machine you can spare.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

cmake -S . -B build/pkg -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/pkg -j"$(nproc)" >/dev/null
(cd build/pkg && rm -f numbrella_*.deb && cpack >/dev/null)
deb=$(ls build/pkg/numbrella_*.deb)
echo "Package: $deb"

fail() { echo "FAILED: $*" >&2; exit 1; }
[ ! -e /var/lib/numbrella/players/Players ] || fail "/var/lib/numbrella/players already holds players; use a spare machine"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/numbrella.desktop)
[ -x "$exec_line" ] || fail "the menu entry's command $exec_line is missing"
[ -f /usr/share/icons/hicolor/scalable/apps/numbrella.svg ] || fail "no icon"
[ "$(stat -c %a /var/lib/numbrella)" = 777 ] || fail "the settings folder is not writable by every user"

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
sleep 1
DISPLAY=$display env -u NUMBRELLA_ROOT "$exec_line" >/dev/null 2>&1 &
app=$!
sleep 3
DISPLAY=$display xdotool type Zoe
DISPLAY=$display xdotool key Return
sleep 1
# The grade dialog: Cancel records no grade and adds the player all the same.
DISPLAY=$display xdotool key Tab Tab space
sleep 1
kill $app 2>/dev/null || true
grep -q '"Zoe"' /var/lib/numbrella/players/Players || fail "the player was not saved in the shared folder"
[ "$(stat -c %a /var/lib/numbrella/players/Players)" = 666 ] || fail "the player list is not writable by every user"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq numbrella >/dev/null
left=$(find /usr/lib/numbrella /usr/share/applications/numbrella.desktop /usr/share/icons/hicolor/scalable/apps/numbrella.svg \
            /var/lib/numbrella -not -path '/var/lib/numbrella/players*' 2>/dev/null | grep -v '^/var/lib/numbrella$' || true)
[ -z "$left" ] || fail "left behind: $left"
[ -z "$(find /var/lib/numbrella/players -type l)" ] || fail "links to the program left behind"
[ -e /var/lib/numbrella/players/Players ] || fail "the players' files were removed"
echo "The package installs, runs from its menu entry and removes cleanly; the players' files stay."
rm -rf /var/lib/numbrella
