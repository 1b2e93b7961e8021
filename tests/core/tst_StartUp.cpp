// Start-up before any window: the command line, the seed, the folder and the settings.
// The uninstall option and the whole log are driven end to end in tests/e2e.
#include "core/logic/StartUp.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void normalStart()
    {
        TestPlatform p;
        p.now = QDateTime(QDate(2026, 12, 6), QTime(1, 2, 3, 500));
        AppState s;
        s.BackColour = 5;
        // "u" counts only as the first character; "log" anywhere, in any case.
        QVERIFY(StartProgram(s, p, WholeCommandLine({"numbrella", "xu", "-LoG"})));
        QVERIFY(p.started.isEmpty() && !p.ended);
        QCOMPARE(ReadBytes(p.LogFilePath()), QByteArray("\"a\"\r\n\"b\"\r\n"));
        QCOMPARE(p.seeds, std::vector<double>{3723.5}); // seconds since midnight
        QCOMPARE(QDir::currentPath(), QDir(p.programDir.path()).canonicalPath());
        QVERIFY(QFile::exists(p.IniPath()));
        QCOMPARE(s.BackColour, 12640511.0);
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_StartUp.moc"
