// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/PlayerFiles.h"

#include "core/logic/FileLock.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PracticeRecord.h"

#include <QDir>
#include <QFile>
#include <algorithm>

QString PlayerConfigFile(const QString& fileId) { return fileId + QStringLiteral(".cfg"); }
QString PlayerScoreFile(const QString& fileId) { return fileId + QStringLiteral(".scr"); }
QString PlayerFactsFile(const QString& fileId) { return fileId + QStringLiteral(".fct"); }

namespace {
// A line this long is damage, not a name: it is passed over whole, so the rows after it stay.
constexpr qsizetype LongestListLine = 64 * 1024;

// The file's lines up to the read limit, without the overlong ones.
std::optional<QByteArray> ReadShortLines(const QString& path, QString& why)
{
    QFile file;
    if (!OpenPlainFile(file, path, &why))
        return std::nullopt;
    QByteArray kept, line;
    bool overlong = false;
    auto endLine = [&] {
        if (!overlong)
            kept += line;
        line.clear();
        overlong = false;
    };
    while (kept.size() < ValueFileReadLimit) {
        const QByteArray block = file.read(LongestListLine);
        if (block.isEmpty())
            break;
        for (const char c : block) {
            if (!overlong)
                line += c;
            if (c == '\n' || c == '\r')
                endLine();
            else if (line.size() > LongestListLine)
                overlong = true, line.clear();
        }
    }
    endLine();
    return kept.left(ValueFileReadLimit);
}

// A name holds no control characters: such a value is a damaged line.
bool IsName(const QString& value)
{
    return std::none_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 0x20; });
}
} // namespace

void LoadPlayerList(PlayerRoster& state)
{
    LineReader keyFile(PlayerKeyFile);
    const auto key = keyFile.IsOpen() ? keyFile.ReadText() : std::nullopt;
    state.HighestKey = key && IsPlayerKey(*key) ? key->left(3) : QString();
    QString why;
    const auto bytes = ReadShortLines(PlayerListFile, why);
    state.ListUnreadable = bytes || why == FileMissing() ? QString() : why;
    if (!bytes) {
        state.PlayerCount = 0;
        return;
    }
    LineReader in = LineReader::FromBytes(*bytes);
    ReadPlayerList(state, in);
}

void ReadPlayerList(PlayerRoster& state, LineReader& in)
{
    // The count line is read but not trusted: a damaged count must neither lose a player
    // nor let the list grow past its 40 rows. A row is a name followed by a key; a value
    // that is neither (a damaged line) costs its own row only, never the later ones.
    // A key names the player's files: anything but three capital letters could point
    // outside the program folder, so such a row is not taken.
    std::optional<QString> name;
    int rows = 0;
    for (bool first = true; rows < MaxPlayers; first = false) {
        in.SkipBlankLines();
        auto value = in.AtEnd() ? std::nullopt : in.ReadText();
        if (!value)
            break;
        if (name && IsPlayerKey(*value)) {
            ++rows;
            state.Players[rows] = {*name, NormalKey(*value)};
            name.reset();
        } else if ((in.LastWasQuoted() || !first) && IsName(*value) && *value != NormalKey(*value)) {
            name = *value;
        } else {
            name.reset();
        }
    }
    state.PlayerCount = static_cast<Int16>(rows);
}

