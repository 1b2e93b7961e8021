// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A score history as any bytes, read and then charted and judged as the score window does.
#include "FuzzSupport.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LineReader in = LineReader::FromBytes(Bytes(data, size));
    const QStringList history = ReadScoreRecords(in);
    if (history.isEmpty())
        return 0;
    PlayerSettings state;
    for (const QString& record : history) {
        FUZZ_CHECK(record.size() >= PracticeRecordLength);
        BarDetails(record, QStringLiteral("M/d/yy"));
    }
    // The set of the last record, as the score window shows it after a practice.
    const QString key = DefinitionKey(history.last());
    QStringList set;
    for (const QString& record : history)
        if (DefinitionKey(record) == key)
            set << record;
    state.LevelDef = history.first();
    state.AutoAdvance = 1;
    const bool level = IsCurrentLevel(state, ReadPractice(history.last()));
    const double peak = FindPeak(set, level, state.AdvanceNum);
    FUZZ_CHECK(EvaluatePractice(state, set, CountNinety(set), peak, QDateTime()).LogLines.size() == 2);
    const ChartLayout chart = LayOutChart(set, peak, 9000, state.AdvanceNum);
    FUZZ_CHECK(chart.bars.size() <= static_cast<std::size_t>(ChartBarPlaces));
    FUZZ_CHECK(chart.firstShown >= 0 && chart.firstShown < set.size());
    return 0;
}
