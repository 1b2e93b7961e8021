// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The manual "nbr.doc": one plain text whose topics are places in the text, each marked
// by a star. A topic heading is a line of four blanks, "*", a blank and the title.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The manual as the help windows share it: its text, the search or topic asked for, and the
// flag by which the viewer tells the contents window to close with it.
struct HelpState {
    QString DocText;
    short HelpFlag = 0;
    QString HelpSearchText;
};

inline const QString DocFileName = QStringLiteral("nbr.doc");
inline constexpr char DocMissingMessage[] = QT_TRANSLATE_NOOP("Documentation", "Unable to open nbr.DOC");
// What starts a heading line.
inline const QString TopicHeadingMark = QStringLiteral("    * ");

// The manual as the program keeps it: the file without its first three characters.
QString DocumentationText(const QByteArray& file);

// One entry per star: the characters after it up to the next carriage return. A star with
// no carriage return after it ends the list and gives no entry.
QStringList TableOfContents(const QString& docText);
// What finds the topic of an entry in the text.
QString TopicKey(const QString& entry);

// The topic that holds the character at position (1-based): from the start of its heading
// line to the start of the next heading, or the end of the text. Text before the first
// heading is a topic of its own.
QString TopicText(const QString& text, int position);
