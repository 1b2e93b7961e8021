// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Which of the player's buttons the music window offers in each state.

enum class PlayerState { Playing, Paused, Stopped };

struct TransportButtons {
    bool Prev;
    bool Play;
    bool Pause;
    bool Stop;
};

// Stopped means at the start: there is nothing to go back to, pause or stop.
constexpr TransportButtons ButtonsFor(PlayerState state)
{
    switch (state) {
    case PlayerState::Playing:
        return {true, false, true, true};
    case PlayerState::Paused:
        return {true, true, false, true};
    default:
        return {false, true, false, false};
    }
}
