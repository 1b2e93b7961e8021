#include "support/SaveGeneration.h"

#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "scores/logic/PracticeRecord.h"

#include <QRegularExpression>

AppState SaveGenerationState(int gen, const QString& iniDir)
{
    AppState s;
    // The list grows and shrinks, so a cut-off file is never the same as a whole one.
    s.PlayerCount = static_cast<Int16>(1 + gen % MaxPlayers);
    for (int k = 1; k <= s.PlayerCount; ++k)
        s.Players[k] = {QStringLiteral("Player %1 %2").arg(gen).arg(k) + QString(gen % 7, QLatin1Char('x')),
                        QStringLiteral("A%1%2  ").arg(QChar('A' + k / 26)).arg(QChar('A' + k % 26))};
    s.PlayerFileId = QStringLiteral("AAB");
    s.ScoreFilePath = PlayerScoreFile(s.PlayerFileId);
    s.PlayerGrade = QString::number(gen);
    s.CurrentPractice = QStringLiteral("2F1200603151405012015");
    s.AutoAdvance = static_cast<Int16>(gen % 2);
    s.LevelDef = QStringLiteral("0J3200603151405000000");
    s.AdvanceNum = static_cast<Int16>(gen % 100);
    s.AdvanceMinutes = 3;
    s.AdvanceRight = 4;
    s.ProblemFormat = static_cast<Int16>(1 + gen % 3);
    s.BackColour = 12640511 + gen % 1000;
    s.WindowsDir = iniDir;
    s.IniPath = iniDir + QStringLiteral("/nbr.INI");
    s.AppPath = QStringLiteral("/program");
    s.NextPlayerId = QStringLiteral("ABZ  ");
    s.LastPlayerName = QStringLiteral("Player %1").arg(gen);
    // The counts of the record carry the generation: 1000 * attempts + right.
    s.PracticeOp = 2;
    s.TableNum = -5;
    s.PracticeMinutes = 1;
    s.CorrectCount = static_cast<Int16>(gen % 1000);
    s.AttemptCount = static_cast<Int16>(gen / 1000 % 1000);
    return s;
}

bool SaveGeneration(int gen, const QString& iniDir)
{
    const AppState s = SaveGenerationState(gen, iniDir);
    const bool list = SavePlayerList(s);
    const bool config = SavePlayerConfig(s);
    const bool settings = SaveSettings(s);
    return list && config && settings && AppendScoreRecord(s, QDateTime(QDate(2006, 3, 15), QTime(14, 5)));
}

namespace {
std::optional<int> Number(const QByteArray& bytes, const char* pattern)
{
    const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromUtf8(bytes));
    return m.hasMatch() ? std::optional(m.captured(1).toInt()) : std::nullopt;
}
} // namespace

std::optional<int> PlayersGeneration(const QByteArray& bytes) { return Number(bytes, "\"Player (\\d+) 1x*\""); }
std::optional<int> ConfigGeneration(const QByteArray& bytes) { return Number(bytes, "^\"(\\d+)\"\r\n"); }
std::optional<int> SettingsGeneration(const QByteArray& bytes) { return Number(bytes, "\r\n\"Player (\\d+)\"\r\n"); }

std::optional<int> RecordGeneration(const QByteArray& line)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^\"2F1200603151405(\\d{3})(\\d{3})\"$")).match(QString::fromLatin1(line));
    return m.hasMatch() ? std::optional(m.captured(2).toInt() * 1000 + m.captured(1).toInt()) : std::nullopt;
}
