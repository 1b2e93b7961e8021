#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
#
# Every source, script and build file of the tree says under which licence it stands: its
# first lines carry "SPDX-License-Identifier: GPL-3.0-or-later". Lists the files that do not
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue
    head -n 5 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || missing+=("$f")
done < <(git ls-files -z --cached --others --exclude-standard -- \
    '*.cpp' '*.h' '*.sh' '*.cmake' '*CMakeLists.txt' '.ci/run' 'packaging/postinst' 'packaging/postrm')

if [ ${#missing[@]} -gt 0 ]; then
    echo "FAILED: these files have no SPDX-License-Identifier line (GPL-3.0-or-later):" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "licence: every source, script and build file carries its SPDX line"
