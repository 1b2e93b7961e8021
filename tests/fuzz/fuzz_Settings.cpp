// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The machine-wide "nbr.INI" as any bytes: the next player key keeps its five characters and
// the colour stays one the windows can show.
#include "FuzzSupport.h"
#include "core/logic/LineFormat.h"
#include "core/logic/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LineReader in = LineReader::FromBytes(Bytes(data, size));
    ProgramSettings state;
    ReadSettings(state, in);
    FUZZ_CHECK(state.NextPlayerId.size() == 5);
    FUZZ_CHECK(state.BackColour >= 1 && state.BackColour <= 16777215);
    return 0;
}
