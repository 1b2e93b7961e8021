// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The pieces the music break offers: the "*.mid" files of the program folder, each with
// the title and the description of its companion text file, when it has one.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The list holds positions 0 to 100; further files in the folder are not offered.
constexpr int MusicFilesMax = 101;
// A title is looked for in this many bytes at the start of the companion file.
constexpr int CompanionTitleBytes = 100;

// In English; PieceInformation gives it translated.
inline const QString NoInformation = QStringLiteral(QT_TRANSLATE_NOOP("MusicPieces", "No information on this piece of music"));

struct MusicList {
    QStringList MusicFiles; // file names
    QStringList titles;     // the list's entries, in the same order
};

// The companion of a piece: its name up to the first "." followed by ".txt", found in the
// current folder whatever the case of its letters; "" when there is none. In another language
// than English, "<name>.de.txt" comes first where it exists.
QString CompanionFile(const QString& midiFile);
// The title from a companion file's first bytes: what comes before the first line end
// (carriage return or line feed, so Windows and Linux text alike); without one, all 100
// characters (the file's bytes padded with blanks).
QString CompanionTitle(const QByteArray& head);
// The description from a whole companion file: what follows the first line feed, or the
// whole text when there is none.
QString CompanionInfo(const QByteArray& text);

// The first 101 of the files, titled by their companions or else by their own names.
MusicList ReadMusicList(const QStringList& midiFiles);
// The text shown while a piece plays: its description when it has a title of its own.
QString PieceInformation(const QString& midiFile, const QString& title);
