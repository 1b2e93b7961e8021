// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Numbered text sections of "nbr.txx": section n starts after the marker "[nn" and runs to
// the marker of section n + 1. Single line breaks are joined into flowing text.

#include <QByteArray>
#include <QString>

inline const QString TextResourceFile = QStringLiteral("nbr.txx");
inline const QString TextSectionError = QStringLiteral("GetTxt Error");
constexpr qint64 TextResourceMinimumSize = 300;

// The section's text, or "GetTxt Error" when either marker is missing.
QString TextSection(const QByteArray& file, int n);
// Removes every CR LF that is followed by neither CR nor a blank; after each break found,
// the search resumes eight characters further on.
QByteArray JoinTextLines(QByteArray text);
// The text shown when "nbr.txx" is missing or too short.
QString MissingTextResourceMessage(const QString& appPath);
