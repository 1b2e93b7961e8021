#pragma once
// The player list "Players" and each player's settings file (file id + ".cfg"),
// both in the current (program) folder.

#include "core/logic/AppState.h"

inline const QString PlayerListFile = QStringLiteral("Players");

// The list holds every complete name-and-key pair found in the file, at most 40,
// whatever the count line says; a missing file is an empty list.
void LoadPlayerList(AppState& state);
bool SavePlayerList(const AppState& state);

// Reads the nine values in order, stopping at the first that cannot be read (a missing
// file changes nothing), then unpacks CurrentPractice.
void LoadPlayerConfig(AppState& state);
bool SavePlayerConfig(const AppState& state);

QString PlayerConfigFile(const QString& fileId);
QString PlayerScoreFile(const QString& fileId);
