#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A 1-minute drill (Addition, Just 3) in which Ann answers 7 to every problem, right for 3 + 4
# only, and then takes Show Answer. Progress then shows those
# facts as the facts file says they went: the overview's CSV counts the known ones and the
# right answers a minute; the report (a PDF) has her name, each asked fact's letter in its grid and
# a square's colour, the missed facts among those to practise; the practice sheet her name and the
# missed facts twice, answered on page 2.
source "$(dirname "$0")/lib.sh"
# The real clock: a minute of answers brings 3 + 4 up often enough, and the drill's real
# minute is checked here.
export NUMBRELLA_DRILL_SECOND_MS=1000
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
printf '"%s"\r\n"AAB  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
printf '"3"\r\n"0H1200611121530000000"\r\n0\r\n"0H1200611121530000000"\r\n10\r\n1\r\n3\r\n1\r\n12640511\r\n' > "$PROGRAM/AAB.cfg"
# Two earlier drills answered 3 + 4 right and fast: one more such answer makes it known.
printf '0,3,4,1,12,"20061111153000"\r\n0,3,4,1,9,"20061112153000"\r\n' > "$PROGRAM/AAB.fct"
start_screen
start_program
window GetPlayer 15 >/dev/null || fail "no player list"
click GetPlayer 6600 967                                   # That's me
window Define >/dev/null && click Define 2992 4027         # Okay
window Practice >/dev/null || fail "no drill"
drill_started
ROUNDS=0
until window ShowScores 0 >/dev/null 2>&1; do
    window Practice 0 >/dev/null 2>&1 || continue
    # 7, right for 3 + 4 only; then Show Answer and Enter, on the same problem after a miss,
    # on the next one (a miss there) after a right answer.
    type_text 7; keys Return; click Practice 937 2887; keys Return
    ROUNDS=$((ROUNDS + 1))
done
elapsed=$(drill_elapsed)
[ "$elapsed" -ge 55 ] && [ "$elapsed" -le 66 ] || fail "the practice lasted $elapsed s"
sleep 2.2; click ShowScores 7807 4267; wait_gone ShowScores 5 || fail "the scores stay"
# The drill added every answer: right only for 3 + 4, 7 typed for every wrong one, and Show
# Answer first (nothing typed) only just after a right answer, which is also the only time a
# 3 + 4 is missed; one or two per round (the last round may have come too late).
tr -d '\r' < "$PROGRAM/AAB.fct" > "$WORK/facts"
tail -n +3 "$WORK/facts" | awk -F, -v n="$ROUNDS" '$1 != 0 || $2 != 3 || ($4 == 1 && $3 != 4) || ($4 != 1 && $3 == 4 && last != 1) ||
        ($4 == 0 && $7 != 7) || ($4 == 2 && (last != 1 || $7 != "")) || NF != 7 { bad++ } { last = $4; right += ($4 == 1) }
    END { exit !(!bad && right && NR > right && NR >= n - 1 && NR <= 2 * n) }' \
    || fail "facts file after $ROUNDS rounds: $(tr '\n' ' ' < "$WORK/facts")"
# Each fact's letter by the rule of the manual: P last missed, K three right within 3 s, L otherwise.
awk -F, '{ k = $2 "," $3; n[k]++; h[k] = h[k] ($4 == 1 && $5 <= 30 ? "k" : ($4 == 1 ? "l" : "p")) }
    END { for (k in n) print k, (substr(h[k], n[k]) == "p" ? "P" : (n[k] >= 3 && substr(h[k], n[k] - 2) == "kkk" ? "K" : "L")) }' \
    "$WORK/facts" > "$WORK/letters"

