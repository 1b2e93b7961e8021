#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Every entry of the menu opens its window and the window closes again, while the child's
# definition window stays; the configuration's Save replaces a link planted by another user,
# and start-up removes the temporary files of saves cut off.
source "$(dirname "$0")/lib.sh"
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAB  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
# Ann advances automatically: the definition window shows her level (Addition, All, 1 minute).
printf '"3"\r\n"2H2200611121530000000"\r\n1\r\n"0K1200611121530000000"\r\n0\r\n0\r\n1\r\n1\r\n12640511\r\n' > "$PROGRAM/AAB.cfg"
printf '"2H2200611121530012014"\r\n' > "$PROGRAM/AAB.scr"
# In folders every user may write, another user plants the log and (once the child's settings
# are read) her settings file as links to a private file of the child's: saving must replace
# the link, never write through it. Saves cut off earlier left temporary files.
# Only root can add that other user: for a normal user the links are left out.
if [ "$(id -u)" = 0 ]; then
    OTHER_USER=nbr-e2e-$$ && useradd -M "$OTHER_USER" || fail "cannot add a user"
    plant() { runuser -u "$OTHER_USER" -- "$@"; }
else
    echo "SKIPPED ($TEST_NAME): the links planted by another user (adding a user needs root)"
    plant() { :; }
fi
chmod 0755 "$WORK" && chmod 0777 "$PROGRAM" "$NUMBRELLA_ROOT/tmp" && printf 'private\n' > "$WORK/private" && chmod 0600 "$WORK/private"
plant ln -s "$WORK/private" "$NUMBRELLA_ROOT/tmp/nbr.log"
touch -d '2 minutes ago' "$PROGRAM/Players.nbr-new-9-0" && touch "$PROGRAM/AAB.cfg.nbr-new-9-1"   # the second perhaps another copy's, still saving
# Another start on the same desktop must end within five seconds.
second_start_ends() {
    "$PROGRAM/numbrella" >/dev/null 2>&1 & local second=$!
    for _ in $(seq 50); do kill -0 $second 2>/dev/null || return 0; sleep 0.1; done
    kill $second; fail "a second copy kept running"
}
start_screen
start_program log
window GetPlayer 15 >/dev/null || fail "no player list"
# The player list moved aside: the background's colour where it stood, the picture in the middle
# (red panel and numbers), and a click on the picture opens the music break.
xdotool windowmove --sync "$(window GetPlayer)" 740 400; sleep 0.5
[ "$(colour_in BackForm '#FFE0C0' 500x600+0+60 | cut -d' ' -f1)" = 300000 ] || fail "the background is not its colour where the list stood"
[[ "$(colour_in BackForm '#E63C3C')" =~ ^[0-9]{4}\ 1[5-9][0-9]x[0-9]+\+5[0-9]{2}\+2[0-9]{2}$ ]] || fail "no picture: $(colour_in BackForm '#E63C3C')"
click BackForm 9600 6000; window Music >/dev/null || fail "the picture did not open the music break"; click Music 6420 4920
[ ! -e "$PROGRAM/Players.nbr-new-9-0" ] && [ -e "$PROGRAM/AAB.cfg.nbr-new-9-1" ] || fail "leftover temporary files: $(ls "$PROGRAM" | grep nbr-new)"
click GetPlayer 6600 967                    # That's me
window Define >/dev/null || fail "no definition window"
plant ln -sf "$WORK/private" "$PROGRAM/AAB.cfg"

# A second start on this desktop, with everything minimised: the running copy comes back
# to the front with the child's window active, and the second one ends.
xdotool windowminimize --sync "$(window BackForm)"
wait_gone Define 5 || fail "minimising left the definition window up"
second_start_ends
window Define 5 >/dev/null || fail "the running copy did not come back"
xprop -id "$(xdotool getactivewindow)" WM_WINDOW_ROLE | grep -q '"Define"' || fail "the definition window is not active"
windows=$(for id in $(xdotool search --onlyvisible --class numbrella); do xprop -id "$id" WM_WINDOW_ROLE; done | grep -c '= "')
[ "$windows" = 2 ] || fail "a second set of windows: $windows"
# The background steps back behind the restored windows a moment later: a hand comes after that.
sleep 1

# Menu bar entries, left to right, in twips from the window's left edge.
FILE=300 CONFIGURE=1125 SCORES=2085 PROGRESS=3000 MUSIC=4110 HELP=5070 ABOUT=5760 MORE=6465

opens() {   # menu x, window role, then the clicks that close it
    local x=$1 role=$2
    shift 2
    click BackForm "$x" 150
    window "$role" >/dev/null || fail "the menu did not open $role"
    "$@"
    wait_gone "$role" 5 || fail "$role did not close"
    window Define 2 >/dev/null || fail "the definition window is gone after $role"
    xprop -id "$(xdotool getactivewindow)" WM_WINDOW_ROLE | grep -q '"Define"' || fail "the definition window is not active after $role"
}

