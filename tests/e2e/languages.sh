#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# A family's first start in German, French or Spanish (LANGUAGE=de, fr, es; the script's third
# argument, all three when none is given): a child adds her
# name, defines a practice, drills a minute and sees her scores; French on a 1920x1080 screen (where
# the drill is big), the others on 1280x800. Every text the windows show
# (their captions and menus, written out by the program as each window opens) is in the
# language: none is one of the English texts that language translates, and none reads as
# English, and every caption is shown whole.
source "$(dirname "$0")/lib.sh"
I18N=$(cd "$(dirname "$0")/../../i18n" && pwd)
TEST_NAME=languages${3:+_$3}

# The English texts a language's file translates otherwise, one a line, without "&".
translated_english() {
    awk '/<source>/ { s = $0; sub(/.*<source>/, "", s); sub(/<\/source>.*/, "", s) }
         /<translation/ { t = $0; sub(/.*<translation[^>]*>/, "", t); sub(/<\/translation>.*/, "", t); if (s != t) print s }' "$1" |
        sed -e 's/&amp;/\&/g' -e "s/&apos;/'/g" -e 's/&quot;/"/g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&\(.\)/\1/g' | sort -u
}
# Words of an English sentence that none of the three languages uses.
ENGLISH_WORDS='the|your|you|please|click|scores?|practice|answers?|exit|cancel|goal|settings|grade|what|right'

for language in ${3:-de fr es}; do
    if [ "$language" = fr ]; then size=1920x1080; else size=1280x800; fi
    [ -z "${XVFB_PID:-}" ] || { kill "$WM_PID" "$XVFB_PID"; wait "$WM_PID" "$XVFB_PID" 2>/dev/null || true; }
    start_screen "$size"
    rm -f "$PROGRAM"/Players "$PROGRAM"/*.cfg "$PROGRAM"/*.scr "$PROGRAM"/*.opt "$PROGRAM"/*.fct "$NUMBRELLA_ROOT"/var/lib/numbrella/*
    texts=$WORK/texts.$language
    LANGUAGE=$language NUMBRELLA_TEXT_DUMP=$texts start_program
    window NewGuy 15 >/dev/null || fail "$language: the name dialog did not open by itself"
    type_text "Ann"
    keys Return
    window Grade >/dev/null || fail "$language: no grade dialog"
    click Grade 600 900           # N/A
    keys Down Down Down           # 3: the drill is big only on the large screen
    click Grade 3367 1605         # OK
    window GetPlayer >/dev/null || fail "$language: no player list"
    click GetPlayer 6600 967      # That's me
    sleep 1
    keys Return                   # the first start's notice
    window Define >/dev/null || fail "$language: no definition window"
    click Define 720 2505         # Multiplication
    click Define 6210 1665        # 1 Minute
    window Practice >/dev/null || fail "$language: the drill did not start"
    type_text "0"
    keys Return                   # wrong: the drill says so
    # Show Answer, then Return (the big drill has the button elsewhere).
    [ "$size" = 1920x1080 ] || { click Practice 937 2887; keys Return; }
    window ShowScores 75 >/dev/null || fail "$language: no score window after the minute"
    sleep 2.5
    click ShowScores 7807 4267    # Exit
    window Define 10 >/dev/null || fail "$language: not back at the definition window"
    if [ "$language" = de ]; then
        # A printout: the practice sheet, saved as a PDF file from Progress (F10, F for Fortschritt).
        keys F10 f
        window Progress >/dev/null || fail "de: no Progress window"
        click Progress 5000 5047      # Als PDF speichern
        click Progress 1320 5047      # Übungsblatt drucken
        xdotool search --sync --onlyvisible --name "Als PDF speichern" >/dev/null
        sleep 0.5; keys ctrl+a; type_text "$WORK/sheet.pdf"; keys Return
        for _ in $(seq 50); do [ -s "$WORK/sheet.pdf" ] && break; sleep 0.1; done
        pdftotext "$WORK/sheet.pdf" "$WORK/sheet.txt" || fail "de: no practice sheet saved"
        grep -q "Übungsblatt: Mal" "$WORK/sheet.txt" || fail "de: the sheet: $(head -3 "$WORK/sheet.txt")"
        ! grep -iwE "$ENGLISH_WORDS|write|sheet" "$WORK/sheet.txt" || fail "de: English on the sheet"
        keys Escape
        # The manual's topics (F10, H for Hilfe).
        keys F10 h && window HUTIL3 >/dev/null || fail "de: no help"
        keys Escape && wait_gone HUTIL3 && grep -q "^HUTIL3	 *Willkommen bei Numbrella" "$texts" || fail "de: the manual's contents"
    fi
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""

    for role in NewGuy Grade GetPlayer QMessageBox Define Practice ShowScores BackForm; do
        grep -q "^$role	" "$texts" || fail "$language: no texts of $role written"; done
    ! grep -P '\tcut$' "$texts" || fail "$language: the captions above are cut"
    ! cut -f2 "$texts" | sed 's/^ *//; s/ *$//' | sort -u | grep -xFf <(translated_english "$I18N/numbrella_$language.ts") \
        || fail "$language: the English texts above are on screen"
    ! cut -f2 "$texts" | grep -iwE "$ENGLISH_WORDS" || fail "$language: the texts above read as English"
done
echo "1 passed, 0 failed"
