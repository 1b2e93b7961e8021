// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/logic/TextSearch.h"

#include <algorithm>

int FindText(const QString& text, const QString& what, int start)
{
    start = std::max(start, 1);
    if (start > text.size())
        return 0;
    if (what.isEmpty())
        return start;
    const qsizetype at = text.indexOf(what, start - 1, Qt::CaseInsensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

MatchSelection SelectMatch(int position, int ahead, int length, int textLength)
{
    MatchSelection s;
    s.aheadStart = std::clamp(position + ahead, 0, textLength);
    s.aheadLength = s.aheadStart < textLength ? 1 : 0;
    s.matchStart = std::clamp(position - 1, 0, textLength);
    s.matchLength = std::clamp(length, 0, textLength - s.matchStart);
    return s;
}
