// The 21-character practice record: packing, unpacking, keys and the history file.
#include "scores/logic/PracticeRecord.h"
#include "core/logic/LineFormat.h"
#include "support/DiskFull.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestPracticeRecord : public QObject {
    Q_OBJECT
private slots:
    void pack_data();
    void pack();
    void countRoundTrip_data();
    void countRoundTrip();
    void unpackLeavesBadFields_data();
    void unpackLeavesBadFields();
    void definitionKeys_data();
    void definitionKeys();
    void appendAndReadHistory();
    void missingHistoryIsNotEmptyHistory();
    void foreignHistory_data();
    void foreignHistory();
    void appendEndsALastLineLeftOpen();
    void appendOnFullDiskTakesItsLineBack();
    void hugeHistoryKeepsTheNewest();
};

void TestPracticeRecord::pack_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("record");
    const QDateTime march(QDate(2006, 3, 15), QTime(14, 5));
    QTest::newRow("example: addition just 3, 2 min, 7 of 9") << 0 << -3 << 2 << march << 7 << 9 << "0H2200603151405007009";
    QTest::newRow("all tables is K") << 2 << 0 << 5 << march << 0 << 0 << "2K5200603151405000000";
    QTest::newRow("up to 10 is U") << 1 << 10 << 1 << march << 12 << 15 << "1U1200603151405012015";
    QTest::newRow("just 10 is A") << 3 << -10 << 3 << march << 1 << 1 << "3A3200603151405001001";
    QTest::newRow("just 1 is J") << 0 << -1 << 7 << march << 99 << 100 << "0J7200603151405099100";
    QTest::newRow("10 minutes is 0") << 0 << 4 << 10 << march << 5 << 6 << "0O0200603151405005006";
    QTest::newRow("09:05 on 1 February 2007") << 0 << 0 << 1 << QDateTime(QDate(2007, 2, 1), QTime(9, 5)) << 0 << 0
                                              << "0K1200702010905000000";
    QTest::newRow("count 125 stays") << 0 << 0 << 1 << march << 125 << 125 << "0K1200603151405125125";
    QTest::newRow("count 1234 keeps last three") << 0 << 0 << 1 << march << 1234 << 1234 << "0K1200603151405234234";
    QTest::newRow("negative one keeps its sign") << 0 << 0 << 1 << march << -1 << 3 << "0K1200603151405-01003";
    QTest::newRow("negative twelve") << 0 << 0 << 1 << march << -12 << 3 << "0K1200603151405-12003";
    QTest::newRow("midnight") << 0 << 0 << 1 << QDateTime(QDate(2026, 12, 31), QTime(0, 0)) << 0 << 0 << "0K1202612310000000000";
    QTest::newRow("23:59") << 0 << 0 << 1 << QDateTime(QDate(2026, 1, 1), QTime(23, 59)) << 0 << 0 << "0K1202601012359000000";
}

void TestPracticeRecord::pack()
{
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(int, minutes);
    QFETCH(QDateTime, when);
    QFETCH(int, right);
    QFETCH(int, attempts);
    QFETCH(QString, record);
    AppState s;
    s.PracticeOp = op;
    s.TableNum = table;
    s.PracticeMinutes = minutes;
    s.CorrectCount = right;
    s.AttemptCount = attempts;
    const QString packed = PackPractice(s, when);
    QCOMPARE(packed, record);
    QCOMPARE(packed.size(), PracticeRecordLength);

    // And back: every field but the end time returns (counts over 999 keep their last digits).
    AppState back;
    back.CorrectCount = 555;
    back.AttemptCount = 555;
    UnpackPractice(back, packed);
    QCOMPARE(int(back.PracticeOp), op);
    QCOMPARE(int(back.TableNum), table);
    QCOMPARE(int(back.PracticeMinutes), minutes);
    QCOMPARE(int(back.CorrectCount), right % 1000);
    QCOMPARE(int(back.AttemptCount), attempts % 1000);
}

void TestPracticeRecord::countRoundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("packed");
    QTest::newRow("0") << 0 << "000";
    QTest::newRow("7") << 7 << "007";
    QTest::newRow("99") << 99 << "099";
    QTest::newRow("999") << 999 << "999";
    QTest::newRow("-1") << -1 << "-01";
    QTest::newRow("-9") << -9 << "-09";
    QTest::newRow("-10") << -10 << "-10";
    QTest::newRow("-99") << -99 << "-99";
}

