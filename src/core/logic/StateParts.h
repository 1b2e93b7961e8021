// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The parts of the program's state, each a type of its own with one owner: the program's
// settings (Program), the player list (the player window), the chosen player and her
// settings (Player), the practice (the definition window, then the drill). A window is handed
// the parts it reads; names are the ones every part of the program uses.

#include <QString>
#include <array>
#include <cstdint>

// Integers of the shared state are 16-bit, as their stored forms assume.
using Int16 = std::int16_t;

constexpr int MaxPlayers = 40;
constexpr double DefaultBackColour = 12640511; // &HC0E0FF: red 255, green 224, blue 192

// The machine-wide settings file "nbr.INI" and where the program runs.
struct ProgramSettings {
    QString AppPath;
    QString WindowsDir;
    QString IniPath;
    Int16 LogEnabled = 0;
    Int16 DisplayColours = 0;
    double BackColour = DefaultBackColour;
    Int16 FirstRun = 0; // becomes 1 when no settings file exists
    QString NextPlayerId = QStringLiteral("AAA  ");
    QString LastPlayerName;
    QString IniReserved1;
    QString IniReserved2;
};

// The player list "Players". Rows 1..40; row 0 is unused so row
// numbers read as written.
struct PlayerRoster {
    Int16 PlayerCount = 0;
    std::array<std::array<QString, 2>, MaxPlayers + 1> Players{};
    // Why "Players" could not be read, when it is there but unreadable; empty otherwise.
    QString ListUnreadable;
    // The highest key ever handed out in this program folder ("Players.key"), or empty.
    QString HighestKey;
};

// Who is practising: the row she chose. Her files are named by the key's three letters.
struct ChosenPlayer {
    QString PlayerName;
    QString PlayerFileId;
    QString ScoreFilePath;
};

// The chosen player's settings file (".cfg") and the level it holds.
struct PlayerSettings {
    QString PlayerGrade;
    QString CurrentPractice;
    Int16 AutoAdvance = 0;
    QString LevelDef;
    Int16 AdvanceNum = 0;
    Int16 AdvanceMinutes = 0;
    Int16 AdvanceRight = 0;
    Int16 ProblemFormat = 0;
};

// The five values of a record: a practice's definition and its tally. This is the value that
// travels from the definition window to the drill, into the history and to the score window.
struct PracticeFields {
    Int16 PracticeOp = 0;
    Int16 TableNum = 0;
    Int16 PracticeMinutes = 0;
    Int16 CorrectCount = 0;
    Int16 AttemptCount = 0;
};
