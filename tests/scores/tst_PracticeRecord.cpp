// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The 21-character practice record: packing, unpacking and the history file; the facts file.
#include "core/logic/FactsFile.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PracticeRecord.h"
#include "support/DiskFull.h"
#include "support/ScoresPracticeBuilders.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <memory>

class TestPracticeRecord : public QObject {
    Q_OBJECT
    std::unique_ptr<TestPlatform> p;

private slots:
    void init() { (p = std::make_unique<TestPlatform>())->EnterProgramDir(); }

    void pack_data()
    {
        QTest::addColumn<QList<int>>("fields"); // operation, table, minutes, right, attempts
        QTest::addColumn<QString>("record");    // ended 09:05 on 1 February 2007
        QTest::newRow("up to 10 is U") << QList<int>{1, 10, 1, 12, 15} << "1U1200702010905012015";
        QTest::newRow("10 minutes is 0") << QList<int>{2, 0, 10, 5, 6} << "2K0200702010905005006";
        QTest::newRow("negative one keeps its sign") << QList<int>{3, 4, 1, -1, 3} << "3O1200702010905-01003";
    }
    void pack()
    {
        QFETCH(QList<int>, fields);
        QFETCH(QString, record);
        QCOMPARE(PackPractice(Practised(fields), QDateTime(QDate(2007, 2, 1), QTime(9, 5))), record);
        // And back: every field but the end time returns.
        PracticeFields back = Practised({9, 9, 9, 555, 555});
        UnpackPractice(back, record);
        QCOMPARE(Fields(back), fields);
    }

