// A process killed at any moment while it saves leaves every file whole: the old version
// or the new one, never a part of one and never none. The score history only grows, by
// whole lines. The writing process is the save loop, which uses the program's writers.
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "support/SaveGeneration.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

class TestCrashDuringSave : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMoments();
};

namespace {
constexpr int Kills = 200;
// Kills land up to this long after the loop has started writing.
constexpr int LongestWaitUs = 30000;

struct Expected {
    QByteArray players, config, settings;
};

// What the program's writers make of a generation, written in a folder of its own.
Expected ExpectedFiles(int gen)
{
    QTemporaryDir dir;
    const QString here = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const AppState s = SaveGenerationState(gen, dir.path());
    SavePlayerList(s);
    SavePlayerConfig(s);
    SaveSettings(s);
    Expected e{ReadBytes(PlayerListFile), ReadBytes(PlayerConfigFile(s.PlayerFileId)), ReadBytes(s.IniPath)};
    QDir::setCurrent(here);
    return e;
}

struct Watched {
    QString path;
    std::optional<int> (*generation)(const QByteArray&);
    QByteArray Expected::*whole;
    int gen = -1; // the generation seen after the last kill; -1 before the file exists
};
} // namespace

void TestCrashDuringSave::killedAtRandomMoments()
{
    TestPlatform p;
    const QString dir = p.programDir.path();
    const QString iniDir = p.MachineSettingsDir();
    std::vector<Watched> files{
        {dir + QStringLiteral("/Players"), PlayersGeneration, &Expected::players},
        {dir + QStringLiteral("/AAB.cfg"), ConfigGeneration, &Expected::config},
        {iniDir + QStringLiteral("/nbr.INI"), SettingsGeneration, &Expected::settings},
    };
    const QString historyPath = dir + QStringLiteral("/AAB.scr");
    QByteArray history;
    int lastRecord = -1;
    int next = 0;

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("random seed %u", seed);
    QRandomGenerator random(seed);
    for (int kill = 1; kill <= Kills; ++kill) {
        QProcess loop;
        loop.start(QStringLiteral(NUMBRELLA_SAVELOOP), {dir, iniDir, QString::number(next)});
        QVERIFY(loop.waitForStarted());
        QVERIFY(loop.waitForReadyRead(30000));
        QThread::usleep(random.bounded(LongestWaitUs));
        loop.kill();
        QVERIFY(loop.waitForFinished());
        // Killed while writing, not ended by a failed write.
        QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

        int newest = lastRecord;
        for (Watched& w : files) {
            if (!QFile::exists(w.path)) {
                QVERIFY2(w.gen < 0, qPrintable(w.path + QStringLiteral(" is gone after kill ") + QString::number(kill)));
                continue;
            }
            const QByteArray bytes = ReadBytes(w.path);
            const std::optional<int> gen = w.generation(bytes);
            QVERIFY2(gen.has_value(), qPrintable(w.path + QStringLiteral(" names no generation after kill ") + QString::number(kill)));
            QVERIFY2(*gen >= w.gen, qPrintable(w.path + QStringLiteral(" went back after kill ") + QString::number(kill)));
            QCOMPARE(bytes, ExpectedFiles(*gen).*w.whole);
            w.gen = *gen;
            newest = std::max(newest, *gen);
        }

        const QByteArray grown = ReadBytes(historyPath);
        QVERIFY2(grown.startsWith(history), qPrintable(QStringLiteral("history lost lines at kill ") + QString::number(kill)));
        const QByteArray added = grown.mid(history.size());
        for (qsizetype at = 0; at < added.size();) {
            const qsizetype end = added.indexOf("\r\n", at);
            QVERIFY(end >= 0);
            const QByteArray line = added.mid(at, end - at);
            const std::optional<int> gen = RecordGeneration(line);
            QVERIFY2(gen.has_value(), line.constData());
            QVERIFY(*gen > lastRecord);
            lastRecord = *gen;
            at = end + 2;
        }
        history = grown;
        newest = std::max(newest, lastRecord);
        next = newest + 1;

    }
    // For the record: a temporary file left beside a target is a kill between its writing
    // and its renaming.
    const int leftovers = QDir(dir).entryList(QDir::Files).size() + QDir(iniDir).entryList(QDir::Files).size() - 4;
    qInfo("%d kills, %d generations written, %d history lines, %d temporary files left", Kills, next,
          int(history.count('\n')), leftovers);
    QVERIFY(!history.isEmpty());
}

QTEST_GUILESS_MAIN(TestCrashDuringSave)
#include "tst_CrashDuringSave.moc"