save() {   # the button's x in twips; the file: Qt's own save dialog takes the path typed and Return
    click Progress "$1" 5047
    xdotool search --sync --onlyvisible --name "$2" >/dev/null
    sleep 0.5; keys ctrl+a; type_text "$3"; keys Return
    for _ in $(seq 50); do [ -s "$3" ] && break; sleep 0.1; done
    [ -s "$3" ] || fail "$3 was not written"
}
click BackForm 3000 150                                    # Progress
window Progress >/dev/null || fail "no Progress window"
click Progress 700 450; keys Right Right Right Right       # the tabs: Addition, then All children
save 6900 "Export CSV" "$WORK/class.csv"
KNOWN=$(grep -c ' K$' "$WORK/letters" || true)
# Right answers per minute over the latest 100, each answer counted from 0.1 s up to 30 s.
FLUENCY=$(tail -n 100 "$WORK/facts" | awk -F, '{ t = $5 < 1 ? 1 : ($5 > 300 ? 300 : $5); s += t; r += ($4 == 1) }
    END { if (NR >= 10) printf "%.1f", r * 600 / s }')
head -c 3 "$WORK/class.csv" | cmp -s - <(printf '\xef\xbb\xbf') || fail "the CSV starts without a byte-order mark"
sed -n 2p "$WORK/class.csv" | grep -q "^Ann,3,\"Addition, Just 3\",[0-9-]*,1,$KNOWN,$FLUENCY,0,,0,,0,"$'\r'"\$" \
    || fail "the overview says $(sed -n 2p "$WORK/class.csv"), the facts file $KNOWN known, $FLUENCY a minute"
click Progress 700 450                                     # Addition
click Progress 5000 5047                                   # Save as PDF
save 3420 "Save as PDF" "$WORK/report.pdf"
pdftotext -layout "$WORK/report.pdf" "$WORK/report.txt"
grep -q "^Ann$" "$WORK/report.txt" || fail "no name on the report"
# Addition's grid: row T, the letter under column P; and every missed fact among those to practise
# (pdftotext leaves out the blanks of some short lines).
awk '/^ *\+ +1 +2 +3/ { g = 1; next } g && /^ *[0-9]+ +[.KLP] / && ++rows <= 10 { for (i = 2; i <= 11; i++) print $1 "," (i - 1), $i }' \
    "$WORK/report.txt" > "$WORK/grid"
while read -r fact letter; do
    grep -qx "$fact $letter" "$WORK/grid" || fail "the report's grid shows $(grep "^$fact " "$WORK/grid") for $fact, not $letter"
    [ "$letter" != P ] || grep -q "\b${fact%,*} *+ *${fact#*,} *= *$((${fact%,*} + ${fact#*,}))\b" "$WORK/report.txt" \
        || fail "the missed $fact is not among the facts to practise"
done < "$WORK/letters"
# The square of 3 + 4 in its colour: found under the heading 4 of the grid's top row (the first "+"
# drawn is the grid's corner) and beside the heading 3 of its left column, on the page at 72 dots an inch.
read -r x y < <(pdftotext -bbox -f 1 -l 1 "$WORK/report.pdf" - | awk -F'"' '/<word/ {
        x = ($2 + $6) / 2; y = ($4 + $8) / 2; sub(/<.*/, "", $9); sub(/^>/, "", $9)
        if (!corner && $9 == "+") { corner = 1; cx = x; cy = y; next }
        if (corner && $9 == "4" && y > cy - 1 && y < cy + 1 && !col) col = x
        if (corner && $9 == "3" && x > cx - 1 && x < cx + 1 && !row) row = y }
    END { printf "%d %d\n", col - 5, row - 5 }')
pdftoppm -r 72 -f 1 -l 1 -singlefile -png "$WORK/report.pdf" "$WORK/page"
colour=$(convert "$WORK/page.png" -format "%[pixel:p{$x,$y}]" info:)
want=$(grep '^3,4 ' "$WORK/letters" | sed 's/.* K$/srgb(128,224,128)/; s/.* L$/srgb(255,255,128)/; s/.* P$/srgb(255,128,128)/')
[ "$colour" = "$want" ] || fail "the square of 3 + 4 at $x,$y is $colour, not $want"
save 1320 "Save as PDF" "$WORK/sheet.pdf"
pdftotext -layout -f 1 -l 1 "$WORK/sheet.pdf" "$WORK/sheet.txt"
pdftotext -layout -f 2 -l 2 "$WORK/sheet.pdf" "$WORK/answers.txt"
grep -q "Name: Ann" "$WORK/sheet.txt" || fail "no name on the sheet"
# Every missed fact twice, with its answer on page 2; nothing but the 3s of her level.
while read -r fact letter; do
    [ "$letter" = P ] || continue
    [ "$(grep -o "\b${fact%,*} *+ *${fact#*,} *=" "$WORK/sheet.txt" | wc -l)" -ge 2 ] || fail "the missed $fact is not twice on the sheet"
    grep -q "\b${fact%,*} *+ *${fact#*,} *= *$((${fact%,*} + ${fact#*,}))\b" "$WORK/answers.txt" || fail "no answer to $fact on page 2"
done < "$WORK/letters"
[ "$(grep -o "[0-9]* *+ *[0-9]* *=" "$WORK/sheet.txt" | grep -vc "^3 *+")" = 0 ] || fail "a problem outside her table 3"
keys Escape; wait_gone Progress 5 || fail "Escape did not close Progress"
echo "1 passed, 0 failed ($(wc -l < "$WORK/facts") answers, $(grep -c ' K$' "$WORK/letters" || true) known)"
