#pragma once
// The player list "Players" and each player's settings file (file id + ".cfg"),
// both in the current (program) folder.

#include "core/logic/AppState.h"

class LineReader;

inline const QString PlayerListFile = QStringLiteral("Players");

// The list holds every complete name-and-key pair found in the file, at most 40,
// whatever the count line says; a missing file is an empty list.
// Blank lines between the values are passed over: names and keys are never empty.
void LoadPlayerList(AppState& state);
void ReadPlayerList(AppState& state, LineReader& in);
bool SavePlayerList(const AppState& state);

// Reads the nine values in order, stopping at the first that cannot be read (a missing
// file changes nothing), then unpacks CurrentPractice.
void LoadPlayerConfig(AppState& state);
void ReadPlayerConfig(AppState& state, LineReader& in);
bool SavePlayerConfig(const AppState& state);

// Three capital letters first, as the program hands keys out.
bool IsPlayerKey(const QString& key);
QString PlayerConfigFile(const QString& fileId);
QString PlayerScoreFile(const QString& fileId);
