// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The one-value-per-line format: reading values, writing text that cannot break a line, and
// the whole-file save that a full disk, a huge file or a planted link must not spoil.
#include "core/logic/LineFormat.h"
#include "support/DiskFull.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>

class TestLineFormat : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        p = std::make_unique<TestPlatform>();
        p->EnterProgramDir();
    }
    void readValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("blanks: kept inside quotes, skipped before") << QByteArray("  \"AB  \"\r\n  7 \r\n") << QStringList{"AB  ", "7"};
        QTest::newRow("comma ends a value, not inside quotes") << QByteArray("1,2\r\n\"Smith, Ann\",x\r\n") << QStringList{"1", "2", "Smith, Ann", "x"};
        QTest::newRow("text after the closing quote dropped") << QByteArray("\"a\"xyz\r\n\"b\"") << QStringList{"a", "b"};
        QTest::newRow("quote never closed") << QByteArray("\"a\r\nb") << QStringList{"a\r\nb"};
        QTest::newRow("empty lines are empty values") << QByteArray("\r\n\r\n\"c\"\r\n") << QStringList{"", "", "c"};
        QTest::newRow("bare line feeds") << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
        QTest::newRow("no line end at the end") << QByteArray("\"a\"\r\n5") << QStringList{"a", "5"};
        QTest::newRow("utf-8 name") << QByteArray("\"Zo\xc3\xab\"\r\n") << QStringList{QString::fromUtf8("Zo\xc3\xab")};
        QTest::newRow("byte-order mark before the first value") << QByteArray("\xef\xbb\xbf\"a\"\r\n7") << QStringList{"a", "7"};
        QTest::newRow("nothing but a byte-order mark") << QByteArray("\xef\xbb\xbf") << QStringList{};
    }
    void readValues()
    {
        QFETCH(QByteArray, file);
        LineReader in = LineReader::FromBytes(file);
        QStringList got;
        while (!in.AtEnd())
            got << *in.ReadText();
        QTEST(got, "texts");
        QVERIFY(!in.ReadText().has_value());
    }
    void leftoverNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("leftover");
        QTest::newRow("a save's temporary file") << "Players.nbr-new-9-0" << true;
        QTest::newRow("long numbers") << "AAB.cfg.nbr-new-123456-78" << true;
        QTest::newRow("the mark twice, the last counts") << "a.nbr-new-1-2.nbr-new-3-4" << true;
        QTest::newRow("no count") << "Players.nbr-new-9-" << false;
        QTest::newRow("no process") << "Players.nbr-new--0" << false;
        QTest::newRow("a letter in the count") << "Players.nbr-new-9-0x" << false;
        QTest::newRow("text after the numbers") << "a.nbr-new-1-2.txt" << false;
        QTest::newRow("an earlier mark does not count") << "a.nbr-new-1-2.nbr-new-x" << false;
        QTest::newRow("a player's file") << "Players" << false;
    }
    void leftoverNames()
    {
        QFETCH(QString, name);
        QTEST(IsLeftoverSave(name), "leftover");
    }
    void textCannotBreakTheFile()
    {
        LineWriter out;
        out.Text(QStringLiteral("Ann \"the\" great\r\nsecond\rthird\nline"));
        out.Int(-7);
        out.Colour(12640511);
        out.Colour(0.5);
        out.Empty();
        QCOMPARE(out.Bytes(), QByteArray("\"Ann 'the' great second third line\"\r\n-7\r\n12640511\r\n0.5\r\n\r\n"));
        LineReader in = LineReader::FromBytes(out.Bytes() + "40000\r\n");
        QCOMPARE(*in.ReadText(), QStringLiteral("Ann 'the' great second third line"));
        QCOMPARE(*in.ReadInt(), -7);
        QCOMPARE(*in.ReadColour(), 12640511.0);
        QCOMPARE(*in.ReadColour(), 0.5);
        QCOMPARE(*in.ReadColour(), 0.0); // an empty colour line
        QVERIFY(!in.ReadInt().has_value()); // too big for 16 bits
    }
    void fullDiskKeepsEveryFile()
    {
        QVERIFY(WriteFileAtomic(QStringLiteral("Players"), "1\r\n\"Ann\"\r\n\"AAB  \"\r\n"));
        const QByteArray longer = "2\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob Bobson the Second\"\r\n\"AAC  \"\r\n";
        {
            DiskFull full(30); // room for a part of the new version only
            QVERIFY(!WriteFileAtomic(QStringLiteral("Players"), longer));
        }
        QCOMPARE(ReadBytes(QStringLiteral("Players")), QByteArray("1\r\n\"Ann\"\r\n\"AAB  \"\r\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{"Players"}); // no temporary file left
        QVERIFY(WriteFileAtomic(QStringLiteral("Players"), longer));
        QCOMPARE(ReadBytes(QStringLiteral("Players")), longer);
    }
    void plantedLinksNeverWrittenThrough()
    {
        // Another user's links, in a folder every user may write, to a private file.
        QFile::setPermissions(QStringLiteral("."), QFileDevice::Permissions(0x7777));
        const QString priv = p->root.path() + "/private";
        WriteBytes(priv, "mine");
        QVERIFY(QFile::setPermissions(priv, QFileDevice::ReadOwner | QFileDevice::WriteOwner) && QFile::link(priv, "AAB.cfg") && QFile::link(priv, "AAB.scr"));
        QVERIFY(!AppendLine(QStringLiteral("AAB.scr"), QStringLiteral("new")) && QFileInfo(QStringLiteral("AAB.scr")).isSymLink()); // refused
        QVERIFY(WriteFileAtomic(QStringLiteral("AAB.cfg"), "new") && !QFileInfo(QStringLiteral("AAB.cfg")).isSymLink()); // replaced
        QCOMPARE(ReadBytes(QStringLiteral("AAB.cfg")) + ReadBytes(priv), QByteArray("newmine"));
        QCOMPARE(QFile::permissions(priv) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    void hugeFileReadInPart()
    {
        WriteRepeated(QStringLiteral("Players"), "2\r\n", "\"x\"\r\n", 50 << 20);
        LineReader in(QStringLiteral("Players"));
        int values = 0;
        while (in.ReadText())
            ++values;
        // The count, every whole value in the first 4 MiB, and the piece cut at the limit.
        QCOMPARE(values, 1 + (ValueFileReadLimit - 3) / 5 + 1);
        QVERIFY(QFileInfo(QStringLiteral("Players")).size() >= 50 << 20); // reading never shortens a file
    }

private:
    std::unique_ptr<TestPlatform> p;
};

QTEST_GUILESS_MAIN(TestLineFormat)
#include "tst_LineFormat.moc"
