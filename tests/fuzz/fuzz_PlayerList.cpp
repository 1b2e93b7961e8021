// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The player list "Players" as any bytes: at most 40 players, never more, each key three
// capital letters and two blanks.
#include "FuzzSupport.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LineReader in = LineReader::FromBytes(Bytes(data, size));
    PlayerRoster state;
    ReadPlayerList(state, in);
    FUZZ_CHECK(state.PlayerCount >= 0 && state.PlayerCount <= MaxPlayers);
    for (int k = 1; k <= state.PlayerCount; ++k)
        FUZZ_CHECK(state.Players[k][1].size() == 5 && IsPlayerKey(state.Players[k][1]));
    return 0;
}
