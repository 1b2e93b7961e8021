// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A player's ".cfg" as any bytes, read over a player's settings and unpacked: the colour
// stays one the windows can show.
#include "FuzzSupport.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LineReader in = LineReader::FromBytes(Bytes(data, size));
    PlayerSettings state;
    double colour = DefaultBackColour;
    ReadPlayerConfig(state, colour, in);
    // Whatever was read packs back into a whole record.
    FUZZ_CHECK(colour >= 1 && colour <= 16777215);
    PracticeFields practice;
    UnpackPractice(practice, state.CurrentPractice);
    FUZZ_CHECK(PackPractice(practice, QDateTime(QDate(2006, 3, 15), QTime(14, 5))).size() == PracticeRecordLength);
    return 0;
}
