// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Player.h"

#include "core/logic/PracticeRecord.h"

#include <QFile>

void Player::Choose(const QString& name, const QString& fileId)
{
    chosen_.PlayerName = name;
    chosen_.PlayerFileId = fileId;
    chosen_.ScoreFilePath = PlayerScoreFile(fileId);
    double colour = program_.Settings().BackColour;
    LoadPlayerConfig(fileId, settings_, colour);
    options_ = LoadPlayerOptions(fileId);
    program_.SetBackColour(colour);
    program_.SetLanguage(options_.Value(LanguageOption).value_or(QString()));
    // Without a file of her own she starts from nothing; an unreadable current practice
    // leaves the definition as it was.
    if (!QFile::exists(PlayerConfigFile(fileId)))
        definition_ = PracticeFields();
    UnpackPractice(definition_, settings_.CurrentPractice);
}

PlayerSave Player::Change(const std::function<void(PlayerSettings&)>& change)
{
    change(settings_);
    return Save();
}

PlayerSave Player::Change(const std::function<void(PlayerSettings&)>& change, double colour)
{
    program_.SetBackColour(colour);
    return Change(change);
}

PlayerSave Player::ChangeOptions(const std::function<void(PlayerOptions&)>& change)
{
    PlayerOptions changed = options_;
    change(changed);
    if (changed == options_)
        return PlayerSave::Saved;
    options_ = changed;
    program_.SetLanguage(options_.Value(LanguageOption).value_or(QString()));
    const QString fileId = chosen_.PlayerFileId;
    return ForListedPlayer(fileId, [&] { return WritePlayerOptions(fileId, changed); });
}

PlayerSave Player::Define(const PracticeFields& practice, const QDateTime& when)
{
    definition_ = practice;
    settings_.CurrentPractice = PackPractice(practice, when);
    return Save();
}

bool Player::WriteConfig() const
{
    return WritePlayerConfig(chosen_.PlayerFileId, settings_, program_.Settings().BackColour);
}

PlayerSave Player::Save() const
{
    return SavePlayerConfig(chosen_.PlayerFileId, settings_, program_.Settings().BackColour);
}
