#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# scripts/check-folders.sh on small source trees made here, one row each: the files and their
# includes, the exit code due, and lines its output must hold (-) or must not hold (!).
set -euo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-folders.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 rows=0

# row NAME RC FILE=INCLUDE,INCLUDE... -- [-|!]EXPECTED...
row() {
    local name=$1 rc_due=$2 tree=$work/$rows entry file inc out rc=0 want
    shift 2
    rows=$((rows + 1))
    while [ "$1" != -- ]; do
        entry=$1; file=${entry%%=*}; shift
        mkdir -p "$tree/$(dirname "$file")"
        echo '// a line before the includes' > "$tree/$file"
        IFS=, read -ra incs <<< "${entry#*=}"
        for inc in "${incs[@]}"; do echo "#include $inc" >> "$tree/$file"; done
    done
    shift
    out=$("$script" "$tree" 2>&1) || rc=$?
    out+=$'\n'$("$script" --graph "$tree" 2>&1)
    local ok=1
    [ "$rc" = "$rc_due" ] || { echo "exit code $rc instead of $rc_due"; ok=0; }
    for want in "$@"; do
        case $want in
            -*) grep -qxF -- "${want#-}" <<< "$out" || { echo "missing: ${want#-}"; ok=0; } ;;
            !*) grep -qxF -- "${want#!}" <<< "$out" && { echo "unexpected: ${want#!}"; ok=0; } ;;
        esac
    done
    if [ $ok = 1 ]; then echo "PASS: $name"; else
        echo "FAIL: $name; the output was:"; echo "$out"; failures=$((failures + 1))
    fi
}

row "layers only: an include from logic/ and from outside src/ make no cycle" 0 \
    'app/main.cpp="core/Form.h","ui_main.h",<QWidget>' \
    'core/Form.h="logic/Rules.h"' \
    'core/logic/Rules.h="core/logic/Other.h"' 'core/logic/Other.h=<vector>' -- \
    '-folders: 3 folders of src/, no include cycle between them' \
    '-  app --> core' '-  core --> core_logic' '-  core_logic["core/logic"]' '!  core_logic --> core_logic'

row "two window folders that include each other" 1 \
    'players/GetPlayer.cpp="core/Form.h","practice/Practice.h"' \
    'practice/Practice.h="players/GetPlayer.h"' 'players/GetPlayer.h=' 'core/Form.h=' -- \
    '-FAILED: these folders of src/ include one another in a cycle: players practice' \
    '-  for one: players -> practice -> players' \
    '-    players -> practice  src/players/GetPlayer.cpp:3: #include "practice/Practice.h"' \
    '-    practice -> players  src/practice/Practice.h:2: #include "players/GetPlayer.h"' \
    '!    players -> core  src/players/GetPlayer.cpp:2: #include "core/Form.h"'

row "two cycles apart: a folder and its logic/ through ../, and three folders in a ring" 1 \
    'core/logic/Rules.h="../Form.h"' 'core/Form.h="logic/Rules.h"' \
    'help/Help.h="music/Music.h"' 'music/Music.h="scores/Scores.h"' 'scores/Scores.h="help/Help.h"' -- \
    '-FAILED: these folders of src/ include one another in a cycle: core core/logic' \
    '-    core/logic -> core  src/core/logic/Rules.h:2: #include "../Form.h"' \
    '-FAILED: these folders of src/ include one another in a cycle: help music scores' \
    '-  for one: help -> music -> scores -> help' \
    '-    scores -> help  src/scores/Scores.h:2: #include "help/Help.h"'

echo "$((rows - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
