// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Settings.h"

#include "core/logic/FileLock.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"

#include <QDir>

void LoadSettings(ProgramSettings& state, const Platform& platform)
{
    state.WindowsDir = platform.MachineSettingsDir();
    state.IniPath = state.WindowsDir + QStringLiteral("/nbr.INI");

    LineReader in(state.IniPath);
    if (!in.IsOpen()) {
        WriteDefaultSettings(state);
        return;
    }
    ReadSettings(state, in);
    if (state.AppPath.isEmpty() || !QDir::setCurrent(state.AppPath))
        state.AppPath = QDir::currentPath();
}

void ReadSettings(ProgramSettings& state, LineReader& in)
{
    // A value that cannot be read keeps its variable; the next one is read all the same.
    if (auto v = in.ReadText())
        state.AppPath = *v;
    if (auto v = in.ReadText())
        state.NextPlayerId = v->left(5).leftJustified(5, QLatin1Char(' '));
    if (auto v = in.ReadText())
        state.LastPlayerName = *v;
    for (int i = 0; i < 3; ++i)
        in.ReadText();
    if (auto v = in.ReadColour(); v && IsWindowColour(*v))
        state.BackColour = *v;
    if (auto v = in.ReadText())
        state.IniReserved1 = *v;
    if (auto v = in.ReadInt())
        state.FirstRun = static_cast<Int16>(*v);
    if (auto v = in.ReadText())
        state.IniReserved2 = *v;
}

bool SaveSettings(const ProgramSettings& state)
{
    QDir().mkpath(state.WindowsDir);
    return WithFileLock(state.IniPath, [&] {
        // Another copy may have handed out a later key since this one read the file: the
        // next key never goes back, the other values are this copy's.
        QString nextId = state.NextPlayerId;
        LineReader in(state.IniPath);
        ProgramSettings stored;
        if (in.IsOpen())
            ReadSettings(stored, in);
        if (IsPlayerKey(stored.NextPlayerId) && (!IsPlayerKey(nextId) || stored.NextPlayerId.left(3) > nextId.left(3)))
            nextId = NormalKey(stored.NextPlayerId);
        LineWriter out;
        out.Text(state.AppPath);
        out.Text(nextId);
        out.Text(state.LastPlayerName);
        out.Empty();
        out.Empty();
        out.Empty();
        out.Colour(state.BackColour);
        out.Text(state.IniReserved1);
        out.Int(state.FirstRun);
        out.Text(state.IniReserved2);
        return out.Save(state.IniPath);
    });
}

void WriteDefaultSettings(ProgramSettings& state)
{
    state.FirstRun = 1;
    state.NextPlayerId = QStringLiteral("AAA  ");
    state.AppPath = QDir::currentPath();
    state.BackColour = DefaultBackColour;
    state.LastPlayerName.clear();
    state.IniReserved1.clear();
    state.IniReserved2.clear();
    SaveSettings(state);
}
