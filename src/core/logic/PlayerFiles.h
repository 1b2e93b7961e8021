#pragma once
// The player list "Players" and each player's settings file (file id + ".cfg"),
// both in the current (program) folder.

#include "core/logic/AppState.h"

#include <QStringList>
#include <functional>

class LineReader;

inline const QString PlayerListFile = QStringLiteral("Players");

// The list holds every complete name-and-key pair found in the file, at most 40,
// whatever the count line says; a missing file is an empty list.
// Blank lines between the values are passed over: names and keys are never empty.
// A row is a name followed by its key, so a damaged line costs its own row only.
void LoadPlayerList(PlayerRoster& state);
void ReadPlayerList(PlayerRoster& state, LineReader& in);
bool SavePlayerList(const PlayerRoster& state);
// A change to the list as other copies of the program (another desktop, another computer on
// the same folder) may have left it: under a lock beside "Players" the list is read again,
// `change` applied and, when it returns true, the list saved. False when the lock could not
// be taken or the list not written; memory then holds the list as the file has it.
bool UpdatePlayerList(AppState& state, const std::function<bool(AppState&)>& change);

// Reads the nine values in order, stopping at the first that cannot be read (a missing
// file changes nothing), then unpacks CurrentPractice.
void LoadPlayerConfig(AppState& state);
void ReadPlayerConfig(AppState& state, LineReader& in);
bool SavePlayerConfig(const AppState& state);

// Three capital letters and nothing but blanks after them, as the program hands keys out.
bool IsPlayerKey(const QString& key);
// A key as it is kept: its three letters and two blanks.
QString NormalKey(const QString& key);
// The file ids of the players' files (".cfg", ".scr", ".fct") in the program folder, rows or not.
QStringList FileIdsInFolder();
QString PlayerConfigFile(const QString& fileId);
QString PlayerScoreFile(const QString& fileId);
// The facts file: every answered problem of the player's finished drills.
QString PlayerFactsFile(const QString& fileId);
