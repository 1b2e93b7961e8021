#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A family's first start on the keyboard alone (not one mouse event): a child adds her name,
# defines a practice, drills through a minute (on the drill's quick clock) with a wrong and a
# right answer, sees her scores, opens and closes every window of the menu, cancels a drill with Escape and leaves
# through the menu.
source "$(dirname "$0")/lib.sh"
start_screen
start_program

# No players yet: the name dialog opens by itself; Escape there never ends the program.
window NewGuy 15 >/dev/null || fail "the name dialog did not open by itself"
keys Escape
kill -0 "$APP_PID" || fail "Escape in the first name dialog ended the program"
type_text "Ann"
keys Return
window Grade >/dev/null || fail "no grade dialog"
keys Down Down Down Tab Return   # 3, then OK
window GetPlayer >/dev/null || fail "no player list"
keys Return                      # on her name: as a double-click

# The introductory notice, once, then the definition window.
sleep 1
keys Return
window Define >/dev/null || fail "no definition window"
# From "Okay": each group is entered on its ticked option, the arrows move, Space ticks.
keys Tab Tab Down Down space Tab Down Down space Tab Down Down space Tab Up Up space   # Multiplication, Just..., 3, 1 Minute

window Practice >/dev/null || fail "the drill did not start"
drill_started
keys Tab && type_text 0 && keys Return      # a digit typed on "Show Answer" goes into the answer: wrong
keys Tab Return ctrl+a ctrl+c Return        # Return on "Show Answer"; the answer is copied, then entered
drill_until 34                              # the second half: the missed fact comes back
keys Tab Return Return ctrl+v Return        # the next problem shown and entered; the missed one right

window ShowScores 75 >/dev/null || fail "no score window after the minute"
elapsed=$(drill_elapsed)
[ "$elapsed" -ge 55 ] && [ "$elapsed" -le 66 ] || fail "the practice lasted $elapsed s"
sleep 2.5
keys Escape                      # Exit, once the window has been up two seconds
window Define 10 >/dev/null || fail "not back at the definition window"

opens() {   # the keys that open a window from the menu, its role, the keys that close it
    keys $1
    window "$2" >/dev/null || fail "$1 did not open $2"
    sleep 2.2
    keys $3
    wait_gone "$2" 5 || fail "$3 did not close $2"
    window Define 2 >/dev/null || fail "the definition window is gone after $2"
}
opens "F10 Right Return" Config Escape
opens "alt s" ShowScores Escape
opens "F10 m" Music Escape
keys alt h
window HUTIL3 >/dev/null || fail "Help did not open the topics"
keys Down Return                 # a topic: as its double-click
window HUTIL2 >/dev/null || fail "Return on a topic did not show it"
keys Escape                      # the viewer's Exit closes the topics too
wait_gone HUTIL3 5 || fail "Escape in the viewer left the help open"
opens "F10 a" GetPlayer "Escape Return"      # the About panel's OK, then her name again

keys Return                      # "Okay" has the focus: the same practice again, cancelled by Escape
window Practice >/dev/null || fail "the second drill did not start"
keys Escape
wait_gone Practice 5 || fail "Escape did not cancel the drill"

keys alt f x                     # File, then Exit
program_ends || fail "File / Exit did not end the program"

[ "$(tr -d '\r' < "$PROGRAM/Players")" = "$(printf '1\n"Ann"\n"AAB  "')" ] || fail "player list: $(cat "$PROGRAM/Players")"
[ "$(line "$PROGRAM/AAB.cfg" 1)" = '"3"' ] || fail "grade: $(line "$PROGRAM/AAB.cfg" 1)"
# One record, Multiplication Just 3 for 1 minute: 1 right of 4 (the second drill left none).
[ "$(wc -l < "$PROGRAM/AAB.scr")" = 1 ] && line "$PROGRAM/AAB.scr" 1 | grep -qE '^"2H1[0-9]{12}001004"$' || fail "score history: $(cat "$PROGRAM/AAB.scr")"
echo "1 passed, 0 failed"