void TestPracticeRecord::countRoundTrip()
{
    QFETCH(int, count);
    QFETCH(QString, packed);
    QCOMPARE(PackCount(count), packed);
    QCOMPARE(ReadCount(packed), std::optional<int>(count));
}

void TestPracticeRecord::unpackLeavesBadFields_data()
{
    QTest::addColumn<QString>("record");
    // Expected values; the state starts at op 1, table 2, minutes 3, right 44, attempts 55.
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("attempts");
    QTest::newRow("letters in the right count") << "2M5200603151405abc012" << 2 << 2 << 5 << 44 << 12;
    QTest::newRow("old negative form 0-1 is skipped") << "0K12006031514050-1010" << 0 << 0 << 1 << 44 << 10;
    QTest::newRow("letters in the attempts") << "3J0200603151405009x9y" << 3 << -1 << 10 << 9 << 55;
    QTest::newRow("operation not a digit") << "XK1200603151405001002" << 1 << 0 << 1 << 1 << 2;
    QTest::newRow("minutes not a digit") << "0K-200603151405001002" << 0 << 0 << 3 << 1 << 2;
    QTest::newRow("only three characters") << "2L7" << 2 << 1 << 7 << 44 << 55;
    QTest::newRow("empty") << "" << 1 << 2 << 3 << 44 << 55;
    QTest::newRow("cut inside the attempts") << "0K1200603151405012" << 0 << 0 << 1 << 12 << 55;
}

void TestPracticeRecord::unpackLeavesBadFields()
{
    QFETCH(QString, record);
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(int, minutes);
    QFETCH(int, right);
    QFETCH(int, attempts);
    AppState s;
    s.PracticeOp = 1;
    s.TableNum = 2;
    s.PracticeMinutes = 3;
    s.CorrectCount = 44;
    s.AttemptCount = 55;
    // The shared state, and the fields alone as a whole history is read, go the same way.
    PracticeFields f{1, 2, 3, 44, 55};
    UnpackPractice(s, record);
    UnpackPractice(f, record);
    for (const PracticeFields& got : {PracticeFields{s.PracticeOp, s.TableNum, s.PracticeMinutes, s.CorrectCount, s.AttemptCount}, f}) {
        QCOMPARE(int(got.PracticeOp), op);
        QCOMPARE(int(got.TableNum), table);
        QCOMPARE(int(got.PracticeMinutes), minutes);
        QCOMPARE(int(got.CorrectCount), right);
        QCOMPARE(int(got.AttemptCount), attempts);
    }
}

void TestPracticeRecord::definitionKeys_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("sameSet");
    QTest::newRow("differ in time and counts") << "0H2200603151405007009" << "0H2200701010900012012" << true;
    QTest::newRow("differ in minutes digit") << "0H2200603151405007009" << "0H3200603151405007009" << false;
    QTest::newRow("1 minute vs 10 minutes") << "0K1200603151405007009" << "0K0200603151405007009" << false;
    QTest::newRow("up to vs just") << "2O5200603151405007009" << "2G5200603151405007009" << false;
    QTest::newRow("a cut record is of no set") << "2O" << "2O5200603151405007009" << false;
}

void TestPracticeRecord::definitionKeys()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, sameSet);
    QCOMPARE(DefinitionKey(a) == DefinitionKey(b), sameSet);
    QCOMPARE(InSet(a, DefinitionKey(b)), sameSet);
}

void TestPracticeRecord::appendAndReadHistory()
{
    TestPlatform p;
    p.EnterProgramDir();
    AppState s;
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    s.PracticeOp = 0;
    s.TableNum = -3;
    s.PracticeMinutes = 2;
    s.CorrectCount = 7;
    s.AttemptCount = 9;
    QVERIFY(AppendScoreRecord(s, p.now));
    s.PracticeMinutes = 10;
    s.CorrectCount = -2;
    QVERIFY(AppendScoreRecord(s, p.now.addSecs(3600)));
    QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")),
             QByteArray("\"0H2200603151405007009\"\r\n\"0H0200603151505-02009\"\r\n"));
    const auto records = ReadScoreHistory(QStringLiteral("AAB.scr"));
    QVERIFY(records.has_value());
    QCOMPARE(*records, QStringList({"0H2200603151405007009", "0H0200603151505-02009"}));
    QCOMPARE(DefinitionKey(s.PracticeOp, s.TableNum, s.PracticeMinutes), QStringLiteral("0H0"));
}

