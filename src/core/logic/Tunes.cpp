// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Tunes.h"

#include <QDir>
#include <algorithm>

QStringList MidiFiles()
{
    return QDir::current().entryList({QStringLiteral("*.mid")},
                                     QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString RandomMidiFile(Platform& platform)
{
    const QStringList files = MidiFiles();
    if (files.isEmpty())
        return QString();
    return files.at(RandomIndex(platform, static_cast<int>(files.size())));
}

int RandomIndex(Platform& platform, int count)
{
    if (count <= 0)
        return 0;
    const int r = static_cast<int>(platform.Random() * count);
    return std::clamp(r, 0, count - 1);
}
