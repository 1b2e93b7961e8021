// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The player list "Players" and each player's settings file (file id + ".cfg"),
// both in the current (program) folder.

#include "core/logic/StateParts.h"

#include <QStringList>
#include <functional>

class LineReader;

inline const QString PlayerListFile = QStringLiteral("Players");
// The highest key ever handed out, beside the list, so that every copy on the folder (every
// computer of a school) sees it and a removed child's key is never given to another child.
inline const QString PlayerKeyFile = QStringLiteral("Players.key");

// The list holds every complete name-and-key pair found in the file, at most 40,
// whatever the count line says; a missing file is an empty list. A list that is there but
// cannot be read is no list at all: ListUnreadable then says why, and no change is saved.
// Blank lines between the values are passed over: names and keys are never empty.
// A row is a name followed by its key, so a damaged line costs its own row only.
// HighestKey is read from "Players.key".
void LoadPlayerList(PlayerRoster& state);
void ReadPlayerList(PlayerRoster& state, LineReader& in);
bool SavePlayerList(const PlayerRoster& state);
// A change to the list as other copies of the program (another desktop, another computer on
// the same folder) may have left it: under a lock beside "Players" the list is read again,
// `change` applied and, when it returns true, "Players.key" raised to every key the list has
// held and the list saved. False when the list could not be read, the lock not taken or a
// file not written; memory then holds the list as the file has it, and `failed` (when given)
// names the file that could not be written (empty for a list that cannot be read).
bool UpdatePlayerList(PlayerRoster& state, const std::function<bool(PlayerRoster&)>& change, QString* failed = nullptr);
// The highest of HighestKey and the keys of the rows: three letters, or empty.
QString HighestGivenKey(const PlayerRoster& state);

// A child's files are written only while a row of "Players" still names her key: on another
// computer of the school she may have been removed and her key given to another child.
// `write` runs under the list's lock when a row has the key.
enum class PlayerSave { Saved, NotListed, Failed };
PlayerSave ForListedPlayer(const QString& fileId, const std::function<bool()>& write);

// Reads the nine values of "<fileId>.cfg" in order (her settings, then her window colour),
// stopping at the first that cannot be read. A missing file (a save cut off just after the
// child was added) starts her from the start values and the default colour, never from the
// child chosen before.
void LoadPlayerConfig(const QString& fileId, PlayerSettings& settings, double& colour);
void ReadPlayerConfig(PlayerSettings& settings, double& colour, LineReader& in);
// Writes a player's settings and colour, through ForListedPlayer.
PlayerSave SavePlayerConfig(const QString& fileId, const PlayerSettings& settings, double colour);
// Writes them whatever the list says, for a caller that holds the list's lock already.
bool WritePlayerConfig(const QString& fileId, const PlayerSettings& settings, double colour);

// Three capital letters and nothing but blanks after them, as the program hands keys out.
bool IsPlayerKey(const QString& key);
// A key as it is kept: its three letters and two blanks.
QString NormalKey(const QString& key);
// The file ids of the players' files (".cfg", ".scr", ".fct", ".opt") in the program folder, rows or not.
QStringList FileIdsInFolder();
QString PlayerConfigFile(const QString& fileId);
QString PlayerScoreFile(const QString& fileId);
// The facts file: every answered problem of the player's finished drills.
QString PlayerFactsFile(const QString& fileId);
