#include "players/logic/PlayerList.h"

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
    std::optional<QString> key = NextKey(state.NextPlayerId);
    auto inUse = [&](const QString& k) {
        for (int i = 1; i <= state.PlayerCount; ++i) {
            if (state.Players[i][1].left(3) == k.left(3))
                return true;
        }
        return false;
    };
    while (key && inUse(*key))
        key = NextKey(*key);
    return key;
}

bool AddPlayerRow(AppState& state, const QString& name, const QString& key)
{
    if (state.PlayerCount >= MaxPlayers)
        return false;
    ++state.PlayerCount;
    state.Players[state.PlayerCount] = {name, key};
    return true;
}

void RemovePlayerRow(AppState& state, int row)
{
    if (row < 1 || row > state.PlayerCount)
        return;
    for (int i = row; i < state.PlayerCount; ++i)
        state.Players[i] = state.Players[i + 1];
    state.Players[state.PlayerCount] = {};
    --state.PlayerCount;
}

QString RowFileId(const AppState& state, int row)
{
    return state.Players[row][1].left(3);
}
