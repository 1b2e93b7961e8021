#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# The big drill on a 1920x1080 screen at the size the screen chooses, with answer sounds on: a
# girl of grade 2 (Multiplication, Just 1, 1 minute, her first practice) sees a drill at least 60%
# of the screen high with digits at least 54 pixels high; a right answer shows its green sign
# within 100 ms; ten answers typed without a pause all count; her first practice's score window
# has a word for her; F11 turns the big drill over for one drill only.
source "$(dirname "$0")/lib.sh"
unset NUMBRELLA_SCALE   # the screen chooses
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAB  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
printf '"2"\r\n"2J1200611121530000000"\r\n0\r\n""\r\n0\r\n0\r\n0\r\n1\r\n12640511\r\n' > "$PROGRAM/AAB.cfg"
printf 'AnswerSounds=1\r\n' > "$PROGRAM/AAB.opt"
start_screen 1920x1080
start_program
eval "$(xdotool getwindowgeometry --shell "$(window GetPlayer 15)")" || fail "no player list"
SCALE_PERMILLE=$((WIDTH * 1000 / 528))   # the player window is drawn 528 pixels wide
click GetPlayer 6600 967                 # That's me
window Define >/dev/null && click Define 3000 4030 || fail "no definition window"   # Okay
DRILL=$(window Practice) || fail "no drill"
drill_started
# The drill's own twips: it is drawn 5055 x 3390 of them, whatever its size.
eval "$(xdotool getwindowgeometry --shell "$DRILL")"
px() { echo $(($1 * WIDTH / 5055)) $(($2 * HEIGHT / 3390)); }
[ "$HEIGHT" -ge 648 ] && [ $((X + WIDTH / 2 - 960)) -le 2 ] && [ $((960 - X - WIDTH / 2)) -le 2 ] \
    || fail "the drill is $WIDTH x $HEIGHT at $X,$Y: not 60% of 1080 high, or not centred"
# The tallest dark thing in the problem's row, left of "=": a digit.
import -window "$DRILL" "$WORK/drill.png"
read -r x y < <(px 2500 1000); read -r _ h < <(px 0 640)
digit=$(convert "$WORK/drill.png" -crop "${x}x${h}+0+${y}" +repage -alpha off -fuzz 25% -fill white +opaque black \
    -fill black -opaque black -negate -format '%@' info:)
[[ "$digit" =~ ^[0-9]+x([0-9]+)\+ ]] && [ "${BASH_REMATCH[1]}" -ge 54 ] || fail "the problem's digits: $digit"
DIGIT_PX=${BASH_REMATCH[1]} DRILL_SIZE="${WIDTH}x${HEIGHT}"

# Show Answer, then Return: a right answer. Its green sign, from the key's press.
read -r x y < <(px 937 2887)
xdotool mousemove --window "$DRILL" "$x" "$y" mousedown 1 sleep 0.08 mouseup 1
sleep 0.3
read -r x y < <(px 480 120); read -r w h < <(px 4095 375)
"$BIN_DIR/e2e_colour_watch" "$DRILL" "$x" "$y" "$w" "$h" 008C00 2000 > "$WORK/watch" &
WATCH=$!
for _ in $(seq 50); do grep -q ready "$WORK/watch" && break; sleep 0.02; done
pressed=$(date +%s%3N)
xdotool keydown Return sleep 0.08 keyup Return
wait "$WATCH" || fail "no green sign after a right answer"
seen=$(tail -1 "$WORK/watch")
[ $((seen - pressed)) -le 100 ] || fail "the green sign came $((seen - pressed)) ms after the key"
# 1 to 10 typed at once: exactly one of them answers 1 x the number shown, and the next problem
# takes the rest as they come.
xdotool key --delay 30 1 Return 2 Return 3 Return 4 Return 5 Return 6 Return 7 Return 8 Return 9 Return 1 0 Return

SCORES=$(window ShowScores 30) || fail "no score window after the minute"
# Her first practice: a message in bold black under the chart.
[[ "$(colour_in ShowScores '#000000' "$((4095 * SCALE_PERMILLE / 15000))x$((735 * SCALE_PERMILLE / 15000))+$((2040 * SCALE_PERMILLE / 15000))+$((3300 * SCALE_PERMILLE / 15000))")" =~ ^([0-9]+)\  ]] \
    && [ "${BASH_REMATCH[1]}" -ge 100 ] || fail "no message under her first practice's chart"
[ "$(wc -l < "$PROGRAM/AAB.scr")" = 1 ] && line "$PROGRAM/AAB.scr" 1 | grep -qE '^"2J1[0-9]{12}0(0[1-9]|10)011"$' \
    || fail "every answer typed should count (11 tries, 1 to 10 right): $(cat "$PROGRAM/AAB.scr")"
sleep 2.2
click ShowScores 7807 4267                # Exit
wait_gone ShowScores 5 || fail "the scores stay"

# F11 draws this drill as designed, and big again; her options stay as they were.
window Define >/dev/null && click Define 3000 4030 || fail "no second drill"
DRILL=$(window Practice) || fail "no second drill"
height() { sleep 0.5; eval "$(xdotool getwindowgeometry --shell "$DRILL")"; echo "$HEIGHT"; }
keys F11; [ "$(height)" -le 345 ] || fail "F11 left the drill $(height) pixels high"
keys F11; [ "$(height)" -ge 648 ] || fail "F11 again left the drill $(height) pixels high"
keys Escape; wait_gone Practice 5 || fail "Escape did not cancel the drill"
[ "$(cat "$PROGRAM/AAB.opt")" = "$(printf 'AnswerSounds=1\r')" ] || fail "options: $(cat "$PROGRAM/AAB.opt")"
echo "the drill $DRILL_SIZE; digits ${DIGIT_PX} pixels high; the green sign $((seen - pressed)) ms after the key"
echo "1 passed, 0 failed"
