// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Rules of the player list: keys, adding, renaming and removing rows.

#include "core/logic/StateParts.h"

#include <optional>

// The key after the given one: the three letters count like an odometer from the third
// position leftwards (AAA -> AAB, AAZ -> ABA, AZZ -> BAA); positions 4 and 5 stay blank.
// Nothing after ZZZ.
std::optional<QString> NextKey(const QString& key);
// The key for a new player: the one after the highest key ever given (HighestKey, NextPlayerId,
// the rows) and any player's file in the program folder. Past ZZZ, a key without row or file.
// Nothing only when every key has a row or a file.
std::optional<QString> NextFreeKey(const PlayerRoster& state, const QString& nextPlayerId);
// Whether a row of the list has this key (two rows may share one in a damaged list).
bool KeyInUse(const PlayerRoster& state, const QString& key);

// Appends a row; false when the list is full.
bool AddPlayerRow(PlayerRoster& state, const QString& name, const QString& key);
// Removes row i (1-based), moving the later rows up.
void RemovePlayerRow(PlayerRoster& state, int row);
// The file id of a row: the first three characters of its key.
QString RowFileId(const PlayerRoster& state, int row);
