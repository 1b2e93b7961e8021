// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A process killed at any moment while it saves leaves every file whole: the old version or
// the new one, never a part of one and never none; the score history grows by whole lines only.
// This executable started with "loop" is the writing process: the program's own writers,
// generation after generation, until it is killed.
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"
#include "core/logic/Settings.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>
#include <cstdio>

namespace {
// Generation `gen` of "Players", "AAB.cfg", nbr.INI (in iniDir) and one more history line.
// The list grows and shrinks, so a cut-off file never equals a whole one.
bool SaveGeneration(int gen, const QString& iniDir)
{
    PlayerRoster list;
    list.PlayerCount = static_cast<Int16>(1 + gen % MaxPlayers);
    for (int k = 1; k <= list.PlayerCount; ++k)
        list.Players[k] = {QStringLiteral("Player %1 %2").arg(gen).arg(k), QStringLiteral("A%1%2  ").arg(QChar('A' + k / 26), QChar('A' + k % 26))};
    PlayerSettings player;
    player.PlayerGrade = QString::number(gen);
    player.AdvanceNum = static_cast<Int16>(gen % 100);
    ProgramSettings program;
    program.WindowsDir = iniDir;
    program.IniPath = iniDir + QStringLiteral("/nbr.INI");
    program.LastPlayerName = QStringLiteral("Player %1").arg(gen);
    // The record's counts carry the generation.
    const PracticeFields practice{2, -5, 1, static_cast<Int16>(gen % 1000), static_cast<Int16>(gen / 1000)};
    return SavePlayerList(list) & WritePlayerConfig(QStringLiteral("AAB"), player, program.BackColour) & SaveSettings(program)
        && AppendScoreRecord(PlayerScoreFile(QStringLiteral("AAB")), practice, QDateTime(QDate(2006, 3, 15), QTime(14, 5)));
}

// The generation a file or a history line names, if any.
std::optional<int> Generation(const QByteArray& bytes)
{
    static const QRegularExpression named(QStringLiteral("\"(?:Player )?(\\d+)[ \"]|^\"2F1200603151405(\\d{3})(\\d{3})\"$"));
    const QRegularExpressionMatch m = named.match(QString::fromLatin1(bytes));
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).isEmpty() ? m.captured(3).toInt() * 1000 + m.captured(2).toInt() : m.captured(1).toInt();
}
} // namespace

class TestCrashDuringSave : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMoments()
    {
        TestPlatform p;
        const QString dir = p.programDir.path(), iniDir = p.MachineSettingsDir();
        const QStringList paths{dir + "/Players", dir + "/AAB.cfg", iniDir + "/nbr.INI"};
        std::array seen{-1, -1, -1}; // the generation of each file after the last kill
        QByteArray history;
        int next = 0, lastRecord = -1;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("random seed %u", seed);
        QRandomGenerator random(seed);
        for (int kill = 1; kill <= 100; ++kill) {
            QProcess loop;
            loop.setWorkingDirectory(dir);
            loop.start(QCoreApplication::applicationFilePath(), {QStringLiteral("loop"), iniDir, QString::number(next)});
            QVERIFY(loop.waitForReadyRead(30000));
            QThread::usleep(random.bounded(30000));
            loop.kill();
            QVERIFY(loop.waitForFinished());
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit); // killed while writing, not ended by a failed write
            for (int i = 0; i < 3; ++i) {
                QVERIFY2(QFile::exists(paths[i]) || seen[i] < 0, qPrintable(paths[i] + " is gone"));
                if (!QFile::exists(paths[i]))
                    continue;
                const QByteArray bytes = ReadBytes(paths[i]);
                const std::optional<int> gen = Generation(bytes);
                QVERIFY2(gen && *gen >= seen[i], qPrintable(paths[i] + " names no generation or an older one"));
                QTemporaryDir whole; // what the writers make of that generation
                QDir::setCurrent(whole.path());
                SaveGeneration(*gen, whole.path());
                QCOMPARE(bytes, ReadBytes(whole.path() + paths[i].mid(paths[i].lastIndexOf('/'))));
                next = std::max(next, (seen[i] = *gen) + 1);
            }
            const QByteArray grown = ReadBytes(dir + "/AAB.scr"), added = grown.mid(history.size());
            QVERIFY2(grown.startsWith(history) && (added.isEmpty() || added.endsWith("\r\n")), "the history lost lines or holds a part of one");
            for (const QByteArray& line : added.split('\n'))
                if (const QByteArray record = line.trimmed(); !record.isEmpty()) {
                    QVERIFY2(Generation(record) > lastRecord, record.constData()); // a whole record of a later generation
                    next = std::max(next, (lastRecord = *Generation(record)) + 1);
                }
            history = grown;
        }
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "loop") == 0) {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (int gen = std::atoi(argv[3]);; ++gen)
            if (!SaveGeneration(gen, QString::fromLocal8Bit(argv[2])))
                return 1;
    }
    QCoreApplication app(argc, argv);
    TestCrashDuringSave test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_CrashDuringSave.moc"
