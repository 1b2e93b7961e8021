#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A family's first start on a Wayland desktop (weston filling a virtual X screen, so that
# xdotool's keys reach it), on the keyboard alone: the background covers the screen,
# undecorated, with the picture where the drill will stand, and the child's keys take her
# through her name, grade and practice to the drill. A second start leaves the running copy be.
source "$(dirname "$0")/lib.sh"
start_screen
export XDG_RUNTIME_DIR=$WORK/run WAYLAND_DISPLAY=numbrella-test QT_QPA_PLATFORM=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --fullscreen --width=1280 --height=800 --socket=$WAYLAND_DISPLAY --idle-time=0 >"$WORK/weston.log" 2>&1 & OTHER_PIDS=$!
sleep 3   # weston, its panel and its background
"$PROGRAM/numbrella" >"$WORK/stdout" 2>&1 & APP_PID=$!

# "count WxH+X+Y" of colour $1 on the screen, once it shows some (10 s at most).
shown() {
    for _ in $(seq 20); do
        import -window root "$WORK/screen.png" && found=$(colour_in_picture "$WORK/screen.png" "$1")
        [ "${found%% *}" -gt 0 ] && break || sleep 0.5
    done; echo "$found"
}
[ "$(shown '#C0C0FF' | cut -d' ' -f1)" -gt 0 ] || fail "the name dialog (lavender) did not open by itself"
# The background's colour in every corner below weston's panel: no frame, no title bar.
for corner in 1,34 1278,34 1,798 1278,798; do
    [ "$(convert "$WORK/screen.png" -format "%[hex:p{$corner}]" info:)" = FFE0C0 ] || fail "the background does not cover $corner"
done
# The umbrella's shaft and hook (below the dialog weston places) in the middle of the screen,
# 15 pixels above its centre as on X11.
[[ "$(shown '#5A3C28')" =~ ^[0-9]+\ 2[0-9]x7[0-9]\+63[0-9]\+39[0-9]$ ]] || fail "picture out of place: $(shown '#5A3C28')"

# Her name; grade 3, then OK; Return on her name (a double-click); the introductory notice.
type_text "Ann"
for step in Return "Down Down Down Tab Return" Return Return; do keys $step; sleep 1.5; done
# From "Okay": each group is entered on its ticked option, the arrows move, Space ticks.
keys Tab Tab Down Down space Tab Down Down space Tab Down Down space Tab Up Up space   # Multiplication, Just..., 3, 1 Minute
[ "$(shown '#8080FF' | cut -d' ' -f1)" -gt 0 ] || fail "the drill did not start (no time bar)"
line "$PROGRAM/AAB.cfg" 2 | grep -q '^"2H1' || fail "not the practice chosen: $(line "$PROGRAM/AAB.cfg" 2)"

XDG_ACTIVATION_TOKEN=test-token timeout 10 "$PROGRAM/numbrella" && kill -0 "$APP_PID" \
    || fail "the second start did not end by itself, or the running copy ended with it"
echo "1 passed, 0 failed"