void TestPracticeRecord::missingHistoryIsNotEmptyHistory()
{
    TestPlatform p;
    p.EnterProgramDir();
    QVERIFY(!ReadScoreHistory(QStringLiteral("ZZZ.scr")).has_value());
    AppState s;
    s.ScoreFilePath = QStringLiteral("no-such-folder/AAB.scr");
    QVERIFY(!AppendScoreRecord(s, p.now));
}

void TestPracticeRecord::foreignHistory_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("records");
    const QByteArray a = "0H2200603151405007009";
    const QByteArray b = "0H2200603151505012015";
    const QStringList both{QString::fromLatin1(a), QString::fromLatin1(b)};
    QTest::newRow("line feeds only, no last line end") << "\"" + a + "\"\n\"" + b + "\"" << both;
    QTest::newRow("blank lines passed over") << "\r\n\"" + a + "\"\r\n\r\n   \r\n\"" + b + "\"\r\n\r\n" << both;
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf\"" + a + "\"\r\n\"" + b + "\"\r\n" << both;
    QTest::newRow("a line of 5 characters passed over") << "\"" + a + "\"\r\n\"0K120\"\r\n\"" + b + "\"\r\n" << both;
    QTest::newRow("binary garbage passed over") << "\"" + a + "\"\r\n\x01\xff\x80\r\n\"" + b + "\"\r\n" << both;
    QTest::newRow("record without quotes kept") << a + "\r\n\"" + b + "\"\r\n" << both;
    QTest::newRow("letters in a count kept") << QByteArray("\"0H2200603151405abc009\"\r\n") << QStringList{"0H2200603151405abc009"};
}

void TestPracticeRecord::foreignHistory()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, records);
    TestPlatform p;
    p.EnterProgramDir();
    WriteBytes(QStringLiteral("AAB.scr"), file);
    QCOMPARE(ReadScoreHistory(QStringLiteral("AAB.scr")).value(), records);
}

void TestPracticeRecord::appendEndsALastLineLeftOpen()
{
    // Another editor left the last record without its line end: the next record must not
    // run into it, where the reader would drop it as text after the closing quote.
    TestPlatform p;
    p.EnterProgramDir();
    WriteBytes(QStringLiteral("AAB.scr"), "\"0H2200603151405007009\"");
    AppState s;
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    s.PracticeOp = 1;
    s.TableNum = 0;
    s.PracticeMinutes = 3;
    s.CorrectCount = 4;
    s.AttemptCount = 5;
    QVERIFY(AppendScoreRecord(s, p.now));
    QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")), QByteArray("\"0H2200603151405007009\"\r\n\"1K3200603151405004005\"\r\n"));
    QCOMPARE(ReadScoreHistory(QStringLiteral("AAB.scr"))->size(), 2);
}

void TestPracticeRecord::appendOnFullDiskTakesItsLineBack()
{
    TestPlatform p;
    p.EnterProgramDir();
    AppState s;
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    s.PracticeMinutes = 1;
    QVERIFY(AppendScoreRecord(s, p.now));
    const QByteArray before = ReadBytes(s.ScoreFilePath);
    {
        // Room for 10 of the line's 25 bytes: the 10 written are taken back.
        DiskFull full(before.size() + 10);
        QVERIFY(!AppendScoreRecord(s, p.now));
    }
    QCOMPARE(ReadBytes(s.ScoreFilePath), before);
    QVERIFY(AppendScoreRecord(s, p.now));
    QCOMPARE(ReadBytes(s.ScoreFilePath), before + before);
}

void TestPracticeRecord::hugeHistoryKeepsTheNewest()
{
    TestPlatform p;
    p.EnterProgramDir();
    const QByteArray line = "\"0K1200603151405007009\"\r\n";
    WriteRepeated(QStringLiteral("AAB.scr"), QByteArray(), line, 50 << 20);
    QVERIFY(AppendLine(QStringLiteral("AAB.scr"), QStringLiteral("\"2F1200702010905011012\"")));
    const auto records = ReadScoreHistory(QStringLiteral("AAB.scr"));
    // The newest 16 MiB are read, from the first whole line in them.
    QCOMPARE(records->size(), int(HistoryReadLimit / line.size()));
    QCOMPARE(records->last(), QStringLiteral("2F1200702010905011012"));
    QCOMPARE(records->first(), QStringLiteral("0K1200603151405007009"));
}

QTEST_GUILESS_MAIN(TestPracticeRecord)
#include "tst_PracticeRecord.moc"
