#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Renders Numbrella's main windows on virtual screens of 1280x800 and 1920x1080, at the size
# the program chooses for each, into docs/screenshots/ (names end in -1280 and -1920), as a
# parent sees them before installing; and the big drill, with the sign of a right answer, on
# those screens and on 3840x2160 (drill-big-*); and four windows in German, French and Spanish
# on 1280x800 (names end in -de, -fr, -es).
# Usage: tools/screenshots.sh [--languages] [folder of the built program]
# --languages   only the windows in the other languages
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT_DIR/docs/screenshots
LANGUAGES_ONLY=0
[ "${1:-}" = --languages ] && { LANGUAGES_ONLY=1; shift; }
if [ -n "${1:-}" ]; then
    BIN=$1
else
    cmake -S "$ROOT_DIR" -B "$ROOT_DIR/build/release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$ROOT_DIR/build/release" -j"$(nproc)" >/dev/null
    BIN=$ROOT_DIR/build/release/bin
fi
source "$ROOT_DIR/tests/e2e/lib.sh" "$BIN" "$OUT"
mkdir -p "$OUT"
unset NUMBRELLA_SCALE   # the screen chooses

# A family that has used Numbrella for a while: Ann on her level, with a dozen practices.
prepare() {
    local format=$1
    printf '2\r\n"Ann"\r\n"AAB  "\r\n"Ben"\r\n"AAC  "\r\n' > "$PROGRAM/Players"
    # The first start of all shows the welcome notice.
    printf '"%s"\r\n"AAC  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n%s\r\n""\r\n' "$PROGRAM" $((format == 1)) \
        > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
    printf '"3"\r\n"2H2200611121530000000"\r\n1\r\n"2H2200611121530000000"\r\n20\r\n2\r\n5\r\n%s\r\n12640511\r\n' "$format" \
        > "$PROGRAM/AAB.cfg"
    # Her practices of the last four weeks, ending two days ago, and two of Addition.
    : > "$PROGRAM/AAB.scr"
    local i=1
    for counts in 008010 010011 009012 012013 011011 014016 013014 015015 012015 016017 017018 015016; do
        printf '"2H2%s1530%s"\r\n' "$(date -d "-$((26 - 2 * i)) days" +%Y%m%d)" "$counts" >> "$PROGRAM/AAB.scr"
        i=$((i + 1))
    done
    printf '"0K1%s1600008009"\r\n"0K1%s1600011011"\r\n' "$(date -d "-9 days" +%Y%m%d)" "$(date -d "-4 days" +%Y%m%d)" >> "$PROGRAM/AAB.scr"
    # Her multiplication facts, a round a week: tables 2 to 5 known, 6 and 7 being learned, 7 x 8 and
    # a few more missed; in Addition, the tables 1 to 4 in the last three weeks.
    : > "$PROGRAM/AAB.fct"
    local t p ago day
    for ago in 23 16 9 2; do
        day=$(date -d "-$ago days" +%Y%m%d)
        for t in 2 3 4 5 6 7; do
            [ "$t" -gt $((8 - ago / 7)) ] && continue
            for p in 1 2 3 4 5 6 7 8 9 10; do
                local right=1 tenths=$((12 + (t * p) % 15))
                [ "$t" -ge 6 ] && tenths=$((25 + (t + p) * 2))
                [ "$ago" = 2 ] && [ $(((t * 7 + p * 3) % 11)) = 0 ] && right=0
                printf '2,%d,%d,%d,%d,"%s1530%02d"\r\n' "$t" "$p" "$right" "$tenths" "$day" "$p" >> "$PROGRAM/AAB.fct"
            done
        done
        [ "$ago" -gt 16 ] && continue
        for t in 1 2 3 4; do
            for p in 1 2 3 4 5 6 7 8 9 10; do
                printf '0,%d,%d,%d,%d,"%s1600%02d"\r\n' "$t" "$p" $(((t + p) % 13 != 0)) $((10 + (t * p) % 25)) "$day" "$p" >> "$PROGRAM/AAB.fct"
            done
        done
    done
}

# Saves each page of a PDF as $2-<page>.png (the same on every screen).
pages() { pdftoppm -r 75 -png "$1" "$OUT/$2"; ls "$OUT/$2"-*.png; }
# Clicks the Progress window's button at x twips and answers the save dialog with the path $2.
save_pdf() {
    click Progress "$1" 5047
    xdotool search --sync --onlyvisible --name "Save as PDF" >/dev/null
    sleep 0.5; keys ctrl+a; type_text "$2"; keys Return
    for _ in $(seq 50); do [ -s "$2" ] && break; sleep 0.1; done
}