bool IsPlayerKey(const QString& key)
{
    if (key.size() < 3 || key.size() > 5)
        return false;
    for (int i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        if (i < 3 ? (c < QLatin1Char('A') || c > QLatin1Char('Z')) : c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString NormalKey(const QString& key)
{
    return key.left(3) + QStringLiteral("  ");
}

QStringList FileIdsInFolder()
{
    QStringList ids;
    const QStringList kinds{QStringLiteral("*.cfg"), QStringLiteral("*.scr"), QStringLiteral("*.fct"), QStringLiteral("*.opt")};
    for (const QString& file : QDir().entryList(kinds, QDir::Files)) {
        const QString id = file.chopped(4);
        if (IsPlayerKey(id))
            ids << id;
    }
    return ids;
}

QString HighestGivenKey(const PlayerRoster& state)
{
    QString highest = state.HighestKey;
    for (int i = 1; i <= state.PlayerCount; ++i)
        highest = std::max(highest, state.Players[i][1].left(3));
    return highest;
}

bool UpdatePlayerList(PlayerRoster& state, const std::function<bool(PlayerRoster&)>& change, QString* failed)
{
    QString notWritten;
    const bool done = WithFileLock(PlayerListFile, [&] {
        LoadPlayerList(state);
        if (!state.ListUnreadable.isEmpty())
            return false;
        const QString before = HighestGivenKey(state);
        if (!change(state))
            return true;
        // A removed row's key stays given: it is kept before the row goes.
        const QString highest = std::max(before, HighestGivenKey(state));
        if (highest != state.HighestKey) {
            LineWriter key;
            key.Text(NormalKey(highest));
            if (!key.Save(PlayerKeyFile))
                return notWritten = PlayerKeyFile, false;
            state.HighestKey = highest;
        }
        return SavePlayerList(state) || (notWritten = PlayerListFile, false);
    }, &notWritten);
    if (!done && state.ListUnreadable.isEmpty())
        LoadPlayerList(state);
    if (failed)
        *failed = done || !state.ListUnreadable.isEmpty() ? QString() : notWritten;
    return done;
}

PlayerSave ForListedPlayer(const QString& fileId, const std::function<bool()>& write)
{
    bool notListed = false;
    const bool done = WithFileLock(PlayerListFile, [&] {
        PlayerRoster now;
        LoadPlayerList(now);
        if (!now.ListUnreadable.isEmpty())
            return false; // nothing can be told about her: nothing is written
        bool listed = false;
        for (int i = 1; i <= now.PlayerCount && !listed; ++i)
            listed = now.Players[i][1].left(3) == fileId;
        notListed = !listed;
        return listed && write();
    });
    if (done)
        return PlayerSave::Saved;
    return notListed ? PlayerSave::NotListed : PlayerSave::Failed;
}

bool SavePlayerList(const PlayerRoster& state)
{
    LineWriter out;
    out.Int(state.PlayerCount);
    for (int k = 1; k <= state.PlayerCount && k <= MaxPlayers; ++k) {
        out.Text(state.Players[k][0]);
        out.Text(state.Players[k][1]);
    }
    return out.Save(PlayerListFile);
}

void LoadPlayerConfig(const QString& fileId, PlayerSettings& settings, double& colour)
{
    LineReader in(PlayerConfigFile(fileId));
    if (in.IsOpen()) {
        ReadPlayerConfig(settings, colour, in);
        return;
    }
    settings = PlayerSettings();
    colour = DefaultBackColour;
}

void ReadPlayerConfig(PlayerSettings& settings, double& colour, LineReader& in)
{
    auto text = [&](QString& target) {
        auto v = in.ReadText();
        if (v)
            target = *v;
        return v.has_value();
    };
    auto integer = [&](Int16& target) {
        auto v = in.ReadInt();
        if (v)
            target = static_cast<Int16>(*v);
        return v.has_value();
    };
    if (!text(settings.PlayerGrade) || !text(settings.CurrentPractice) || !integer(settings.AutoAdvance)
        || !text(settings.LevelDef) || !integer(settings.AdvanceNum) || !integer(settings.AdvanceMinutes)
        || !integer(settings.AdvanceRight) || !integer(settings.ProblemFormat))
        return;
    // A colour of 0 would turn the windows black; it is read as "no colour stored".
    if (auto c = in.ReadColour(); c && IsWindowColour(*c))
        colour = *c;
}

PlayerSave SavePlayerConfig(const QString& fileId, const PlayerSettings& settings, double colour)
{
    return ForListedPlayer(fileId, [&] { return WritePlayerConfig(fileId, settings, colour); });
}

bool WritePlayerConfig(const QString& fileId, const PlayerSettings& settings, double colour)
{
    // Never the settings of nobody (a hidden ".cfg"), whatever window asked.
    if (!IsPlayerKey(fileId))
        return false;
    LineWriter out;
    out.Text(settings.PlayerGrade);
    out.Text(settings.CurrentPractice);
    out.Int(settings.AutoAdvance);
    out.Text(settings.LevelDef);
    out.Int(settings.AdvanceNum);
    out.Int(settings.AdvanceMinutes);
    out.Int(settings.AdvanceRight);
    out.Int(settings.ProblemFormat);
    out.Colour(colour);
    return out.Save(PlayerConfigFile(fileId));
}
