#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Two computers of a school on one shared program folder, each with its own screen and
# settings: names added in turn on both are all kept, each with a key of its own; a child
# removed on one while she drills on the other leaves nothing in another child's files.
source "$(dirname "$0")/lib.sh"
printf '1\r\n"Ann"\r\n"AAB  "\r\n' > "$PROGRAM/Players"
declare -A screen
for copy in A B; do
    export NUMBRELLA_ROOT=$WORK/root$copy
    mkdir -p "$NUMBRELLA_ROOT/tmp" "$NUMBRELLA_ROOT/var/lib/numbrella"
    start_screen
    start_program
    screen[$copy]=$DISPLAY
    OTHER_PIDS="${OTHER_PIDS:-} $APP_PID $WM_PID $XVFB_PID"
    window GetPlayer 15 >/dev/null || fail "no player list on computer $copy"
done

add() {   # computer, name
    export DISPLAY=${screen[$1]}
    click GetPlayer 6600 1627     # Add new name
    window NewGuy >/dev/null || fail "no name dialog on computer $1"
    type_text "$2"
    keys Return
    window Grade >/dev/null || fail "no grade dialog on computer $1"
    click Grade 600 900           # N/A
    click Grade 3367 1605         # OK
    wait_gone Grade 5 || fail "the grade dialog stays on computer $1"
}
add A Cat
add B Dan
add A Eve

expected=$(printf '4\n"Ann"\n"AAB  "\n"Cat"\n"AAC  "\n"Dan"\n"AAD  "\n"Eve"\n"AAE  "')
[ "$(tr -d '\r' < "$PROGRAM/Players")" = "$expected" ] || fail "player list: $(cat "$PROGRAM/Players")"
for id in AAC AAD AAE; do [ -f "$PROGRAM/$id.cfg" ] || fail "no $id.cfg"; done

# Eve drills on A. On B, whose list does not show her yet, a grown-up removes Dan (the list
# then shows her), then Eve, and adds Fay: Fay gets a key never given before. When Eve's
# minute is up, A tells her that her work could not be saved, and writes none of it.
export DISPLAY=${screen[A]}
click GetPlayer 3800 2150; click GetPlayer 6600 967   # Eve, the fourth row; That's me
sleep 1; keys Return                                  # the introductory notice
window Define >/dev/null || fail "no definition window for Eve"
click Define 6210 1665                                # 1 Minute
window Practice >/dev/null || fail "no drill for Eve"
export DISPLAY=${screen[B]}
for _ in Dan Eve; do   # the third row each time; Remove name from list, Yes
    click GetPlayer 3800 1750; click GetPlayer 6600 2947; window M_Boxx >/dev/null || fail "no remove question on B"
    keys y; wait_gone M_Boxx 5 || fail "the remove question stays on B"
done
add B Fay
export DISPLAY=${screen[A]}
for _ in $(seq 75); do window M_Boxx 0 >/dev/null || window ShowScores 0 >/dev/null && break; sleep 1; done   # her minute
window M_Boxx 0 >/dev/null || fail "Eve was not told that her work could not be saved"
[ -z "$(cd "$PROGRAM" && ls AAE.* AAF.scr AAF.fct 2>/dev/null)" ] || fail "Eve's drill was written: $(ls "$PROGRAM")"
expected=$(printf '3\n"Ann"\n"AAB  "\n"Cat"\n"AAC  "\n"Fay"\n"AAF  "')
[ "$(tr -d '\r' < "$PROGRAM/Players")" = "$expected" ] || fail "player list: $(cat "$PROGRAM/Players")"
[ "$(line "$PROGRAM/Players.key" 1)" = '"AAF  "' ] || fail "highest key: $(cat "$PROGRAM/Players.key")"
echo "2 passed, 0 failed"
