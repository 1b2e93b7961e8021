// Start-up before any window: the command line, the seed, the folder and the settings.
// The whole log and a real uninstaller are driven end to end in tests/e2e.
#include "core/logic/StartUp.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void start_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("uninstall");
        // "u" counts only as the first character; "log" anywhere, in any case.
        QTest::newRow("normal start with the log") << QStringList{"numbrella", "xu", "-LoG"} << false;
        QTest::newRow("uninstall: nothing read or written") << QStringList{"numbrella", "Uninstall", "log"} << true;
    }
    void start()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, uninstall);
        TestPlatform p;
        p.now = QDateTime(QDate(2026, 12, 6), QTime(1, 2, 3, 500));
        AppState s;
        QCOMPARE(StartProgram(s, p, WholeCommandLine(arguments)), !uninstall);
        QCOMPARE(p.started, uninstall ? QStringList{p.programDir.path() + "/uninstall"} : QStringList());
        QCOMPARE(ReadBytes(p.LogFilePath()), uninstall ? QByteArray() : QByteArray("\"a\"\r\n\"b\"\r\n"));
        QCOMPARE(p.seeds, uninstall ? std::vector<double>() : std::vector<double>{3723.5}); // seconds since midnight
        QCOMPARE(QFile::exists(p.IniPath()), !uninstall);
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_StartUp.moc"
