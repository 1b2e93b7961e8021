#include "players/logic/PlayerList.h"

#include "core/logic/PlayerFiles.h"

#include <algorithm>

std::optional<QString> NextKey(const QString& key)
{
    QString letters = key.left(3).leftJustified(3, QLatin1Char('A'));
    if (letters == QLatin1String("ZZZ"))
        return std::nullopt;
    int pos = 2;
    while (pos >= 0 && letters.at(pos) == QLatin1Char('Z')) {
        letters[pos] = QLatin1Char('A');
        --pos;
    }
    letters[pos] = QChar(letters.at(pos).unicode() + 1);
    return letters + QStringLiteral("  ");
}

std::optional<QString> NextFreeKey(const AppState& state)
{
    // After the highest key in use, so that a damaged, lost or older NextPlayerId (another
    // copy's, another computer's) never hands out a key a row or a player's file still has.
    QString highest = IsPlayerKey(state.NextPlayerId) ? state.NextPlayerId.left(3) : QStringLiteral("AAA");
    QStringList used = FileIdsInFolder();
    for (int i = 1; i <= state.PlayerCount; ++i)
        used << RowFileId(state, i);
    for (const QString& id : used)
        highest = std::max(highest, id);
    return NextKey(highest);
}

bool KeyInUse(const PlayerRoster& state, const QString& key)
{
    for (int i = 1; i <= state.PlayerCount; ++i) {
        if (RowFileId(state, i) == key.left(3))
            return true;
    }
    return false;
}

bool AddPlayerRow(PlayerRoster& state, const QString& name, const QString& key)
{
    if (state.PlayerCount >= MaxPlayers)
        return false;
    ++state.PlayerCount;
    state.Players[state.PlayerCount] = {name, key};
    return true;
}

void RemovePlayerRow(PlayerRoster& state, int row)
{
    if (row < 1 || row > state.PlayerCount)
        return;
    for (int i = row; i < state.PlayerCount; ++i)
        state.Players[i] = state.Players[i + 1];
    state.Players[state.PlayerCount] = {};
    --state.PlayerCount;
}

QString RowFileId(const PlayerRoster& state, int row)
{
    return state.Players[row][1].left(3);
}
