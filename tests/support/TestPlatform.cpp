// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "support/TestPlatform.h"

#include "music/logic/MidiFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

TestPlatform::TestPlatform()
    : now(QDate(2006, 3, 15), QTime(14, 5))
{
    QDir().mkpath(root.path() + QStringLiteral("/tmp"));
    QDir().mkpath(MachineSettingsDir());
}

double TestPlatform::Random()
{
    if (randoms.empty())
        return 0.0;
    const double r = randoms[nextRandom % randoms.size()];
    ++nextRandom;
    return r;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray ReadDataFile(const QString& name)
{
    return ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QLatin1Char('/') + name);
}

void AddLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void WriteRepeated(const QString& path, const QByteArray& head, const QByteArray& line, qint64 size)
{
    QByteArray block;
    while (block.size() < (1 << 20))
        block += line;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    f.write(head);
    for (qint64 written = head.size(); written < size; written += block.size())
        f.write(block);
}

QStringList FileLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(ReadBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray MidiPiece(int beats, int program)
{
    MidiFileWriter w(PieceTicksPerBeat);
    const int t = w.AddTrack();
    w.Tempo(t, 0, 120);
    w.Program(t, 0, 0, program);
    for (int i = 0; i < beats; ++i)
        w.Note(t, i * PieceTicksPerBeat, PieceTicksPerBeat - 40, 0, 60 + i % 12, 90);
    return w.Bytes();
}
