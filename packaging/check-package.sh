#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Builds the Debian package and checks it as it will be installed, with Debian's own
# validators: lintian (no error, no warning), the AppStream metadata (also with its
# screenshots named), the desktop entry, the manual page, the icons and the command's link.
# Needs root only to install missing build packages; installs nothing of its own.
#
#   --install  then also installs the package on this machine, starts the program from its
#              menu entry's command under a virtual screen as a desktop user, adds a player,
#              checks that the shared folders and files are the group numbrella's, removes the
#              package and checks that only the players' files are left; then purges it and
#              removes everything. Run it as root on a machine you can spare.
set -euo pipefail
cd "$(dirname "$0")/.."
install=""
case "${1:-}" in
    --install) install=1 ;;
    "") ;;
    *) echo "usage: $0 [--install]" >&2; exit 2 ;;
esac
source scripts/deps.sh
ensure_packages

fail() { echo "FAILED: $*" >&2; exit 1; }
# Every validator runs, so one run shows every finding; any finding fails the check at the end.
status=0
problem() { echo "FAILED: $*" >&2; status=1; }
# For the validators that say nothing when all is well: whatever they say is a finding.
quiet() { local what=$1 out; shift
          if out=$("$@" 2>&1) && [ -z "$out" ]; then echo "$what: clean"; else echo "$out" >&2; problem "$what"; fi; }

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/pkg -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build/pkg -j"$(nproc)" >/dev/null
(cd build/pkg && rm -f numbrella_*.deb && cpack >/dev/null)
deb=$(ls build/pkg/numbrella_*.deb)
echo "Package: $deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 0755 "$work"
cp "$deb" "$work/"
tree=$work/tree
dpkg-deb -x "$deb" "$tree"

# lintian warns against running as root: as root, it runs as nobody on a copy of the package,
# from the copy's folder, since nobody may not enter this one (a home folder is often 0700).
lintian_cmd=(lintian --info --fail-on error,warning "$work/$(basename "$deb")")
[ "$(id -u)" -ne 0 ] || lintian_cmd=(runuser -u nobody -- env HOME="$work" "${lintian_cmd[@]}")
# Its notes at the level info are shown; an error or a warning fails.
if (cd "$work" && "${lintian_cmd[@]}"); then echo "lintian: no errors, no warnings"; else problem "lintian"; fi

quiet "desktop-file-validate" desktop-file-validate "$tree/usr/share/applications/numbrella.desktop"

# The metainfo as installed, beside the desktop entry it launches; the network is not needed.
appstreamcli validate-tree --no-net "$tree" || problem "appstreamcli validate-tree"
# With the screenshots named, as a build for a public address makes it, and each picture there.
sed 's|@NUMBRELLA_SCREENSHOT_URL@|https://numbrella.invalid/screenshots|' packaging/numbrella.metainfo.xml.in \
    > "$work/with-screenshots.metainfo.xml"
appstreamcli validate --no-net "$work/with-screenshots.metainfo.xml" || problem "appstreamcli validate with the screenshots"
for picture in $(sed -n 's|.*@NUMBRELLA_SCREENSHOT_URL@/\([^<]*\)<.*|\1|p' packaging/numbrella.metainfo.xml.in); do
    [ -f "docs/screenshots/$picture" ] || problem "the screenshot $picture is not in docs/screenshots"
done

page=$tree/usr/share/man/man6/numbrella.6.gz
# Typeset as lintian does, keeping only the typesetter's warnings.
man_warnings() { LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" >/dev/null; }
quiet "the manual page" man_warnings "$page"
zcat "$page" | grep -q '^\.SH ENVIRONMENT' || problem "the manual page has no ENVIRONMENT section"

for size in 48 64 128 256; do
    file "$tree/usr/share/icons/hicolor/${size}x${size}/apps/numbrella.png" | grep -q "PNG image data, $size x $size," \
        || problem "no $size px icon"
done
[ -x "$tree/usr/games/numbrella" ] && [ "$(readlink -f "$tree/usr/games/numbrella")" = "$(readlink -f "$tree/usr/lib/numbrella/numbrella")" ] \
    || problem "/usr/games/numbrella does not lead to the program"
[ "$status" -eq 0 ] || fail "the package has findings (above)"
echo "The package passes its checks."
[ -n "$install" ] || exit 0

[ "$(id -u)" -eq 0 ] || fail "--install needs root"
[ ! -e /var/lib/numbrella/players/Players ] || fail "/var/lib/numbrella/players already holds players; use a spare machine"
! getent group numbrella >/dev/null || fail "the group numbrella exists already; use a spare machine"

# Two desktop users, made before the installation, which must make them members of the group.
child=nbr-pkg-a$$ other=nbr-pkg-b$$
useradd -m "$child" && useradd -m "$other"
xvfb="" wm="" app="" secret=""
cleanup() {
    rm -rf "$work" $secret
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
[ "$(man -w 6 numbrella)" = /usr/share/man/man6/numbrella.6.gz ] || fail "man 6 numbrella does not find the manual page"

# A hard link in the players' folder to a file elsewhere (made where the kernel lets users link
# files they do not own) is not handed to the group when the package is configured again.
secret=$(mktemp /var/lib/nbr-pkg-secret.XXXXXX)
ln "$secret" /var/lib/numbrella/players/AAZ.cfg
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null
secret_mode=$(stat -c '%a %U:%G' "$secret")
rm -f "$secret" /var/lib/numbrella/players/AAZ.cfg
[ "$secret_mode" = "600 root:root" ] || fail "a file linked into the players' folder became $secret_mode"

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
# A session of the desktop user: the group comes with the login.
runuser -u "$child" -- env -C "/home/$child" -u NUMBRELLA_ROOT DISPLAY=$display HOME="/home/$child" "$exec_line" >/dev/null 2>&1 &
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
left=$(find /usr/lib/numbrella /usr/games/numbrella /usr/share/applications/numbrella.desktop /usr/share/icons/hicolor/*/apps/numbrella.* \
            /usr/share/man/man6/numbrella.6.gz /usr/share/metainfo/*numbrella* /usr/share/doc/numbrella \
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
