// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The class report: the table of all children (or of one grade) on one page for the printer,
// in type of one width, so that up to 40 children with every column fit a page across.

#include "scores/logic/ClassOverview.h"

#include <QStringList>

// The report in pages (one for any class of up to 40): a title with the grade shown ("" for
// every child) and the date, the table with two heading lines, and what its numbers mean.
// Names longer than 16 letters are cut, and the operations are shortened ("Mult., Up to 5").
QStringList ClassReportPages(const QList<ChildRow>& rows, const QString& shownGrade, const QString& date);
constexpr int ClassReportPoints = 7;
