// Start-up before any window: the command line, the seed, the folder and the settings.
#include "core/logic/StartUp.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void start_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("uninstall");
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("words kept apart: no log") << QStringList{"numbrella", "lo", "g"} << false << QByteArray();
        QTest::newRow("log anywhere, in capitals") << QStringList{"numbrella", "x", "-LOG"} << false << QByteArray("\"a\"\r\n\"b\"\r\n");
        QTest::newRow("u first: uninstall, nothing read") << QStringList{"numbrella", "Uninstall", "log"} << true << QByteArray();
    }
    void start()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, uninstall);
        TestPlatform p;
        p.now = QDateTime(QDate(2026, 12, 6), QTime(1, 2, 3, 500));
        AppState s;
        s.BackColour = 5;
        QCOMPARE(StartProgram(s, p, WholeCommandLine(arguments)), !uninstall);
        QCOMPARE(p.started, uninstall ? QStringList{p.programDir.path() + "/uninstall"} : QStringList());
        QCOMPARE(p.ended, uninstall);
        QTEST(ReadBytes(p.LogFilePath()), "log");
        // A start seeds with the seconds since midnight, enters the program folder and reads the settings.
        QCOMPARE(p.seeds, uninstall ? std::vector<double>() : std::vector<double>{3723.5});
        QCOMPARE(QFile::exists(p.IniPath()), !uninstall);
        QCOMPARE(QDir::currentPath() == QDir(p.programDir.path()).canonicalPath(), !uninstall);
        QCOMPARE(s.BackColour, uninstall ? 5.0 : 12640511.0);
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_StartUp.moc"
