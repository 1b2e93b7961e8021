// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Searching the manual in the viewer: positions count characters from 1, and a search
// ignores the difference between capitals and small letters.

#include <QString>

// Position of the first match of what at or after start, 0 when there is none. The empty
// text matches at start itself, as long as start lies inside the text.
int FindText(const QString& text, const QString& what, int start);

// Two selections, by zero-based offset and length, that bring a match into view: first one
// character some way past the match (the view scrolls forward past it), then the match
// itself (the view scrolls back just far enough to show it, highlighted).
struct MatchSelection {
    int aheadStart = 0;
    int aheadLength = 0;
    int matchStart = 0;
    int matchLength = 0;
};
// position: the match (1-based); ahead: how far past it to look first; length: the search
// text's length; textLength: the viewer's. Offsets past the end select at the end.
MatchSelection SelectMatch(int position, int ahead, int length, int textLength);
