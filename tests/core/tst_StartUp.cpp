// Start-up before any window: the command line, the seed, the folder and the settings;
// the random pick of a tune.
#include "core/logic/ActivityLog.h"
#include "core/logic/StartUp.h"
#include "core/logic/Tunes.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void uninstallReadsNothing();
    void normalStart();
    void wholeCommandLine();
    void randomMidiFileSpreads();
};

void TestStartUp::commandLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("uninstall");
    QTest::addColumn<bool>("log");
    QTest::newRow("u") << "u" << true << false;
    QTest::newRow("capital U") << "Uninstall" << true << false;
    QTest::newRow("u after the first character") << "xu" << false << false;
    QTest::newRow("LOG in capitals") << "LOG" << false << true;
    QTest::newRow("log inside a longer word") << "catalogue" << false << true;
    QTest::newRow("u and log") << "ulog" << true << true;
}

void TestStartUp::commandLine()
{
    QFETCH(QString, line);
    QFETCH(bool, uninstall);
    QFETCH(bool, log);
    QCOMPARE(WantsUninstall(line), uninstall);
    QCOMPARE(WantsLog(line), log);
}

void TestStartUp::uninstallReadsNothing()
{
    TestPlatform p;
    AppState s;
    QVERIFY(!StartProgram(s, p, QStringLiteral("u")));
    QCOMPARE(p.started, QStringList{p.programDir.path() + QStringLiteral("/uninstall")});
    QVERIFY(p.ended);
    QVERIFY(!QFile::exists(p.IniPath()));
    QVERIFY(!QFile::exists(p.LogFilePath()));
}

void TestStartUp::normalStart()
{
    TestPlatform p;
    p.displayColours = 256;
    p.now = QDateTime(QDate(2026, 12, 6), QTime(1, 2, 3, 500));
    QDir::setCurrent(p.root.path());
    AppState s;
    s.BackColour = 5;
    QVERIFY(StartProgram(s, p, QStringLiteral("-Log")));
    QCOMPARE(int(s.LogEnabled), -1);
    QCOMPARE(int(s.DisplayColours), 256);
    QCOMPARE(s.AppPath, p.programDir.path());
    QCOMPARE(QDir::currentPath(), QDir(p.programDir.path()).canonicalPath());
    QCOMPARE(p.seeds, std::vector<double>{3723.5});
    QCOMPARE(s.BackColour, 12640511.0);
    QVERIFY(QFile::exists(p.IniPath()));
    QCOMPARE(ReadBytes(p.LogFilePath()), QByteArray("\"a\"\r\n\"b\"\r\n"));
    QVERIFY(p.started.isEmpty());
}

void TestStartUp::wholeCommandLine()
{
    QCOMPARE(WholeCommandLine({"numbrella"}), QString());
    QCOMPARE(WholeCommandLine({"numbrella", "u"}), QStringLiteral("u"));
    QCOMPARE(WholeCommandLine({"numbrella", "x", "log"}), QStringLiteral("x log"));
}

void TestStartUp::randomMidiFileSpreads()
{
    TestPlatform p;
    p.EnterProgramDir();
    p.randoms = {0.5};
    QCOMPARE(RandomMidiFile(p), QString()); // no tunes at all
    p.randoms.clear();
    for (const char* name : {"a.mid", "b.mid", "c.MID", "notes.txt"})
        WriteBytes(QString::fromLatin1(name), "x");
    // Draws spread evenly over [0, 1) pick each tune a third of the time.
    for (int i = 0; i < 300; ++i)
        p.randoms.push_back((i + 0.5) / 300.0);
    QMap<QString, int> counts;
    for (int i = 0; i < 300; ++i)
        counts[RandomMidiFile(p)]++;
    QCOMPARE(counts.keys(), QStringList({"a.mid", "b.mid", "c.MID"}));
    for (int c : counts)
        QCOMPARE(c, 100);
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_StartUp.moc"
