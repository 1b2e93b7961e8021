// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The machine-wide settings file "nbr.INI": first start, damaged lines (and a moved program
// folder), and a folder that cannot be written.
#include "core/logic/Settings.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        p = std::make_unique<TestPlatform>();
        p->EnterProgramDir();
    }
    void firstStartAndRoundTrip()
    {
        ProgramSettings s;
        LoadSettings(s, *p);
        QCOMPARE(int(s.FirstRun), 1);
        const QByteArray folder = "\"" + QDir::currentPath().toUtf8() + "\"\r\n";
        QCOMPARE(ReadBytes(p->IniPath()), folder + "\"AAA  \"\r\n\"\"\r\n\r\n\r\n\r\n12640511\r\n\"\"\r\n1\r\n\"\"\r\n");
        // Every value read is written back the same.
        const QByteArray changed = folder + "\"ABZ  \"\r\n\"Ann Lee\"\r\n\r\n\r\n\r\n8454143\r\n\"keep me\"\r\n0\r\n\"and me\"\r\n";
        WriteBytes(p->IniPath(), changed);
        ProgramSettings back;
        LoadSettings(back, *p);
        QVERIFY(SaveSettings(back));
        QCOMPARE(ReadBytes(p->IniPath()), changed);
        // Another copy handed out a later key meanwhile: a save of this copy never takes it back.
        const QByteArray later = QByteArray(changed).replace("ABZ", "ACA");
        WriteBytes(p->IniPath(), later);
        QVERIFY(SaveSettings(back));
        QCOMPARE(ReadBytes(p->IniPath()), later);
    }
    void settingsDamaged_data()
    {
        QTest::addColumn<QByteArray>("file"); // "@" stands for the program folder, "?" for one that is gone
        QTest::addColumn<QString>("read");    // the next player key, the colour, FirstRun and the last line
        // A value that cannot be read keeps what memory held: colour 12640511, FirstRun 7.
        QTest::newRow("line 7 holds 0") << QByteArray("\"@\"\r\n\"AAC  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n0\r\n\"\"\r\n0\r\n\"r\"\r\n") << "AAC  |12640511|0|r";
        QTest::newRow("colour past white") << QByteArray("\"@\"\r\n\"AAC  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n16777216\r\n\"\"\r\n0\r\n\"r\"\r\n") << "AAC  |12640511|0|r";
        QTest::newRow("short key filled with blanks") << QByteArray("\"@\"\r\n\"AB\"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\n0\r\n\"\"\r\n") << "AB   |255|0|";
        QTest::newRow("long key cut at five") << QByteArray("\"@\"\r\n\"ABCDEFG\"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\n0\r\n\"\"\r\n") << "ABCDE|255|0|";
        QTest::newRow("bad FirstRun skipped, line 10 still read") << QByteArray("\"@\"\r\n\"AAC  \"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\nyes\r\n\"r\"\r\n") << "AAC  |255|7|r";
        QTest::newRow("program folder moved: the current one is taken") << QByteArray("\"?\"\r\n\"AAB  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n12640511\r\n\"\"\r\n0\r\n\"\"\r\n") << "AAB  |12640511|0|";
        QTest::newRow("cut after line 3") << QByteArray("\"@\"\r\n\"AAD  \"\r\n\"\"\r\n") << "AAD  |12640511|7|";
    }
    void settingsDamaged()
    {
        QFETCH(QByteArray, file);
        WriteBytes(p->IniPath(), file.replace("@", p->programDir.path().toUtf8()).replace("?", p->root.path().toUtf8() + "/gone"));
        ProgramSettings s;
        s.FirstRun = 7;
        LoadSettings(s, *p);
        QCOMPARE(QDir(s.AppPath).canonicalPath(), QDir(p->programDir.path()).canonicalPath());
        QTEST(QStringLiteral("%1|%2|%3|%4").arg(s.NextPlayerId).arg(qint64(s.BackColour)).arg(s.FirstRun).arg(s.IniReserved2), "read");
    }
    void settingsFolderCannotBeWritten()
    {
        // A file where the machine-wide folder should be: nothing can be written there, even by
        // the administrator who runs the tests.
        QDir(p->MachineSettingsDir()).removeRecursively();
        WriteBytes(p->MachineSettingsDir(), "not a folder");
        ProgramSettings s;
        LoadSettings(s, *p);
        // The program goes on with the defaults in memory.
        QCOMPARE(s.NextPlayerId, QStringLiteral("AAA  "));
        QCOMPARE(s.AppPath, QDir::currentPath());
        QVERIFY(!SaveSettings(s));
        QCOMPARE(ReadBytes(p->MachineSettingsDir()), QByteArray("not a folder"));
    }

private:
    std::unique_ptr<TestPlatform> p;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
