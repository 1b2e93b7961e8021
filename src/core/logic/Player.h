// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The chosen player: who she is, her settings, her options and the practice she defined last.
// Her settings and options change here only, and are written to her files while her row of the
// list still names her key; her window colour is handed to the program, which paints every
// window in it.

#include "core/logic/PlayerFiles.h"
#include "core/logic/PlayerOptions.h"
#include "core/logic/Program.h"
#include "core/logic/StateParts.h"

#include <QDateTime>
#include <functional>

class Player {
public:
    explicit Player(Program& program) : program_(program) {}

    const ChosenPlayer& Chosen() const { return chosen_; }
    const PlayerSettings& Settings() const { return settings_; }
    // Her options file ("<key>.opt"): what the ".cfg" has no place for.
    const PlayerOptions& Options() const { return options_; }
    // The practice as she last left the definition window (operation 9 after "Cancel"),
    // starting from her current practice as her file has it.
    const PracticeFields& Definition() const { return definition_; }

    // She chose her row: her settings and options files are read and her colour taken.
    void Choose(const QString& name, const QString& fileId);
    // A change of her settings (a new level, the configuration, a repaired problem format),
    // saved at once.
    PlayerSave Change(const std::function<void(PlayerSettings&)>& change);
    // As Change, with a new window colour.
    PlayerSave Change(const std::function<void(PlayerSettings&)>& change, double colour);
    // A change of her options, saved at once; her file is not written when nothing changed.
    PlayerSave ChangeOptions(const std::function<void(PlayerOptions&)>& change);
    // What the definition window left; with `when`, the practice she chose, saved as her
    // current practice.
    void SetDefinition(const PracticeFields& practice) { definition_ = practice; }
    PlayerSave Define(const PracticeFields& practice, const QDateTime& when);
    // Her file written whatever the list says, for a caller that holds the list's lock.
    bool WriteConfig() const;

private:
    PlayerSave Save() const;

    Program& program_;
    ChosenPlayer chosen_;
    PlayerSettings settings_;
    PlayerOptions options_;
    PracticeFields definition_;
};
