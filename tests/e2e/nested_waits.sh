#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Windows whose code waits in a dialog outlive what happens meanwhile. Ann's minute ends while
# Progress's save dialog is open; under the score window the dialog is cancelled and Progress
# left with Exit. Then About chooses Bob while the drill still waits for its score window.
# The program goes on, and the sanitizers see no freed memory touched.
source "$(dirname "$0")/lib.sh"
printf '2\r\n"Bob"\r\n"AAC  "\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAD  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
printf '"3"\r\n"0K1200611121530000000"\r\n0\r\n"0K1200611121530000000"\r\n10\r\n1\r\n3\r\n1\r\n12640511\r\n' | tee "$PROGRAM/AAC.cfg" > "$PROGRAM/AAB.cfg"
alive() { sleep 1; ! grep -A12 'AddressSanitizer\|runtime error\|double free' "$WORK/stdout" && kill -0 "$APP_PID" || fail "died after $1"; }
start_screen
start_program
window GetPlayer 15 >/dev/null && click GetPlayer 6600 967                   # That's me
window Define >/dev/null && click Define 2992 4027                           # Okay: Addition, All, 1 minute
window Practice >/dev/null && click BackForm 3000 150 && window Progress >/dev/null || fail "no Progress during the drill"
click Progress 5000 5047; click Progress 1320 5047                           # Save as PDF, Print practice sheet
DIALOG=$(xdotool search --sync --onlyvisible --name "^Save as PDF$" | head -1)
! window ShowScores 0 >/dev/null 2>&1 && window ShowScores 70 >/dev/null || fail "no score window over the save dialog"
xdotool windowactivate --sync "$DIALOG" key Escape; sleep 0.5               # Cancel
click Progress 8700 5047; wait_gone Progress 5 || fail "Exit did not close Progress"
alive "Exit in Progress, its save dialog cancelled under the score window"
click BackForm 5760 150; window GetPlayer >/dev/null || fail "no About panel"
click GetPlayer 6600 4552; click GetPlayer 3800 950; click GetPlayer 6600 967   # OK, Bob, That's me
click ShowScores 7807 4267; wait_gone ShowScores 5 || fail "the scores stay"
alive "About chose Bob while the drill waited for its score window"
window Define >/dev/null && [ "$(grep -c '^"0K1' "$PROGRAM/AAB.scr")" = 1 ] || fail "no practice for Bob, or Ann's score lost"
echo "2 passed, 0 failed"