    void unpackLeavesBadFields_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QList<int>>("fields"); // from 1, 2, 3, 44, 55
        QTest::newRow("letters in the right count") << "2M5200603151405abc012" << QList<int>{2, 2, 5, 44, 12};
        QTest::newRow("a sign alone; the old negative form 0-1") << "0K1200603151405  -0-1" << QList<int>{0, 0, 1, 44, 55};
        QTest::newRow("operation not a digit") << "XK1200603151405001002" << QList<int>{1, 0, 1, 1, 2};
        QTest::newRow("only three characters") << "2L7" << QList<int>{2, 1, 7, 44, 55};
        QTest::newRow("empty") << "" << QList<int>{1, 2, 3, 44, 55};
        QTest::newRow("cut inside the attempts") << "0K1200603151405012" << QList<int>{0, 0, 1, 12, 55};
    }
    void unpackLeavesBadFields()
    {
        QFETCH(QString, record);
        QFETCH(QList<int>, fields);
        PracticeFields s = Practised({1, 2, 3, 44, 55});
        UnpackPractice(s, record);
        QCOMPARE(Fields(s), fields);
    }

    void foreignHistory_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray a = "\"0H2200603151405007009\"", b = "\"0H2200603151505012015\"";
        QTest::newRow("line feeds only, no last line end") << a + "\n" + b;
        QTest::newRow("a line of 5 characters passed over") << a + "\r\n\"0K120\"\r\n" + b + "\r\n";
        QTest::newRow("binary garbage passed over") << a + "\r\n\x01\xff\x80\r\n" + b + "\r\n";
    }
    void foreignHistory()
    {
        QFETCH(QByteArray, file);
        WriteBytes(QStringLiteral("AAB.scr"), file);
        QCOMPARE(ReadScoreHistory(QStringLiteral("AAB.scr")).value(),
                 QStringList({"0H2200603151405007009", "0H2200603151505012015"}));
    }

    void factLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("read"); // what came first, the number typed, tenths, the time
        QTest::newRow("older line, missed") << QByteArray("2,7,8,0,43,\"20261207143005\"") << "missed ? 43 2026-12-07T14:30:05";
        QTest::newRow("Show Answer") << QByteArray("2,7,8,2,61,\"20261231235959\",") << "shown ? 61 2026-12-31T23:59:59";
        QTest::newRow("the lowest number typed") << QByteArray("3,100,10,0,1,\"20261207143005\",-32768") << "missed -32768 1 2026-12-07T14:30:05";
        QTest::newRow("subtraction's answer") << QByteArray("1,11,10,1,5,\"20261207143005\",1") << "right 1 5 2026-12-07T14:30:05";
    }
    void factLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, read);
        const std::optional<FactAnswer> a = ReadFactLine(line);
        QVERIFY(a);
        const QString kind = a->Right ? "right" : (a->Shown ? "shown" : "missed");
        QCOMPARE(QStringList({kind, a->Given ? QString::number(*a->Given) : "?", QString::number(a->Tenths),
                              a->When.toString(Qt::ISODate).left(19)}).join(' '), read);
        QCOMPARE(FactLine(*a).toLatin1(), line); // written back as it was
    }

    void factsFileKeepsGoodLines_data()
    {
        QTest::addColumn<QByteArray>("bad"); // a line between good ones at the edges of their numbers
        const QByteArray when = ",\"20261207143012\"";
        QTest::newRow("a NUL byte") << QByteArray("2,7,8\0,1,21", 11) + when;
        QTest::newRow("100,000 characters") << QByteArray(100000, '7');
        QTest::newRow("a value missing") << QByteArray("2,7,8,21") + when;
        QTest::newRow("a value too many") << QByteArray("2,7,8,1,21") + when + ",56,5";
        QTest::newRow("operation 4") << QByteArray("4,7,8,1,21") + when;
        QTest::newRow("division 57 / 8") << QByteArray("3,57,8,1,21") + when;
        QTest::newRow("division by 0") << QByteArray("3,0,0,1,21") + when;
        QTest::newRow("mark 2 in an older line") << QByteArray("2,7,8,2,21") + when;
        QTest::newRow("32768 tenths") << QByteArray("2,7,8,1,32768") + when;
        QTest::newRow("month 13") << QByteArray("2,7,8,1,21,\"20261307143012\"");
        QTest::newRow("right, but another number typed") << QByteArray("2,7,8,1,21") + when + ",57";
        QTest::newRow("wrong, but the answer typed") << QByteArray("2,7,8,0,21") + when + ",56";
        QTest::newRow("a number after Show Answer") << QByteArray("2,7,8,2,21") + when + ",0";
        QTest::newRow("32768 typed") << QByteArray("2,7,8,0,21") + when + ",32768";
        QTest::newRow("a minus alone typed") << QByteArray("2,7,8,0,21") + when + ",-";
    }
    void factsFileKeepsGoodLines()
    {
        QFETCH(QByteArray, bad);
        const QByteArray a = "0,10,10,0,32767,\"20261207143005\"", b = "3,100,10,1,0,\"20261207143031\",10",
                         c = "2,7,8,2,21,\"20261207143040\",";
        WriteBytes(QStringLiteral("AAB.fct"), a + "\r\n" + bad + "\n" + b + "\r\n" + bad + "\r\n" + c);
        const QList<FactAnswer> read = ReadFactsFile(QStringLiteral("AAB.fct")).value();
        QCOMPARE(read.size(), 3);
        QCOMPARE(read, ReadFactLines(a + "\r\n" + b + "\r\n" + c));
    }

    void appendEndsALastLineLeftOpen()
    {
        // Another editor left the last record without its line end: the next record must not
        // run into it, where the reader would drop it as text after the closing quote.
        WriteBytes(QStringLiteral("AAB.scr"), "\"0H2200603151405007009\"");
        QVERIFY(AppendScoreRecord(QStringLiteral("AAB.scr"), Practised<PracticeFields>({1, 0, 3, 4, 5}), p->now));
        QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")), QByteArray("\"0H2200603151405007009\"\r\n\"1K3200603151405004005\"\r\n"));
    }

    void appendOnFullDiskTakesItsLineBack()
    {
        const QString path = QStringLiteral("AAB.scr");
        QVERIFY(AppendScoreRecord(path, Practised<PracticeFields>({0, 0, 1}), p->now));
        const QByteArray before = ReadBytes(path);
        auto full = std::make_unique<DiskFull>(before.size() + 10); // room for 10 of the line's 25 bytes
        QVERIFY(!AppendScoreRecord(path, Practised<PracticeFields>({0, 0, 1}), p->now));
        full.reset();
        QCOMPARE(ReadBytes(path), before); // the 10 written are taken back
        QVERIFY(AppendScoreRecord(path, Practised<PracticeFields>({0, 0, 1}), p->now));
        QCOMPARE(ReadBytes(path), before + before);
    }

    void hugeHistoryKeepsTheNewest()
    {
        // Only the newest 16 MiB are read, from the first whole line in them.
        const QByteArray line = "\"0K1200603151405007009\"\r\n";
        WriteRepeated(QStringLiteral("AAB.scr"), QByteArray(), line, HistoryReadLimit + (1 << 20));
        QVERIFY(AppendScoreRecord(QStringLiteral("AAB.scr"), Practised<PracticeFields>({2, -5, 1, 11, 12}), p->now));
        const auto records = ReadScoreHistory(QStringLiteral("AAB.scr"));
        QCOMPARE(records->size(), int(HistoryReadLimit / line.size()));
        QCOMPARE((QStringList{records->first(), records->last()}), (QStringList{"0K1200603151405007009", "2F1200603151405011012"}));
    }
};

QTEST_GUILESS_MAIN(TestPracticeRecord)
#include "tst_PracticeRecord.moc"
