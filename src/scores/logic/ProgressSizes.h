// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The sizes a person gave the Progress window, kept for the next time in "nbr.win" in the
// machine-wide folder beside "nbr.INI": a size suits a screen, and the screen belongs to the
// machine. Four values, one per line as every data file has them: the width and height of
// the window with the grids, then with the table of all children, in twips; 0 for a size
// never chosen.

#include <QSize>
#include <QString>

struct ProgressSizes {
    QSize Grids;    // in twips; empty when never chosen
    QSize Children;
};

QString ProgressSizesFile(const QString& machineDir);
// The sizes of the file; a missing or damaged value is a size never chosen.
ProgressSizes ReadProgressSizes(const QString& path);
// Writes the four lines (a side beyond 32767 twips as 32767); false when it could not.
bool SaveProgressSizes(const QString& path, const ProgressSizes& sizes);
