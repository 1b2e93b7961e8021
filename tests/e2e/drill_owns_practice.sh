#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# The menu stays usable during a drill, and nothing its windows do changes the drill's
# practice: Ann's record holds this drill's counts only, under its own definition and child.
source "$(dirname "$0")/lib.sh"
printf '2\r\n"Bob"\r\n"AAC  "\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAD  "\r\n""\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
# Both children's level is Addition Just 3 for 1 minute, goal more than 10 right; Ann's 12 of 15 meets it.
printf '"3"\r\n"0H1200611121530000000"\r\n1\r\n"0H1200611121530000000"\r\n10\r\n1\r\n3\r\n1\r\n12640511\r\n' \
    | tee "$PROGRAM/AAB.cfg" > "$PROGRAM/AAC.cfg"
printf '"0H1200612011000012015"\r\n' | tee "$PROGRAM/AAB.scr" > "$PROGRAM/AAC.scr"
start_screen
start_program
window GetPlayer 15 >/dev/null || fail "no player list"
click GetPlayer 6600 967                       # That's me, nobody chosen: a message
click M_Boxx 2347 -613; sleep 1                # OK, and a moment to find her name
click GetPlayer 3800 1350; click GetPlayer 6600 967  # the first click after it counts: Ann, That's me

drill() { window Define >/dev/null && click Define 2992 4027 && window Practice >/dev/null || fail "no drill"; }   # Okay
answer() { for _ in $(seq "$1"); do click Practice 937 2887; keys Return; done; }   # Show Answer, Enter: 1 attempt, 0 right
menu() { click BackForm "$1" 150; window "$2" >/dev/null || fail "no $2"; }   # entry's x in twips, window
exit_scores() { sleep 2.2; click ShowScores 7807 4267; wait_gone ShowScores 5 || fail "the scores stay"; }
FAILED=0   # a record that does not match is told, and the next scenario still runs
record() { line "$PROGRAM/AAB.scr" "$1" | grep -qE "^\"$2\"$" || { echo "FAILED: $3: $(tr -d '\r' < "$PROGRAM/AAB.scr" | tr '\n' ' ')" >&2; FAILED=1; }; }

# Scores during a drill: its evaluation moves Ann's level on; the drill keeps Just 3 and its tally.
drill; answer 2
menu 2085 ShowScores; exit_scores
answer 1
window ShowScores 70 >/dev/null || fail "no score window after the minute"; exit_scores
record 2 '0H1[0-9]{12}000003' "Scores during the drill"
line "$PROGRAM/AAB.cfg" 4 | grep -q '^"0G1' || fail "level not moved on: $(line "$PROGRAM/AAB.cfg" 4)"

# Configuration during a drill, dragged aside: the answers typed meanwhile count.
drill; answer 1
menu 1125 Config; xdotool windowmove "$(window Config)" 700 0
answer 2
click Config 6270 6487; wait_gone Config 5 || fail "the configuration stays"   # Cancel
answer 1
window ShowScores 70 >/dev/null || fail "no score window after the minute"; exit_scores
record 3 '0G1[0-9]{12}000004' "Configuration during the drill"

# About, OK, then Bob during Ann's drill: her drill ends as Cancel ends it; nobody gets a record.
drill; answer 1
menu 5760 GetPlayer
click GetPlayer 6600 4552; click GetPlayer 3800 950  # OK, Bob's row
click GetPlayer 6600 967                       # That's me
wait_gone Practice 3 && window Define >/dev/null || fail "Ann's drill went on under Bob"
[ "$(wc -l < "$PROGRAM/AAB.scr")$(wc -l < "$PROGRAM/AAC.scr")" = 31 ] || fail "histories: $(cat "$PROGRAM"/*.scr)"
[ "$FAILED" = 0 ] || fail "a scenario above"
echo "3 passed, 0 failed"
