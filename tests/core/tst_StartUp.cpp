// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Start-up before any window: the command line, the seed, the folder and the settings.
// The whole log and a real uninstaller are driven end to end in tests/e2e.
#include "core/logic/DisplayName.h"
#include "core/logic/StartUp.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <sys/stat.h>

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
        // The log's folder is open to every user, as /tmp is.
        QVERIFY(::chmod(QFile::encodeName(p.root.path() + "/tmp").constData(), 01777) == 0);
        ProgramSettings s;
        QCOMPARE(StartProgram(s, p, WholeCommandLine(arguments)), !uninstall);
        QCOMPARE(p.started, uninstall ? QStringList{p.programDir.path() + "/uninstall"} : QStringList());
        QCOMPARE(ReadBytes(p.LogFilePath()), uninstall ? QByteArray() : QByteArray("\"a\"\r\n\"b\"\r\n"));
        QCOMPARE(p.seeds, uninstall ? std::vector<double>() : std::vector<double>{3723.5}); // seconds since midnight
        QCOMPARE(QFile::exists(p.IniPath()), !uninstall);
        // Only its user may read or change the log.
        struct stat log {};
        QCOMPARE(::stat(QFile::encodeName(p.LogFilePath()).constData(), &log) == 0 ? log.st_mode & 0777 : 0u, uninstall ? 0u : 0600u);
    }
    void displayNames_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("canonical");
        for (const char* local : {":0", ":0.0", "unix:0", "unix:0.1", "/tmp/.X11-unix/X0", " :00 "})
            QTest::newRow(local) << local << ":0";
        QTest::newRow("another host keeps its name") << "box:12.3" << "box:12";
    }
    void displayNames()
    {
        QFETCH(QString, display);
        QTEST(CanonicalDisplay(display), "canonical");
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_StartUp.moc"
