#include "core/logic/PlayerFiles.h"

#include "core/logic/LineFormat.h"
#include "scores/logic/PracticeRecord.h"

QString PlayerConfigFile(const QString& fileId) { return fileId + QStringLiteral(".cfg"); }
QString PlayerScoreFile(const QString& fileId) { return fileId + QStringLiteral(".scr"); }

void LoadPlayerList(AppState& state)
{
    LineReader in(PlayerListFile);
    if (!in.IsOpen()) {
        state.PlayerCount = 0;
        return;
    }
    ReadPlayerList(state, in);
}

void ReadPlayerList(AppState& state, LineReader& in)
{
    // The count line is read but not trusted: a damaged count must neither lose a player
    // nor let the list grow past its 40 rows. A file without it starts with a name.
    in.SkipBlankLines();
    std::optional<QString> pendingName = in.ReadText();
    if (pendingName && !in.LastWasQuoted())
        pendingName.reset();
    int rows = 0;
    for (;;) {
        in.SkipBlankLines();
        if (rows == MaxPlayers || (in.AtEnd() && !pendingName))
            break;
        auto name = pendingName ? pendingName : in.ReadText();
        pendingName.reset();
        in.SkipBlankLines();
        auto key = in.ReadText();
        if (!name || !key)
            break;
        // A key names the player's files: anything but three capital letters could point
        // outside the program folder, so such a row is not taken.
        if (!IsPlayerKey(*key))
            continue;
        ++rows;
        state.Players[rows][0] = *name;
        state.Players[rows][1] = *key;
    }
    state.PlayerCount = static_cast<Int16>(rows);
}

bool IsPlayerKey(const QString& key)
{
    if (key.size() < 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (key.at(i) < QLatin1Char('A') || key.at(i) > QLatin1Char('Z'))
            return false;
    }
    return true;
}

bool SavePlayerList(const AppState& state)
{
    LineWriter out;
    out.Int(state.PlayerCount);
    for (int k = 1; k <= state.PlayerCount && k <= MaxPlayers; ++k) {
        out.Text(state.Players[k][0]);
        out.Text(state.Players[k][1]);
    }
    return out.Save(PlayerListFile);
}

void LoadPlayerConfig(AppState& state)
{
    LineReader in(PlayerConfigFile(state.PlayerFileId));
    if (in.IsOpen())
        ReadPlayerConfig(state, in);
}

void ReadPlayerConfig(AppState& state, LineReader& in)
{
    auto readAll = [&] {
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
        if (!text(state.PlayerGrade) || !text(state.CurrentPractice) || !integer(state.AutoAdvance)
            || !text(state.LevelDef) || !integer(state.AdvanceNum) || !integer(state.AdvanceMinutes)
            || !integer(state.AdvanceRight) || !integer(state.ProblemFormat))
            return;
        // A colour of 0 would turn the windows black; it is read as "no colour stored".
        if (auto c = in.ReadColour(); c && IsWindowColour(*c))
            state.BackColour = *c;
    };
    readAll();
    UnpackPractice(state, state.CurrentPractice);
}

bool SavePlayerConfig(const AppState& state)
{
    LineWriter out;
    out.Text(state.PlayerGrade);
    out.Text(state.CurrentPractice);
    out.Int(state.AutoAdvance);
    out.Text(state.LevelDef);
    out.Int(state.AdvanceNum);
    out.Int(state.AdvanceMinutes);
    out.Int(state.AdvanceRight);
    out.Int(state.ProblemFormat);
    out.Colour(state.BackColour);
    return out.Save(PlayerConfigFile(state.PlayerFileId));
}
