// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ProgressSizes.h"

#include "core/logic/LineFormat.h"

#include <QDir>
#include <algorithm>

namespace {
constexpr int Largest = 32767; // the values are 16-bit, as every number of the data files

QSize ReadSize(LineReader& in)
{
    const int width = in.ReadInt().value_or(0);
    const int height = in.ReadInt().value_or(0);
    return width > 0 && height > 0 ? QSize(width, height) : QSize();
}

void WriteSize(LineWriter& out, const QSize& size)
{
    const bool chosen = !size.isEmpty();
    out.Int(chosen ? std::min(size.width(), Largest) : 0);
    out.Int(chosen ? std::min(size.height(), Largest) : 0);
}
} // namespace

QString ProgressSizesFile(const QString& machineDir)
{
    return QDir(machineDir).filePath(QStringLiteral("nbr.win"));
}

ProgressSizes ReadProgressSizes(const QString& path)
{
    LineReader in(path);
    ProgressSizes sizes;
    if (!in.IsOpen())
        return sizes;
    sizes.Grids = ReadSize(in);
    sizes.Children = ReadSize(in);
    return sizes;
}

bool SaveProgressSizes(const QString& path, const ProgressSizes& sizes)
{
    LineWriter out;
    WriteSize(out, sizes.Grids);
    WriteSize(out, sizes.Children);
    return out.Save(path);
}