opens $CONFIGURE Config eval 'click Config 5600 1050; click Config 4335 6487'   # Auto Advance off, Save
# The definition window shows her last practice at once: "Okay" right away saves that one.
click Define 2992 4027; click Practice 4057 2887                # Okay, the drill's Cancel
line "$PROGRAM/AAB.cfg" 2 | grep -q '^"2H2' || fail "Okay after Save kept the old definition: $(line "$PROGRAM/AAB.cfg" 2)"
[ "$(stat -c %a "$WORK/private")$(cat "$WORK/private")" = 600private ] || fail "written through a link: $(ls -l "$WORK/private")"
[ ! -L "$PROGRAM/AAB.cfg" ] && [ "$(line "$PROGRAM/AAB.cfg" 1)" = '"3"' ] && [ -L "$NUMBRELLA_ROOT/tmp/nbr.log" -o -z "${OTHER_USER:-}" ] \
    || fail "a link was not replaced by a save or was written to by the log"
# The details box shows while the pointer rests on the bar (12 right: 1272 twips high at 4420) and goes off it.
details() { xdotool mousemove --window "$(window ShowScores)" $(($1 / 15)) 147; sleep 0.5; colour_in ShowScores '#FFFF80' | cut -d' ' -f1; }
opens $SCORES ShowScores eval '[ "$(details 4487)" -gt 1000 ] && [ "$(details 5500)" = 0 ] || fail "details box"; sleep 1; click ShowScores 7807 4267'
opens $PROGRESS Progress keys Escape
opens $MUSIC Music click Music 6420 4920                      # Exit
opens $HELP HUTIL3 eval 'click HUTIL3 1560 6607; window HUTIL2 >/dev/null || fail "no viewer"; click HUTIL2 9720 7207'   # Display Topic, then the viewer's Exit closes both
opens $ABOUT GetPlayer eval 'keys alt+F4; click GetPlayer 6600 967'   # closed as OK is: the list, then That's me

click BackForm $MORE 150
keys Down Return                                             # Send us your comments
for _ in $(seq 30); do [ -e "$PROGRAM/sendcom.htm" ] && break; sleep 0.1; done
head -c 15 "$PROGRAM/sendcom.htm" | grep -q '<!DOCTYPE html>' || fail "the comments page was not written"

click BackForm $FILE 150
keys Down Return                                             # Exit
program_ends || fail "File / Exit did not end the program"
# Its address is left behind, as by a killed copy. Another account, having learnt its name,
# listens there: no copy of the child's, so the next start runs and takes the address over.
address=$(find "$NUMBRELLA_ROOT/tmp" -name 'numbrella-*' -type s) && [ -n "$address" ] || fail "no address left behind"
rm "$address"
setpriv --reuid="$OTHER_USER" --regid="$OTHER_USER" --clear-groups /usr/bin/python3 -c \
    'import socket, sys, time; s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(8); time.sleep(30)' "$address" & OTHER_PIDS="${OTHER_PIDS:-} $!"
for _ in $(seq 50); do [ -S "$address" ] && break; sleep 0.1; done
[ "$(stat -c %U "$address")" = "$OTHER_USER" ] || fail "the other account does not listen at $address"
start_program
window GetPlayer 15 >/dev/null || fail "another user's listener, or the address left behind, stopped the next start"
second_start_ends
# The same screen however its name is spelt.
for spelling in "$DISPLAY.0" "unix$DISPLAY"; do DISPLAY=$spelling second_start_ends; done
# The remove question: Space on the button with the focus, then Escape, both answer No.
for key in space Escape; do
    click GetPlayer 6600 2947; window M_Boxx >/dev/null || fail "no remove question"; keys $key
    wait_gone M_Boxx 2 && [ -e "$PROGRAM/AAB.cfg" ] && grep -q Ann "$PROGRAM/Players" || fail "$key removed Ann"
done
keys alt+F4                                                  # the close box is Exit
program_ends || fail "closing the player list did not end the program"

# The screen chooses the size. Each run: screen size, QT_SCALE_FACTOR; leaves W, H and the scale.
size() { local id; id=$(window "$1") || fail "no window $1"; eval "$(xdotool getwindowgeometry --shell "$id")"; W=$WIDTH H=$HEIGHT; }
run_on() {
    # Waits for these only: the other account's listener above sleeps on for half a minute.
    kill ${APP_PID:-} "$WM_PID" "$XVFB_PID" || true; wait ${APP_PID:-} "$WM_PID" "$XVFB_PID" 2>/dev/null || true
    start_screen "$1"; unset NUMBRELLA_SCALE; QT_SCALE_FACTOR=$2 start_program
    size GetPlayer; SCALE_PERMILLE=$((W * 1000 / 528))   # the player window is drawn 528 pixels wide
    click GetPlayer 6600 967 && window Define >/dev/null || fail "no definition window at $1"
}
printf 'BigDrill=0\r\n' > "$PROGRAM/AAB.opt"   # the drill at the program's scale, not the big drill of a wide screen
run_on 1920x1080 1; size Define; define_h=$H
click Define 3000 4030; size Practice                        # Okay: the drill, drawn 226 pixels high
[ "$H" -ge 270 ] && [ $((define_h * 226 / 308 - H)) -le 2 ] && [ $((H - define_h * 226 / 308)) -le 2 ] || fail "on 1920x1080 the drill is $H pixels high, the definition window $define_h"
run_on 1280x800 2
on_screen() { size "$1"; [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + W)) -le 1280 ] && [ $((Y + H)) -le 800 ] || fail "$1 at $X,$Y, $W x $H, leaves 1280x800"; }
on_screen Define; click Define 3000 4030; on_screen Practice; click Practice 4057 2887    # Okay, the drill, Cancel
click BackForm $HELP 150; on_screen HUTIL3; click HUTIL3 1560 6607; on_screen HUTIL2    # the largest window
echo "1 passed, 0 failed"
