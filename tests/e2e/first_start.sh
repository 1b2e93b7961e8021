#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A family's first start, with the activity log on: a child adds her name, defines a
# practice, drills through a minute (on the drill's quick clock), sees her scores and leaves through the menu.
source "$(dirname "$0")/lib.sh"
start_screen
start_program log

# No players yet: the name dialog opens by itself.
window NewGuy 15 >/dev/null || fail "the name dialog did not open by itself"
type_text "Ann"
keys Return
window Grade >/dev/null || fail "no grade dialog"
click Grade 600 900          # N/A, the first line of the list
keys Down Down Down           # from N/A to 3
click Grade 3367 1605         # OK
window GetPlayer >/dev/null || fail "no player list"
click GetPlayer 6600 967      # That's me

# The introductory notice, once, then the definition window.
sleep 1
keys Return
window Define >/dev/null || fail "no definition window"
# Cancel before any drill, then back in: "1 Minute" alone starts a drill (her level's operation).
click Define 4807 4027; click GetPlayer 6600 967; click Define 6210 1665
window Practice >/dev/null || fail "1 Minute without an operation did not start a drill"
click Practice 4057 2887      # Cancel
click Define 720 2505         # Multiplication
click Define 2970 2505        # Just...
click Define 4490 2385        # 3
click Define 6210 1665        # 1 Minute: closes the window and starts the drill

window Practice >/dev/null || fail "the drill did not start"
drill_started
for _ in 1 2 3; do
    type_text "0"
    keys Return                # wrong
    click Practice 937 2887    # Show Answer
    keys Return                # the shown answer, judged right
done

window ShowScores 75 >/dev/null || fail "no score window after the minute"
elapsed=$(drill_elapsed)
# No right answer, six attempts: the red bar stands 6 of the scale's 7 (1656 twips), inside the chart.
[[ "$(colour_in ShowScores '#FF0000' 576x186+0+0)" =~ ^[0-9]+\ [0-9]+x1(09|10|11)\+ ]] || fail "red bar: $(colour_in ShowScores '#FF0000' 576x186+0+0)"
[ "$elapsed" -ge 55 ] && [ "$elapsed" -le 66 ] || fail "the practice lasted $elapsed s"
sleep 2.5
click ShowScores 7807 4267    # Exit, once the window has been up two seconds
window Define 10 >/dev/null || fail "not back at the definition window"

# File, then Exit.
click BackForm 300 150
sleep 0.5
keys Down Return
program_ends || fail "File / Exit did not end the program"

[ "$(cat "$PROGRAM/Players" | tr -d '\r')" = "$(printf '1\n"Ann"\n"AAB  "')" ] || fail "player list: $(cat "$PROGRAM/Players")"
ini=$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI
[ "$(line "$ini" 1)" = "\"$PROGRAM\"" ] || fail "settings line 1: $(line "$ini" 1)"
[ "$(line "$ini" 2)" = '"AAB  "' ] || fail "settings line 2: $(line "$ini" 2)"
[ "$(line "$ini" 3)" = '"Ann"' ] || fail "settings line 3: $(line "$ini" 3)"
[ "$(line "$ini" 9)" = "0" ] || fail "the notice was not marked as shown"
[ "$(wc -l < "$PROGRAM/AAB.scr")" = 1 ] || fail "score history: $(cat "$PROGRAM/AAB.scr")"
line "$PROGRAM/AAB.scr" 1 | grep -qE '^"2H1[0-9]{12}000006"$' || fail "score record: $(cat "$PROGRAM/AAB.scr")"
[ "$(line "$PROGRAM/AAB.cfg" 1)" = '"3"' ] || fail "grade: $(line "$PROGRAM/AAB.cfg" 1)"
line "$PROGRAM/AAB.cfg" 2 | grep -q '^"2H1' || fail "current practice: $(line "$PROGRAM/AAB.cfg" 2)"
log=$NUMBRELLA_ROOT/tmp/nbr.log
checkpoints=$(tr -d '\r"' < "$log" | grep -xE '[a-h]' | tr -d '\n')
[ "$checkpoints" = "abcdefhh" ] || fail "start-up checkpoints (and the list again after Cancel): $checkpoints"
# The synthesizer takes a new volume, so the MIDI probe runs all its steps between "d" and "e".
probe=$(tr -d '\r"' < "$log" | sed -n '/^d$/,/^e$/p' | tr -d '\n')
[ "$probe" = "dv1v2v3v4v5v6v7e" ] || fail "MIDI volume probe: $probe"
grep -qxF '"24: Auto=0 CL_num=0 Num=-3 AdMins=0 Mins=1"'$'\r' "$log" || fail "first evaluation line missing: $(cat "$log")"
grep -qxF '"    CL_Func=0 Func=2 Correct=0 Ninety=0 Adnum=0 Adright=0"'$'\r' "$log" || fail "second evaluation line missing"
echo "1 passed, 0 failed"
