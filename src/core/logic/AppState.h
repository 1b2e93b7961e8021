// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program-wide variables through which the windows talk to each other, in named parts.
// Windows read what they need when they load or activate and write their results
// back before they unload. Names are the ones every part of the program uses.

#include <QString>
#include <array>
#include <cstdint>

// Integers of the shared state are 16-bit, as their stored forms assume.
using Int16 = std::int16_t;

constexpr int MaxPlayers = 40;
constexpr double DefaultBackColour = 12640511; // &HC0E0FF: red 255, green 224, blue 192

// Capabilities of MIDI output device 0; only the support flags are looked at.
struct MidiOutCaps {
    std::uint16_t Mid = 0;
    std::uint16_t Pid = 0;
    std::uint32_t DriverVersion = 0;
    QString ProductName; // at most 32 characters
    std::uint16_t Technology = 0;
    std::uint16_t Voices = 0;
    std::uint16_t Notes = 0;
    std::uint16_t ChannelMask = 0;
    std::uint32_t Support = 0;
};

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

// The player list "Players" and the chosen player. Rows 1..40; row 0 is unused so row
// numbers read as written.
struct PlayerRoster {
    Int16 PlayerCount = 0;
    std::array<std::array<QString, 2>, MaxPlayers + 1> Players{};
    // Why "Players" could not be read, when it is there but unreadable; empty otherwise.
    QString ListUnreadable;
    // The highest key ever handed out in this program folder ("Players.key"), or empty.
    QString HighestKey;
    QString PlayerName;
    QString PlayerFileId;
    QString ScoreFilePath;
    Int16 AboutRequest = 0;
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

// What the name, grade and message dialogs answer.
struct DialogAnswers {
    QString NewGrade;
    QString EnteredName;
    // Message box: 1 in asks for Yes/No; 3 = Yes, 2 = No out.
    Int16 MsgBoxResult = 0;
};

// The help viewer's document and search.
struct HelpState {
    QString DocText;
    Int16 HelpFlag = 0;
    QString HelpSearchText;
};

// MIDI output device 0 as start-up found it.
struct MidiState {
    MidiOutCaps MidiCaps;
    Int16 MidiVolumeSupport = 0; // 1 when start-up's probe could set the volume
};

// Every part together: the windows' shared state. A rule takes the part it works on.
// Its PracticeFields part is the practice being defined (and the counts of a record read).
struct AppState : ProgramSettings, PlayerRoster, PlayerSettings, PracticeFields, DialogAnswers, HelpState, MidiState {
};
