// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A packed practice (CurrentPractice, LevelDef, a history line) of any characters:
// unpacking keeps what it cannot read, and what it set packs back into 21 characters.
#include "FuzzSupport.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = Bytes(data, size);
    const QDateTime when(QDate(2007, 2, 1), QTime(9, 5));
    for (const QString& packed : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        PlayerSettings player;
        player.LevelDef = packed;
        PracticeFields state;
        UnpackPractice(state, packed);
        const QString again = PackPractice(state, when);
        FUZZ_CHECK(again.size() == PracticeRecordLength);
        IsCurrentLevel(player, ReadPractice(packed));
        state.TableNum = NextLevelTable(state.TableNum);
        BarDetails(packed, QStringLiteral("M/d/yy"));
        if (auto count = ReadCount(packed.left(3)))
            FUZZ_CHECK(*count >= -99 && *count <= 999);
    }
    return 0;
}
