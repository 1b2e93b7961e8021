#!/usr/bin/env bash
# Two computers of a school on one shared program folder, each with its own screen and
# settings: names added in turn on both are all kept, each with a key of its own.
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
echo "1 passed, 0 failed"
