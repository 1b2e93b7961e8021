#pragma once
// The data files of one player as a save loop writes them, generation after generation:
// every generation changes every file, and its number can be read back from each.

#include "core/logic/AppState.h"

#include <optional>

// The state whose files are generation `gen`; the settings file goes into `iniDir`.
AppState SaveGenerationState(int gen, const QString& iniDir);
// Writes generation `gen` through the program's writers: "Players", "AAB.cfg", the
// settings file, and one more line of "AAB.scr". False when a write failed.
bool SaveGeneration(int gen, const QString& iniDir);

// The generation a file's bytes claim to be, or nothing when they name none.
std::optional<int> PlayersGeneration(const QByteArray& bytes);
std::optional<int> ConfigGeneration(const QByteArray& bytes);
std::optional<int> SettingsGeneration(const QByteArray& bytes);
// The generation of one score history line (without its line end).
std::optional<int> RecordGeneration(const QByteArray& line);
