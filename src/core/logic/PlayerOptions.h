// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A player's options beyond her settings file: "<key>.opt" beside it, one "name=value" line
// each (UTF-8, lines ended by CR LF), so that a new option never changes the ".cfg" format.
// An option that is not in the file has its default. Options this program does not know (a
// newer program's) are kept as they were read and written back with the others.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// Big drill: the drill window as large as the screen allows. Unset: BigDrillByDefault.
inline const QString BigDrillOption = QStringLiteral("BigDrill");
// Answer sounds: a note for every answer judged. Off unless set.
inline const QString AnswerSoundsOption = QStringLiteral("AnswerSounds");
// The language her windows speak ("en", "de", "fr" or "es"). Unset: the desktop's.
inline const QString LanguageOption = QStringLiteral("Language");

class PlayerOptions {
public:
    // The value of an option, names compared without regard to case; nothing when unset.
    std::optional<QString> Value(const QString& name) const;
    // Sets an option; a new one goes after the others. A line break in the value becomes a blank.
    void Set(const QString& name, const QString& value);
    void Unset(const QString& name);
    // An on-or-off option: "1" on, "0" off; nothing when unset or neither.
    std::optional<bool> Flag(const QString& name) const;
    void SetFlag(const QString& name, bool on) { Set(name, on ? QStringLiteral("1") : QStringLiteral("0")); }
    // An on-or-off option as a window shows it, with its default: stored when it was stored
    // before or differs from the default; otherwise left unset, to follow the default still.
    void ChooseFlag(const QString& name, bool on, bool byDefault);
    // Every option in file order.
    const QList<std::pair<QString, QString>>& Values() const { return values_; }
    bool operator==(const PlayerOptions&) const = default;

private:
    QList<std::pair<QString, QString>> values_;
};

// Reads the options of a file's bytes. Tolerant: a byte-order mark, blank lines, lines without
// "=" or without a name, and blanks round names and values are passed over; a name given
// twice keeps its last value. Bytes that are not UTF-8 are read as Latin-1.
PlayerOptions ReadPlayerOptions(const QByteArray& bytes);
// The file's bytes: "name=value" and CR LF for each option, in order.
QByteArray PlayerOptionsBytes(const PlayerOptions& options);

QString PlayerOptionsFile(const QString& fileId);
// A player's options; none when her file is missing or cannot be read.
PlayerOptions LoadPlayerOptions(const QString& fileId);
// Writes them whole (a crash leaves the old file or the new one), whatever the list says:
// the caller holds the list's lock (ForListedPlayer). No options file of nobody is written.
bool WritePlayerOptions(const QString& fileId, const PlayerOptions& options);

// The big drill's default: on for the youngest (a grade of "N/A", 1 or 2, or none, the list
// having no kindergarten) and on any screen at least 1600 pixels wide.
bool BigDrillByDefault(const QString& grade, int screenWidthPixels);
constexpr int BigDrillScreenWidth = 1600;
