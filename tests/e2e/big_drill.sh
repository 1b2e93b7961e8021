#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# The big drill, on by itself on a 1920x1080 screen at the size the screen chooses, answer sounds
# on: Ann's first practice (Multiplication, Just 1, 1 minute) in a drill at least 60% of the
# screen high with digits at least 54 pixels high; a right answer's green sign within 100 ms of
# the key; ten answers typed without a pause all counted; a word for her under the first chart.
source "$(dirname "$0")/lib.sh"
unset NUMBRELLA_SCALE
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAB  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
printf '"3"\r\n"2J1200611121530000000"\r\n0\r\n""\r\n0\r\n0\r\n0\r\n1\r\n12640511\r\n' > "$PROGRAM/AAB.cfg"
printf 'AnswerSounds=1\r\n' > "$PROGRAM/AAB.opt"
start_screen 1920x1080
start_program
eval "$(xdotool getwindowgeometry --shell "$(window GetPlayer 15)")" || fail "no player list"
SCALE_PERMILLE=$((WIDTH * 1000 / 528))   # the player window is drawn 528 pixels wide
click GetPlayer 6600 967 && window Define >/dev/null && click Define 3000 4030 || fail "no definition window"
DRILL=$(window Practice) || fail "no drill"
eval "$(xdotool getwindowgeometry --shell "$DRILL")"
px() { echo $(($1 * WIDTH / 5055)) $(($2 * HEIGHT / 3390)); }   # the drill's twips, whatever its size
[ "$HEIGHT" -ge 648 ] || fail "the drill is $WIDTH x $HEIGHT"
# The tallest dark thing in the problem's row left of "=": a digit.
import -window "$DRILL" "$WORK/drill.png"
read -r x y < <(px 2500 1000); read -r _ h < <(px 0 640)
digit=$(convert "$WORK/drill.png" -crop "${x}x${h}+0+${y}" -alpha off -fuzz 25% -fill white +opaque black -negate -format '%@' info:)
[[ "$digit" =~ ^[0-9]+x([0-9]+)\+ ]] && [ "${BASH_REMATCH[1]}" -ge 54 ] || fail "the problem's digits: $digit"

# Show Answer, then Return: a right answer, its sign watched for from the key's press.
read -r x y < <(px 937 2887)
xdotool mousemove --window "$DRILL" "$x" "$y" mousedown 1 sleep 0.08 mouseup 1 sleep 0.3
"$BIN_DIR/e2e_colour_watch" "$DRILL" $(px 480 120) $(px 4095 375) 008C00 2000 > "$WORK/watch" &
WATCH=$!
until grep -q ready "$WORK/watch"; do sleep 0.02; done
pressed=$(date +%s%3N)
xdotool keydown Return sleep 0.08 keyup Return
wait "$WATCH" || fail "no green sign after a right answer"
sign=$(($(tail -1 "$WORK/watch") - pressed))
[ "$sign" -le 100 ] || fail "the green sign came $sign ms after the key"
# 1 to 10 typed at once: one of them answers "1 x n", the next problem takes the rest as they come.
xdotool key --delay 30 1 Return 2 Return 3 Return 4 Return 5 Return 6 Return 7 Return 8 Return 9 Return 1 0 Return

window ShowScores 30 >/dev/null || fail "no score window after the minute"
message=$(colour_in ShowScores '#000000' "$((273 * SCALE_PERMILLE / 1000))x$((49 * SCALE_PERMILLE / 1000))+$((136 * SCALE_PERMILLE / 1000))+$((220 * SCALE_PERMILLE / 1000))")
[ "${message%% *}" -ge 100 ] || fail "no message under her first practice's chart: $message"
line "$PROGRAM/AAB.scr" 1 | grep -qE '^"2J1[0-9]{12}0(0[1-9]|10)011"$' || fail "11 tries, 1 to 10 right: $(cat "$PROGRAM/AAB.scr")"
echo "the drill ${WIDTH}x$HEIGHT, digits ${BASH_REMATCH[1]} pixels high, the green sign $sign ms after the key"
echo "1 passed, 0 failed"
