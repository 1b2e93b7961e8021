// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "players/logic/PlayerList.h"

#include "core/logic/PlayerFiles.h"

#include <QSet>
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

std::optional<QString> NextFreeKey(const PlayerRoster& state, const QString& nextPlayerId)
{
    // After the highest key ever given (kept beside the list, in this computer's settings and
    // in the rows) and after every player's file, so that a damaged, lost or older
    // NextPlayerId never hands out a key a row, a file or a removed child still has.
    QString given = HighestGivenKey(state);
    if (IsPlayerKey(nextPlayerId))
        given = std::max(given, nextPlayerId.left(3));
    QStringList used = FileIdsInFolder();
    for (int i = 1; i <= state.PlayerCount; ++i)
        used << RowFileId(state, i);
    const QString highest = std::max(given, used.isEmpty() ? QString() : *std::max_element(used.begin(), used.end()));
    if (auto next = NextKey(highest))
        return next;
    // Past ZZZ (a stray "ZZZ.fct" is enough): a key nobody has any file of, first one never
    // given, then one of a child removed long ago.
    const QSet<QString> taken(used.begin(), used.end());
    const QString start = given.isEmpty() ? QStringLiteral("AAA") : given;
    for (const QString& from : {start, QStringLiteral("AAA")}) {
        for (auto key = NextKey(from); key; key = NextKey(*key)) {
            if (!taken.contains(key->left(3)))
                return key;
        }
    }
    return std::nullopt;
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
