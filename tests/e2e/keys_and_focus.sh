#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# The keyboard keeps what the child sees, and shows where it is: a ring round the focus from
# the moment a window opens; Return in the definition window starts the practice shown, its
# groups are entered on the ticked option and looked through with the arrows; F10 and Alt open
# the menu from both help windows; the volume bar moves with the keys; the colour squares
# are one Tab stop, gone through with the arrows row by row.
source "$(dirname "$0")/lib.sh"
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAC  "\r\n""\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
# Her last practice: Subtraction, Just 5, 3 minutes.
printf '"3"\r\n"1F3200611121530000000"\r\n0\r\n"0H1200611121530000000"\r\n10\r\n1\r\n3\r\n1\r\n12640511\r\n' \
    > "$PROGRAM/AAB.cfg"
start_screen
start_program
window GetPlayer 15 >/dev/null && keys Down Return && window Define >/dev/null || fail "no definition window"
sleep 0.5

# A ring two pixels wide just round the control at (x, y) twips, w by h, in window $1.
ring_ok() {
    local w=$(($4 / 15 + 6)) h=$(($5 / 15 + 6)) n
    n=$(colour_in "$1" 'rgb(0,0,160)' "${w}x$h+$(($2 / 15 - 3))+$(($3 / 15 - 3))" | cut -d' ' -f1)
    [ "$n" -ge $(( (w + h - 12) * 4 )) ] || fail "no ring round $1 at $2,$3: $n pixels"
}
snap() {   # window role, file, crop (WxH+X+Y pixels) when given
    import -window "$(window "$1")" "$WORK/shot.png" || fail "no window $1"
    convert "$WORK/shot.png" ${3:+-crop "$3"} "$WORK/$2.png"
}
differ() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" != 0 ]; }
practice() {   # the keys, then what the settings file holds as her practice, and the drill cancelled
    keys $1
    window Practice >/dev/null || fail "$1 did not start a drill"
    line "$PROGRAM/AAB.cfg" 2 | grep -q "^\"$2" || fail "$1 started $(line "$PROGRAM/AAB.cfg" 2), not $2"
    keys Escape && wait_gone Practice 5 && sleep 0.3 || fail "Escape did not cancel the drill"
}

# The ring is on "Okay" as the window opens, and Return there starts the practice shown.
ring_ok Define 2265 3780 1455 495
practice Return 1F3
# Arrows look round each group without a tick; Tab comes in on the ticked one; Return on the
# ticked time starts the practice shown.
practice "Tab Tab Down Tab Down Tab Down Tab Return" 1F3
# Space ticks: Multiplication, then 2 Minutes (which starts it).
practice "Tab Tab Down space Tab Tab Tab Up space" 2F2

# F10 in the table of contents opens the menu (M: the music break).
keys alt h && window HUTIL3 >/dev/null && sleep 0.5 || fail "Help did not open the topics"
keys F10 m && window Music >/dev/null && sleep 1 || fail "F10 in the table of contents opened no menu"
# The volume bar, just before "Exit" in the Tab order, takes the arrow and Page keys; the
# volume they set is the one the bar shows when the window opens again.
BAR=28x236+446+54
snap Music bar0 $BAR
keys shift+Tab shift+Tab
ring_ok Music 6690 810 420 3540
keys Down Down
snap Music bar2 $BAR
keys Next
snap Music bar6 $BAR
differ bar0 bar2 && differ bar2 bar6 || fail "the volume bar does not move with Down and Page Down"
keys Escape && wait_gone Music 5 && keys F10 m && window Music >/dev/null && sleep 1 || fail "no music again"
snap Music again $BAR
differ bar6 again && fail "the volume set by keys is not the one kept"
keys Escape && wait_gone Music 5 || fail "Escape did not close the music"

# Alt in the viewer opens the menu (C: the configuration).
keys Return && window HUTIL2 >/dev/null && sleep 0.5 || fail "Return on a topic did not show it"
keys alt c && window Config >/dev/null && sleep 0.5 || fail "Alt in the viewer opened no menu"
# Ten Tab stops: the format, the sixteen colours as one, Auto Advance, Grade, Big drill, Answer
# sounds, Language and the buttons.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
snap Config cycle1
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
snap Config cycle2
keys Tab
snap Config cycle2b
differ cycle1 cycle2 || ! differ cycle1 cycle2b && fail "Tab does not go round the configuration in 10 steps"
# On the colours (the Tab above came to them from the format): right, right, down is the second row's third, 255 224 224.
keys Right Right Down space
pink=$(colour_in Config 'rgb(255,224,224)' | cut -d' ' -f1)
[ "$pink" -gt 100000 ] || fail "the arrows did not reach the second row's third colour ($pink pixels)"
keys Escape && wait_gone Config 5 && keys Escape && wait_gone HUTIL3 5 || fail "the configuration or the help stays open"
keys alt f x && program_ends || fail "File / Exit did not end the program"
[ "$(line "$PROGRAM/AAB.cfg" 9)" = 12640511 ] || fail "Cancel in the configuration saved a colour"
echo "1 passed, 0 failed"
