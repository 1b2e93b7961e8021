// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The player list "Players" and a player's settings file (".cfg"): damaged files are read
// as far as they make sense. What they are written as is checked by the window tests.
#include "core/logic/Player.h"
#include "core/logic/PlayerFiles.h"
#include "players/logic/PlayerList.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class TestPlayerFiles : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        p = std::make_unique<TestPlatform>();
        p->EnterProgramDir();
    }
    void playerListDamaged_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lastName");
        QByteArray fortyOne = "41\r\n";
        for (int i = 1; i <= 41; ++i)
            fortyOne += "\"P" + QByteArray::number(i) + "\"\r\n\"A" + char('A' + i / 26) + char('A' + i % 26) + "  \"\r\n";
        QTest::newRow("count 41 keeps 40 rows") << fortyOne << 40 << "P40";
        QTest::newRow("count not a number keeps the players") << QByteArray("x\r\n\"Ann\"\r\n\"AAB  \"\r\n") << 1 << "Ann";
        QTest::newRow("count too small loses no player") << QByteArray("1\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 2 << "Bob";
        QTest::newRow("count too large keeps only real rows") << QByteArray("3\r\n\"Ann\"\r\n\"AAB  \"\r\n") << 1 << "Ann";
        QTest::newRow("no count line: the first name stays") << QByteArray("\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 2 << "Bob";
        QTest::newRow("key that is no key is not taken") << QByteArray("3\r\n\"Ann\"\r\n\"../x\"\r\n\"Cy\"\r\n\"aAB\"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 1 << "Bob";
        // A damaged line costs its own row at most, never the rows after it.
        QTest::newRow("two NUL bytes between rows") << QByteArray("3\r\n\"Ann\"\r\n\"AAB  \"\r\n\0\0\r\n\"Bob\"\r\n\"AAC  \"\r\n\"Cy\"\r\n\"AAD  \"\r\n", 54) << 3 << "Cy";
        QTest::newRow("a line of 10 MB between rows") << "2\r\n\"Ann\"\r\n\"AAB  \"\r\n" + QByteArray(10 << 20, 'x') + "\r\n\"Bob\"\r\n\"AAC  \"\r\n" << 2 << "Bob";
        QTest::newRow("name without key dropped") << QByteArray("2\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n") << 1 << "Ann";
        QTest::newRow("latin-1 name") << QByteArray("1\r\n\"Zo\xeb\"\r\n\"AAB  \"\r\n") << 1 << QString::fromUtf8("Zo\xc3\xab");
        QTest::newRow("no file") << QByteArray() << 0 << "";
        QTest::newRow("empty file") << QByteArray("") << 0 << "";
        QTest::newRow("blank lines passed over") << QByteArray("\r\n2\r\n\r\n\"Ann\"\r\n  \r\n\"AAB  \"\r\n\r\n\"Bob\"\r\n\"AAC  \"\r\n\r\n") << 2 << "Bob";
        const QString longName(10000, QLatin1Char('N'));
        QTest::newRow("name of 10,000 characters") << "1\r\n\"" + longName.toUtf8() + "\"\r\n\"AAB  \"\r\n" << 1 << longName;
    }
    void playerListDamaged()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            WriteBytes(PlayerListFile, file);
        PlayerRoster s;
        s.PlayerCount = 5;
        LoadPlayerList(s);
        QTEST(int(s.PlayerCount), "count");
        QTEST(s.Players[s.PlayerCount][0], "lastName");
        // Saved again in UTF-8, whatever the file was written in.
        QVERIFY(SavePlayerList(s));
        QVERIFY(ReadBytes(PlayerListFile).isValidUtf8());
    }
    void playerConfigDamaged_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // the grade, AdvanceNum, ProblemFormat, the colour and the operation
        // Values before the first bad one are read; the rest keep what memory held: ? 9 1 255, operation 3.
        QTest::newRow("no file: the start values, never the child's before") << QByteArray() << " 0 0 12640511 0";
        QTest::newRow("AdvanceNum not a number") << QByteArray("\"2\"\r\n\"0K1200603151405000000\"\r\n0\r\n\"\"\r\nlots\r\n5\r\n5\r\n3\r\n65280\r\n") << "2 9 1 255 0";
        QTest::newRow("cut after the level") << QByteArray("\"2\"\r\n\"1K1200603151405000000\"\r\n0\r\n\"x\"\r\n") << "2 9 1 255 1";
        QTest::newRow("number too big for 16 bits") << QByteArray("\"2\"\r\n\"2K1\"\r\n0\r\n\"\"\r\n40000\r\n5\r\n5\r\n3\r\n65280\r\n") << "2 9 1 255 2";
        QTest::newRow("complete") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n65280\r\n") << "2 10 3 65280 0";
        QTest::newRow("colour 0 keeps the colour") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n0\r\n") << "2 10 3 255 0";
        QTest::newRow("colour 1e300 keeps the colour") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n1e300\r\n") << "2 10 3 255 0";
        QTest::newRow("negative colour keeps the colour") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n-65280\r\n") << "2 10 3 255 0";
        // A blank line is an empty value: the number expected there fails and the rest are kept.
        QTest::newRow("blank line where a number stands") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n\r\n10\r\n5\r\n5\r\n3\r\n65280\r\n") << "2 9 1 255 0";
    }
    void playerConfigDamaged()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            WriteBytes(QStringLiteral("AAC.cfg"), file);
        ProgramSettings before;
        before.BackColour = 255;
        Program program(before);
        Player player(program);
        // Held in memory only: AAC has no row, so nothing is written.
        QCOMPARE(player.Change([](PlayerSettings& s) { s.PlayerGrade = QStringLiteral("?"), s.AdvanceNum = 9, s.ProblemFormat = 1; }),
                 PlayerSave::NotListed);
        player.SetDefinition(PracticeFields{3, 0, 1, 0, 0});
        player.Choose(QStringLiteral("Cy"), QStringLiteral("AAC"));
        const PlayerSettings& s = player.Settings();
        QTEST(QStringLiteral("%1 %2 %3 %4 %5").arg(s.PlayerGrade).arg(s.AdvanceNum).arg(s.ProblemFormat)
                  .arg(qint64(program.Settings().BackColour)).arg(player.Definition().PracticeOp), "read");
    }

    void playerOptions_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read");        // the options read, each ended by "|"
        QTest::addColumn<QByteArray>("written");  // the file once "Language" is set to "es"
        QTest::newRow("by hand: a mark, blanks, junk, a name twice in two cases, an = in a value")
            << QByteArray("\xEF\xBB\xBF BigDrill = 1 \n\njunk\n=5\r\nbigdrill=0\r\nLanguage=de=CH") << "BigDrill=0|Language=de=CH|"
            << QByteArray("BigDrill=0\r\nLanguage=es\r\n");
        QTest::newRow("Latin-1, saved as UTF-8") << QByteArray("Name=Zo\xeb\r\n") << QString::fromUtf8("Name=Zo\xc3\xab|")
            << QByteArray("Name=Zo\xc3\xab\r\nLanguage=es\r\n");
        QTest::newRow("no file") << QByteArray() << "" << QByteArray("Language=es\r\n");
    }
    void playerOptions()
    {
        QFETCH(QByteArray, file);
        WriteBytes(PlayerListFile, "1\r\n\"Ann\"\r\n\"AAB  \"\r\n");
        if (!file.isNull())
            WriteBytes(QStringLiteral("AAB.opt"), file);
        Program program;
        Player player(program);
        player.Choose(QStringLiteral("Ann"), QStringLiteral("AAB"));
        QTEST(QString::fromUtf8(PlayerOptionsBytes(player.Options())).replace("\r\n", "|"), "read");
        player.ChangeOptions([](PlayerOptions& o) { o.Set(QStringLiteral("Language"), QStringLiteral("es")); });
        QTEST(ReadBytes(QStringLiteral("AAB.opt")), "written");
    }

    void somethingElseAtItsPlace_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told"); // why the list cannot be read, or the file that stood in the way
        QTest::newRow("no list: a first start") << "Players" << "none" << "";
        QTest::newRow("root's list of mode 0600, read by another user") << "Players" << "private" << "cannot be read (Permission denied)";
        QTest::newRow("a named pipe as the list: no wait") << "Players" << "pipe" << "is not a plain file";
        QTest::newRow("a link to nothing as the list") << "Players" << "link" << "is a link to nothing";
        QTest::newRow("the lock of a copy that died here: taken over at once") << "Players.lock" << "dead" << "";
        for (const char* kind : {"pipe", "folder", "link", "private"})
            QTest::newRow(qPrintable(QStringLiteral("lock: ") + kind)) << "Players.lock" << kind << "Players.lock";
    }
    void somethingElseAtItsPlace()
    {
        QFETCH(QString, place);
        QFETCH(QString, kind);
        const QByteArray name = place.toLatin1();
        char host[256] = {};
        if (place != PlayerListFile || kind == "private")
            WriteBytes(PlayerListFile, "1\r\n\"Ann\"\r\n\"AAB  \"\r\n");
        if (place != PlayerListFile && (kind == "dead" || kind == "private") && ::gethostname(host, sizeof(host) - 1) == 0)
            WriteBytes(place, kind == "dead" ? "999999999\n" + QByteArray(host) + "\n" : QByteArray("x"));
        QVERIFY(kind != "private" || ::chmod(name, 0600) == 0);
        QVERIFY(kind != "pipe" || ::mkfifo(name, 0666) == 0);
        QVERIFY(kind != "folder" || ::mkdir(name, 0777) == 0);
        QVERIFY(kind != "link" || ::symlink("gone", name) == 0);
        // Another user of the group, in a folder every user may write.
        QVERIFY(::chmod(".", 0777) == 0 && (kind != "private" || ::seteuid(65534) == 0));
        PlayerRoster s;
        QString failed;
        const bool added = UpdatePlayerList(s, [](PlayerRoster& l) { return AddPlayerRow(l, "Zoe", "AAD  "); }, &failed);
        [[maybe_unused]] const int back = ::seteuid(0);
        QTEST(s.ListUnreadable + failed, "told");
        QCOMPARE(added, (s.ListUnreadable + failed).isEmpty());
        QCOMPARE(QFileInfo(PlayerListFile).isFile() && ReadBytes(PlayerListFile).contains("Zoe"), added);
    }

private:
    std::unique_ptr<TestPlatform> p;
};

QTEST_GUILESS_MAIN(TestPlayerFiles)
#include "tst_PlayerFiles.moc"
