// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The music break's pieces: titles and descriptions from the companion files.
#include "core/logic/Tunes.h"
#include "music/logic/MusicPieces.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestMusicPieces : public QObject {
    Q_OBJECT
private slots:
    // A piece and its companion file ("" for none): the title listed and the description shown.
    void listAndInformation_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("info");
        const QStringList ode{"ode.mid", "ode.txt"};
        QTest::newRow("LF ends the title as CR does (Linux text)")
            << ode << QByteArray("My Song\nA song that Ann made up.\n") << "My Song" << "A song that Ann made up.\n";
        QTest::newRow("LF before the CR ends the title") << ode << QByteArray("Two\nlines\r\n") << "Two" << "lines\r\n";
        QTest::newRow("CR as the 100th byte; no LF: the whole text")
            << ode << QByteArray(99, 'x') + "\rmore" << QString(99, u'x') << QString(99, u'x') + "\rmore";
        QTest::newRow("CR after 100 bytes: all 100") << ode << QByteArray(100, 'b') + "c\r\n" << QString(100, u'b') << "";
        QTest::newRow("no line end: padded to 100") << ode << QByteArray("Lullaby") << "Lullaby" + QString(93, u' ') << "Lullaby";
        QTest::newRow("no companion: the file name") << QStringList{"yankee.mid", ""} << QByteArray() << "yankee.mid" << NoInformation;
        QTest::newRow("title up to the CR, description after the LF; named up to the first dot, any case")
            << QStringList{"minuet.in.g.mid", "MINUET.TXT"} << QByteArray("Minuet\r\nBach.") << "Minuet" << "Bach.";
        QTest::newRow("title equal to the file name: no description")
            << QStringList{"waltz.mid", "waltz.txt"} << QByteArray("waltz.mid\r\nOne two.\r\n") << "waltz.mid" << NoInformation;
    }
    void listAndInformation()
    {
        QFETCH(QStringList, files);
        QFETCH(QByteArray, text);
        TestPlatform p;
        p.EnterProgramDir();
        WriteBytes(files[0], "x");
        if (!files[1].isEmpty())
            WriteBytes(files[1], text);
        const MusicList list = ReadMusicList(MidiFiles());
        QCOMPARE(list.MusicFiles, QStringList{files[0]});
        QTEST(list.titles.value(0), "title");
        QTEST(PieceInformation(files[0], list.titles.value(0)), "info");
    }
    // Every tune's translated companion: the title's line end within the bytes read for the
    // title, a description after it, both whole UTF-8.
    void translatedCompanions_data() { AddLanguageRows(); }
    void translatedCompanions()
    {
        QFETCH(QString, language);
        const QStringList tunes = QDir(qEnvironmentVariable("NUMBRELLA_DATA")).entryList({QStringLiteral("*.mid")});
        QVERIFY(!tunes.isEmpty());
        for (const QString& tune : tunes) {
            const QByteArray text = ReadDataFile(tune.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') + language + QStringLiteral(".txt"));
            QVERIFY2(text.left(CompanionTitleBytes).contains("\r\n"), qPrintable(tune));
            const QString title = CompanionTitle(text.left(CompanionTitleBytes));
            const QString info = CompanionInfo(text);
            QVERIFY(!title.isEmpty() && !title.contains(QChar::ReplacementCharacter));
            QVERIFY(!info.trimmed().isEmpty() && !info.contains(QChar::ReplacementCharacter));
        }
    }
};

QTEST_GUILESS_MAIN(TestMusicPieces)
#include "tst_MusicPieces.moc"
