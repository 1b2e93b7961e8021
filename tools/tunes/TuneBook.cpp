// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "tunes/TuneBook.h"

#include <QByteArray>
#include <map>

std::vector<Tune> TuneBook()
{
    // Channel volumes that bring every tune to the same loudness at the top of the volume
    // bar, as tools/loudness.sh measures it; the synthesizer's gain does the rest.
    static const std::map<QByteArray, int> levels{
        {"brotherjohn", 112}, {"londonbridge", 109}, {"lullaby", 125}, {"marylamb", 114}, {"minuet", 122},
        {"moonlight", 100}, {"mountainking", 99}, {"odetojoy", 82}, {"twinkle", 95}, {"yankee", 98},
    };
    std::vector<Tune> book = FolkTunes();
    for (Tune& tune : ClassicalTunes())
        book.push_back(tune);
    for (Tune& tune : book)
        tune.level = levels.at(tune.file);
    return book;
}