# Saves the window with role $1 (the active window for "active"; and a margin round it) as $2.png.
shot() {
    local id geometry x y w h
    if [ "$1" = active ]; then id=$(xdotool getactivewindow); else id=$(window "$1" 10) || fail "no window $1"; fi
    sleep 0.7
    eval "$(xdotool getwindowgeometry --shell "$id")"
    x=$((X - 30)); y=$((Y - 50)); w=$((WIDTH + 60)); h=$((HEIGHT + 80))
    [ $x -lt 0 ] && x=0; [ $y -lt 0 ] && y=0
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$OUT/$2-$SUFFIX.png"
    echo "$OUT/$2-$SUFFIX.png"
}

menu() {   # clicks a menu bar entry of the background window at x twips
    click BackForm "$1" 150
}

# The drill window big (F11 when it is not), then a right answer (Show Answer, Enter): shot while
# its sign shows, the half second it stands.
big_drill() {
    local id
    id=$(window Practice)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$HEIGHT" -lt $((SCALE_PERMILLE * 226 * 3 / 2000)) ]; then
        keys F11
        eval "$(xdotool getwindowgeometry --shell "$id")"
    fi
    xdotool mousemove --window "$id" $((937 * WIDTH / 5055)) $((2887 * HEIGHT / 3390)) mousedown 1 sleep 0.08 mouseup 1
    sleep 0.3
    xdotool key Return
    import -window root -crop "$((WIDTH + 60))x$((HEIGHT + 80))+$((X - 30))+$((Y - 50))" +repage "$OUT/drill-big-$SUFFIX.png"
    echo "$OUT/drill-big-$SUFFIX.png"
}

# A class of 40 children in grades 2 to 4, each on a level, with three weeks of practices and
# their answers; one name long, one with letters beyond ASCII.
prepare_class() {
    awk -v dir="$PROGRAM" 'BEGIN {
        n = split("Ann Ben Zoë_Ødegård Carlos Dana Eli Fatima George Hana Ivan Jade Kofi Lena Milo Nora Omar " \
                  "Priya Quinn Rosa Sami Tara Umar Vera Will Xena Yusuf Zara Aiden Bella Caleb Daisy Ethan Freya " \
                  "Gabriel Maximiliana_Alexandrina_von_Hohenberg Hugo Isla Jonas Kira Liam", names, " ")
        srand(20261207); now = systime()
        printf "%d\r\n", n > (dir "/Players")
        for (i = 0; i < n; i++) {
            key = sprintf("A%c%c", 66 + int(i / 26), 65 + i % 26)
            name = names[i + 1]; gsub("_", " ", name)
            printf "\"%s\"\r\n\"%s  \"\r\n", name, key > (dir "/Players")
            grade = 2 + i % 3; op = (grade == 2) ? 0 : (grade == 3 ? 2 : 3); table = 1 + (i * 7) % 10
            level = sprintf("%d%c1%s000000", op, 75 + table, strftime("%Y%m%d%H%M", now - 86400 * 30))
            printf "\"%d\"\r\n\"%s\"\r\n1\r\n\"%s\"\r\n20\r\n2\r\n5\r\n1\r\n12640511\r\n", grade, level, level > (dir "/" key ".cfg")
            skill = 0.55 + 0.4 * rand(); speed = 12 + int(40 * (1 - skill) + 10 * rand())
            for (d = 20; d >= 0; d--) {
                if (rand() < 0.5) continue
                day = now - 86400 * d - 3600
                right = int(15 + 25 * skill * rand())
                printf "\"%d%c1%s%03d%03d\"\r\n", op, 75 + table, strftime("%Y%m%d%H%M", day), right, right + int(5 * rand()) > (dir "/" key ".scr")
                for (a = 0; a < 40; a++) {
                    o = (rand() < 0.7) ? op : int(4 * rand())
                    t = 1 + int(10 * rand()); p = 1 + int(10 * rand())
                    first = (o == 1) ? t + p : (o == 3 ? t * p : t); second = (o == 0 || o == 2) ? p : t
                    ans = (o == 0) ? t + p : (o == 1 ? p : (o == 2 ? t * p : p))
                    tenths = int(speed * (0.5 + rand())); when = strftime("%Y%m%d%H%M%S", day + a * 3)
                    if (rand() < skill) line = sprintf("%d,%d,%d,1,%d,\"%s\",%d", o, first, second, tenths, when, ans)
                    else if (rand() < 0.3) line = sprintf("%d,%d,%d,2,%d,\"%s\",", o, first, second, 2 * tenths, when)
                    else line = sprintf("%d,%d,%d,0,%d,\"%s\",%d", o, first, second, tenths, when, ans + 1)
                    printf "%s\r\n", line > (dir "/" key ".fct")
                }
            }
        }
    }'
}

