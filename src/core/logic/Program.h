// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's settings ("nbr.INI") and where it runs, and the one place that changes them:
// windows read them and ask here for a change.

#include "core/logic/Settings.h"
#include "core/logic/StartUp.h"
#include "core/logic/StateParts.h"

#include <QString>
#include <functional>
#include <utility>

class Program {
public:
    explicit Program(ProgramSettings settings = {}) : settings_(std::move(settings)) {}

    const ProgramSettings& Settings() const { return settings_; }

    // Where the program runs, the log wanted, the settings file read; false when it ends at once.
    bool Start(Platform& platform, const QString& commandLine)
    {
        return StartProgram(settings_, platform, commandLine);
    }
    // The colour every window of the program is painted in: the chosen player's.
    void SetBackColour(double colour) { settings_.BackColour = colour; }
    // The language every window speaks: the chosen player's choice ("de"), or the desktop's
    // when she made none (empty). Whoever shows the texts applies it.
    void SetLanguage(const QString& choice)
    {
        if (applyLanguage_)
            applyLanguage_(choice);
    }
    void OnLanguage(std::function<void(const QString&)> apply) { applyLanguage_ = std::move(apply); }
    // The key handed to the newest player; saved with the next change of the settings file.
    void SetNextPlayerId(const QString& key) { settings_.NextPlayerId = key; }
    // The name the player list selects at its next opening, saved at once.
    bool SetLastPlayer(const QString& name)
    {
        settings_.LastPlayerName = name;
        return SaveSettings(settings_);
    }
    // The first start's notice has been shown; the settings file keeps that.
    bool FirstRunSeen()
    {
        settings_.FirstRun = 0;
        return SaveSettings(settings_);
    }

private:
    ProgramSettings settings_;
    std::function<void(const QString&)> applyLanguage_;
};
