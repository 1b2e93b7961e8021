#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A family's first start on a Wayland desktop (weston), on the keyboard alone: the background
# covers the screen, undecorated, with the picture where the drill will stand; the child adds
# her name, chooses her grade and a practice, and the drill starts. A second start leaves the
# running copy alone.
source "$(dirname "$0")/lib.sh"
start_wayland_desktop
QT_QPA_PLATFORM=wayland "$PROGRAM/numbrella" >"$WORK/stdout" 2>&1 &
APP_PID=$!

screen() { import -window root "$WORK/screen.png"; }
# The pixels of colour $1 on the screen (within the crop $2, when given) and the box round them.
on_screen() { screen; colour_in_picture "$WORK/screen.png" "$1" "${2:-}"; }
# Waits up to $2 seconds (default 10) until the screen shows colour $1.
wait_for() { for _ in $(seq $((${2:-10} * 2))); do [ "$(on_screen "$1" | cut -d' ' -f1)" -gt 0 ] && return 0; sleep 0.5; done; return 1; }
colour_at() { convert "$WORK/screen.png" -format "%[hex:p{$1,$2}]" info:; }

# No players yet: the name dialog (lavender) opens by itself over the background.
wait_for '#C0C0FF' 15 || fail "the name dialog did not open by itself"
# The background's colour in every corner below weston's panel: no frame, no title bar, no
# desktop beside or below it.
for corner in "1 34" "1278 34" "1 798" "1278 798"; do
    [ "$(colour_at $corner)" = FFE0C0 ] || fail "the background does not cover the screen at $corner: $(colour_at $corner)"
done
# The picture sits where the drill will stand, in the window's own coordinates: its
# umbrella's shaft and hook (below the dialog, which weston places as it likes) stand in the
# middle of the screen, 15 pixels above the centre as on X11 (a window placed in the screen's
# coordinates has it lower by weston's panel).
[[ "$(colour_in_picture "$WORK/screen.png" '#5A3C28')" =~ ^[0-9]+\ 2[0-9]x7[0-9]\+63[0-9]\+39[0-9]$ ]] \
    || fail "picture out of place: $(colour_in_picture "$WORK/screen.png" '#5A3C28')"

type_text "Ann"
keys Return
sleep 1.5
keys Down Down Down Tab Return   # grade 3, then OK
sleep 1.5
keys Return                      # on her name in the player list: as a double-click
sleep 1.5
keys Return                      # the introductory notice
sleep 1.5
keys Down Down Tab Down Down Tab Down Down space Tab space   # Multiplication, Just..., 3, 1 Minute
wait_for '#8080FF' || fail "the drill did not start (no time bar)"
line "$PROGRAM/AAB.cfg" 2 | grep -q '^"2H1' || fail "the definition was not kept: $(line "$PROGRAM/AAB.cfg" 2)"

# A second start on this desktop ends at once; the running copy goes on.
XDG_ACTIVATION_TOKEN=numbrella-test-token QT_QPA_PLATFORM=wayland timeout 10 "$PROGRAM/numbrella" >"$WORK/second" 2>&1 \
    || fail "the second start did not end by itself"
kill -0 "$APP_PID" || fail "the running copy ended with the second start"

keys Escape                      # the drill cancelled: back at the definition
sleep 1.5
[ "$(on_screen '#8080FF' | cut -d' ' -f1)" = 0 ] || fail "Escape did not cancel the drill"
[ ! -e "$PROGRAM/AAB.scr" ] || fail "a cancelled drill left a score: $(cat "$PROGRAM/AAB.scr")"
[ "$(tr -d '\r' < "$PROGRAM/Players")" = "$(printf '1\n"Ann"\n"AAB  "')" ] || fail "player list: $(cat "$PROGRAM/Players")"
[ "$(line "$PROGRAM/AAB.cfg" 1)" = '"3"' ] || fail "grade: $(line "$PROGRAM/AAB.cfg" 1)"
echo "1 passed, 0 failed"