render() {   # screen size, suffix of the names
SUFFIX=$2
start_screen "$1"
for format in 1 2 3; do
    prepare "$format"
    start_program
    eval "$(xdotool getwindowgeometry --shell "$(window GetPlayer)")"
    SCALE_PERMILLE=$((WIDTH * 1000 / 528))   # the player window is drawn 528 pixels wide
    if [ "$format" = 1 ]; then
        shot GetPlayer players
        menu 2880                     # About (no player chosen yet)
        shot GetPlayer about
        click GetPlayer 6600 4552     # OK
    fi
    click GetPlayer 6600 967          # That's me (Ann is selected)
    window Define >/dev/null
    if [ "$format" = 1 ]; then
        shot active welcome           # the first-run notice
        keys Return                   # its OK (Return in the definition window would start the drill)
    fi
    if [ "$format" = 1 ]; then
        shot Define definition
    fi
    click Define 3000 4030            # Okay
    window Practice >/dev/null
    type_text "1"
    shot Practice "drill-format-$format"
    if [ "$format" = 1 ]; then
        big_drill
    fi
    keys Escape                       # the drill's Cancel
    if [ "$format" = 1 ]; then
        menu 2085                     # Scores
        shot ShowScores scores
        sleep 2
        click ShowScores 7807 4267    # Exit
        menu 1125                     # Configure
        shot Config configuration
        click Config 6270 6487        # Cancel
        menu 4110                     # Music Break
        shot Music music
        click Music 6420 4920         # Exit
        menu 5070                     # Help
        shot HUTIL3 help-contents
        click HUTIL3 1560 6607        # Display Topic
        window HUTIL2 >/dev/null
        click HUTIL2 600 7207         # Find
        window Get_Str >/dev/null
        type_text "music"
        keys Return
        shot HUTIL2 help-viewer
        click HUTIL2 9720 7207        # Exit
        menu 3000                     # Progress
        window Progress >/dev/null
        click Progress 700 450; keys Right Right   # Multiplication
        xdotool mousemove --window "$(window Progress)" $(((240 + 8 * 330 + 160) * SCALE_PERMILLE / 15000)) $(((840 + 7 * 330 + 160) * SCALE_PERMILLE / 15000))
        shot Progress progress        # the pointer on 7 x 8
        click Progress 5000 5047      # Save as PDF
        save_pdf 1320 "$WORK/sheet.pdf" && pages "$WORK/sheet.pdf" practice-sheet
        save_pdf 3420 "$WORK/report.pdf" && pages "$WORK/report.pdf" progress-report
        keys Escape
    fi
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
done
# A teacher's class: Progress at All children, the window at the size it takes itself.
rm -f "$PROGRAM"/*.cfg "$PROGRAM"/*.scr "$PROGRAM"/*.fct "$NUMBRELLA_ROOT"/var/lib/numbrella/nbr.win
prepare_class
printf '"%s"\r\n"ACO  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
    > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"
start_program
window GetPlayer >/dev/null
click GetPlayer 6600 967              # That's me (Ann is selected)
window Define >/dev/null
menu 3000                             # Progress
window Progress >/dev/null
click Progress 700 450; keys Right Right Right Right Right   # All children
shot Progress progress-class
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
APP_PID=""
kill "$WM_PID" "$XVFB_PID"; wait 2>/dev/null || true
}
# Only the big drill on the largest screen.
render_big() {
    SUFFIX=$2
    start_screen "$1"
    prepare 1
    printf '"%s"\r\n"AAC  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
        > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"   # no welcome notice
    start_program
    eval "$(xdotool getwindowgeometry --shell "$(window GetPlayer)")"
    SCALE_PERMILLE=$((WIDTH * 1000 / 528))
    click GetPlayer 6600 967          # That's me
    window Define >/dev/null
    click Define 3000 4030            # Okay
    window Practice >/dev/null
    big_drill
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    kill "$WM_PID" "$XVFB_PID"; wait 2>/dev/null || true
}

# The player list, the definition window, a drill just after a wrong answer and the
# configuration, in each language the program speaks besides English.
render_languages() {
    local language
    start_screen 1280x800
    for language in de fr es; do
        SUFFIX=$language
        prepare 1
        printf '"%s"\r\n"AAC  "\r\n"Ann"\r\n\r\n\r\n\r\n12640511\r\n""\r\n0\r\n""\r\n' "$PROGRAM" \
            > "$NUMBRELLA_ROOT/var/lib/numbrella/nbr.INI"   # no welcome notice
        LANGUAGE=$language start_program
        eval "$(xdotool getwindowgeometry --shell "$(window GetPlayer)")"
        SCALE_PERMILLE=$((WIDTH * 1000 / 528))
        shot GetPlayer players
        click GetPlayer 6600 967      # That's me
        shot Define definition
        click Define 3000 4030        # Okay
        window Practice >/dev/null
        type_text "1"; keys Return    # wrong
        shot Practice drill
        keys Escape
        keys F10; case $language in de) keys e ;; fr) keys r ;; es) keys j ;; esac   # Configure
        shot Config configuration
        kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
        APP_PID=""
    done
    kill "$WM_PID" "$XVFB_PID"; wait 2>/dev/null || true
}

if [ "$LANGUAGES_ONLY" = 1 ]; then
    render_languages
    exit 0
fi
rm -f "$OUT"/*.png
render 1280x800 1280
render 1920x1080 1920
render_big 3840x2160 3840
render_languages
echo "Screenshots written to $OUT"
