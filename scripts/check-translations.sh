#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
#
# The window texts of every language are complete: lupdate reads src/ into a copy of each
# i18n/numbrella_<language>.ts and this fails on a text without its translation (unfinished)
# and on a translation whose English text is gone from the code (vanished or obsolete).
#   scripts/check-translations.sh           checks
#   scripts/check-translations.sh --update  writes what lupdate found into i18n/ (then translate)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in i18n/numbrella_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    obsolete=()
    [ "${1:-}" = --update ] && obsolete=(-no-obsolete)
    "$lupdate" -silent -locations none "${obsolete[@]}" -extensions cpp,h src -ts "$copy" >"$work/log" 2>&1 \
        || { cat "$work/log" >&2; exit 1; }
    if [ "${1:-}" = --update ]; then
        cp "$copy" "$ts"
        continue
    fi
    # Each unfinished or gone text: its source line follows the message's opening line.
    bad=$(grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -o '<source>.*</source>' || true)
    if [ -n "$bad" ]; then
        echo "FAILED: $ts has texts without a translation or no longer in the code:" >&2
        echo "$bad" | sed 's/^/  /' >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && [ "${1:-}" != --update ] && echo "translations: every window text has its German, French and Spanish"
exit "$status"
