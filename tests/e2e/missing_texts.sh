#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Without "nbr.txx" the program stops at the first text it needs, with its message.
source "$(dirname "$0")/lib.sh"
rm "$PROGRAM/nbr.txx"
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
start_screen
start_program
window GetPlayer 15 >/dev/null || fail "no player list"
click GetPlayer 2760 930      # Ann
click GetPlayer 6600 967      # That's me: the definition window wants its first-run notice
box=""
for _ in $(seq 100); do box=$(xdotool search --onlyvisible --name '^Aborting$' 2>/dev/null | head -1) && [ -n "$box" ] && break; sleep 0.1; done
[ -n "$box" ] || fail "no Aborting message"
xdotool windowactivate --sync "$box" 2>/dev/null || true
keys Return
program_ends || fail "the program did not end after the message"
echo "1 passed, 0 failed"
