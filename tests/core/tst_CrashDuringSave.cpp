// A process killed at any moment while it saves leaves every file whole: the old version
// or the new one, never a part of one and never none. The score history only grows, by
// whole lines. The writing process is the save loop, which uses the program's writers.
#include "support/SaveGeneration.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

// What the program's writers make of a generation: "Players", "AAB.cfg" and the settings file.
static QByteArrayList ExpectedFiles(int gen)
{
    QTemporaryDir dir;
    const QString here = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SaveGeneration(gen, dir.path());
    const QByteArrayList files{ReadBytes("Players"), ReadBytes("AAB.cfg"), ReadBytes("nbr.INI")};
    QDir::setCurrent(here);
    return files;
}

class TestCrashDuringSave : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMoments()
    {
        TestPlatform p;
        const QString dir = p.programDir.path(), iniDir = p.MachineSettingsDir();
        const QStringList paths{dir + "/Players", dir + "/AAB.cfg", iniDir + "/nbr.INI"};
        const std::array generationOf{PlayersGeneration, ConfigGeneration, SettingsGeneration};
        std::array seen{-1, -1, -1}; // the generation of each file after the last kill; -1: none yet
        QByteArray history;
        int next = 0, lastRecord = -1;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("random seed %u", seed);
        QRandomGenerator random(seed);
        for (int kill = 1; kill <= 200; ++kill) {
            QProcess loop;
            loop.start(QStringLiteral(NUMBRELLA_SAVELOOP), {dir, iniDir, QString::number(next)});
            QVERIFY(loop.waitForStarted() && loop.waitForReadyRead(30000));
            QThread::usleep(random.bounded(30000));
            loop.kill();
            QVERIFY(loop.waitForFinished());
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit); // killed while writing, not ended by a failed write
            const QByteArray after = " after kill " + QByteArray::number(kill);
            for (int i = 0; i < 3; ++i) {
                QVERIFY2(QFile::exists(paths[i]) || seen[i] < 0, qPrintable(paths[i] + " is gone" + after));
                if (!QFile::exists(paths[i]))
                    continue;
                const QByteArray bytes = ReadBytes(paths[i]);
                const std::optional<int> gen = generationOf[i](bytes);
                QVERIFY2(gen && *gen >= seen[i], qPrintable(paths[i] + " names no generation or an older one" + after));
                QCOMPARE(bytes, ExpectedFiles(*gen)[i]);
                next = std::max(next, (seen[i] = *gen) + 1);
            }
            const QByteArray grown = ReadBytes(dir + "/AAB.scr");
            const QByteArray added = grown.mid(history.size());
            QVERIFY2(grown.startsWith(history) && (added.isEmpty() || added.endsWith("\r\n")),
                     "the history lost lines or holds a part of one" + after);
            for (const QString& line : QString::fromLatin1(added).split("\r\n", Qt::SkipEmptyParts)) {
                const std::optional<int> gen = RecordGeneration(line.toLatin1());
                QVERIFY2(gen && *gen > lastRecord, qPrintable(line));
                next = std::max(next, (lastRecord = *gen) + 1);
            }
            history = grown;
        }
        qInfo("%d generations written, %d history lines", next, int(history.count('\n')));
    }
};

QTEST_GUILESS_MAIN(TestCrashDuringSave)
#include "tst_CrashDuringSave.moc"
