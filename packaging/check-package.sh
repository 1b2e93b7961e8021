#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, starts the program from its
# menu entry's command under a virtual screen as a desktop user, adds a player, checks that
# the shared folders and files are the group numbrella's, removes the package and checks
# that only the players' files are left; then purges it and removes everything. Run as root
# on a machine you can spare.
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
! getent group numbrella >/dev/null || fail "the group numbrella exists already; use a spare machine"

# Two desktop users, made before the installation, which must make them members of the group.
child=nbr-pkg-a$$ other=nbr-pkg-b$$
useradd -m "$child" && useradd -m "$other"
xvfb="" wm="" app=""
cleanup() {
    for pid in $app $wm $xvfb; do kill "$pid" 2>/dev/null || true; done
    sleep 1
    userdel -r "$child" 2>/dev/null || true
    userdel -r "$other" 2>/dev/null || true
    if dpkg -s numbrella >/dev/null 2>&1; then
        rm -rf /var/lib/numbrella
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq numbrella >/dev/null || true
    fi
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/numbrella.desktop)
[ -x "$exec_line" ] || fail "the menu entry's command $exec_line is missing"
[ -f /usr/share/icons/hicolor/scalable/apps/numbrella.svg ] || fail "no icon"
for folder in /var/lib/numbrella /var/lib/numbrella/players; do
    [ "$(stat -c '%a %U:%G' "$folder")" = "2775 root:numbrella" ] || fail "$folder: $(stat -c '%a %U:%G' "$folder"), not 2775 root:numbrella"
done
[ "$(stat -c '%a %G' /var/lib/numbrella/nbr.INI)" = "664 numbrella" ] || fail "nbr.INI is not the group's"
for user in "$child" "$other"; do
    id -nG "$user" | grep -qw numbrella || fail "the desktop user $user is not in the group numbrella"
done

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
# A session of the desktop user: the group comes with the login.
runuser -u "$child" -- env -u NUMBRELLA_ROOT DISPLAY=$display HOME="/home/$child" "$exec_line" >/dev/null 2>&1 &
app=$!
sleep 3
DISPLAY=$display xdotool type Zoe
DISPLAY=$display xdotool key Return
sleep 1
# The grade dialog: Cancel records no grade and adds the player all the same.
DISPLAY=$display xdotool key Tab Tab space
sleep 1
kill $app 2>/dev/null || true
sleep 1
players=/var/lib/numbrella/players
grep -q '"Zoe"' $players/Players || fail "the player was not saved in the shared folder"
[ "$(stat -c '%a %U:%G' $players/Players)" = "664 $child:numbrella" ] || fail "the player list: $(stat -c '%a %U:%G' $players/Players), not 664 $child:numbrella"
[ "$(stat -c '%a %U:%G' /var/lib/numbrella/nbr.INI)" = "664 $child:numbrella" ] || fail "nbr.INI was not saved anew by the user in the group"
runuser -u "$other" -- test -w $players/Players || fail "another desktop user cannot write the player list"
[ -z "$(find /var/lib/numbrella -name '*.nbr-new-*')" ] || fail "temporary files left"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq numbrella >/dev/null
left=$(find /usr/lib/numbrella /usr/share/applications/numbrella.desktop /usr/share/icons/hicolor/scalable/apps/numbrella.svg \
            /var/lib/numbrella -not -path '/var/lib/numbrella/players*' 2>/dev/null | grep -v '^/var/lib/numbrella$' || true)
[ -z "$left" ] || fail "left behind: $left"
[ -z "$(find /var/lib/numbrella/players -type l)" ] || fail "links to the program left behind"
[ -e /var/lib/numbrella/players/Players ] || fail "the players' files were removed"
getent group numbrella >/dev/null || fail "the group of the players' files was removed with the package"
echo "The package installs, runs from its menu entry and removes cleanly; the players' files stay."

# Purged once the players' files are gone, it takes its group away too.
rm -rf /var/lib/numbrella
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq numbrella >/dev/null
! getent group numbrella >/dev/null || fail "the group numbrella is left after the purge"
