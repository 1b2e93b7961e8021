// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "music/logic/MusicPieces.h"

#include "core/logic/Language.h"
#include "core/logic/Translated.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

QString CompanionFile(const QString& midiFile)
{
    const QString wanted = midiFile.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".txt");
    // The description in the language shown, where there is one.
    if (const QString translated = LocalizedFile(wanted, ShownLanguage()); translated != wanted)
        return translated;
    if (QFileInfo(wanted).isFile())
        return wanted;
    const QStringList files = QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& f : files) {
        if (f.compare(wanted, Qt::CaseInsensitive) == 0)
            return f;
    }
    return QString();
}

QString CompanionTitle(const QByteArray& head)
{
    QByteArray buffer(CompanionTitleBytes, ' ');
    buffer.replace(0, std::min<qsizetype>(head.size(), CompanionTitleBytes), head.left(CompanionTitleBytes));
    const auto end = std::find_if(buffer.cbegin(), buffer.cend(), [](char c) { return c == '\r' || c == '\n'; });
    return QString::fromUtf8(buffer.left(end - buffer.cbegin()));
}

QString CompanionInfo(const QByteArray& text)
{
    const qsizetype lf = text.indexOf('\n');
    return QString::fromUtf8(lf < 0 ? text : text.mid(lf + 1));
}

MusicList ReadMusicList(const QStringList& midiFiles)
{
    MusicList list;
    for (const QString& file : midiFiles.mid(0, MusicFilesMax)) {
        list.MusicFiles << file;
        QFile companion(CompanionFile(file));
        if (!companion.fileName().isEmpty() && companion.open(QIODevice::ReadOnly))
            list.titles << CompanionTitle(companion.read(CompanionTitleBytes));
        else
            list.titles << file;
    }
    return list;
}

QString PieceInformation(const QString& midiFile, const QString& title)
{
    if (title == midiFile)
        return Translated("MusicPieces", NoInformation);
    QFile companion(CompanionFile(midiFile));
    if (companion.fileName().isEmpty() || !companion.open(QIODevice::ReadOnly))
        return Translated("MusicPieces", NoInformation);
    return CompanionInfo(companion.readAll());
}
