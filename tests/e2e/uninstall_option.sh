#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# "numbrella u": the uninstaller starts, the program ends, and nothing is read or written.
source "$(dirname "$0")/lib.sh"
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
start_program u log
program_ends || fail "the program did not end"
for _ in $(seq 50); do [ -e "$PROGRAM/numbrella" ] || break; sleep 0.1; done
[ -e "$PROGRAM/numbrella" ] || [ -e "$PROGRAM/nbr.txx" ] && fail "the uninstaller did not run"
[ -e "$PROGRAM/Players" ] || fail "the uninstaller removed the players' files"
[ -e "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI" ] && fail "a settings file was written"
[ -e "$NUMBRELLA_ROOT/tmp/nbr.log" ] && fail "a log was written"
echo "1 passed, 0 failed"
