// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The manual "nbr.doc" as any bytes: its text, table of contents, topics and searches.
#include "FuzzSupport.h"
#include "help/logic/Documentation.h"
#include "help/logic/TextSearch.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = DocumentationText(Bytes(data, size));
    const QStringList contents = TableOfContents(text);
    for (const QString& entry : contents) {
        // Every entry is found again by its key, as "Display Topic" looks it up.
        const int at = FindText(text, TopicKey(entry), 1);
        FUZZ_CHECK(at >= 1 && at <= text.size());
        const QString topic = TopicText(text, at);
        FUZZ_CHECK(topic.size() <= text.size());
        const MatchSelection m = SelectMatch(at, 800, TopicKey(entry).size(), text.size());
        FUZZ_CHECK(m.matchStart >= 0 && m.matchStart <= text.size());
    }
    // Searching for a piece of the text itself always finds it, in any case (plain letters:
    // some other characters change length or have no capital).
    const QString middle = text.mid(text.size() / 2, 3);
    const bool plain = middle.size() == 3 && std::all_of(middle.begin(), middle.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F;
    });
    if (plain) {
        const QString piece = middle.toUpper();
        const int at = FindText(text, piece, 1);
        FUZZ_CHECK(at >= 1 && at <= text.size() / 2 + 1);
        FUZZ_CHECK(FindText(text, piece, at + 1) == 0 || FindText(text, piece, at + 1) > at);
    }
    return 0;
}
