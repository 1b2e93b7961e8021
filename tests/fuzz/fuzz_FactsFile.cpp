// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A facts file as any bytes, lines of today's seven values and of the older six alike, read
// and then sorted into mastery, speeds and fluency as the progress window does.
#include "FuzzSupport.h"
#include "core/logic/FactsFile.h"
#include "scores/logic/Mastery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<FactAnswer> answers = ReadFactLines(Bytes(data, size));
    for (const FactAnswer& answer : answers) {
        // A line kept is one the program could have written, and writes back the same.
        FUZZ_CHECK(FactOf(answer).has_value());
        FUZZ_CHECK(ReadFactLine(FactLine(answer).toUtf8()) == answer);
        // "Show Answer" is no answer typed; a number typed is right exactly when it is the answer.
        FUZZ_CHECK(!answer.Shown || (!answer.Right && !answer.Given));
        FUZZ_CHECK(!answer.Given || answer.Right == (*answer.Given == ExpectedAnswer(answer.Op, answer.First, answer.Second)));
    }
    const FactsHistory history(answers);
    for (int op = 0; op < 4; ++op) {
        const MasteryCounts c = history.Counts(op);
        FUZZ_CHECK(c.Known + c.Learning + c.ToPractise + c.NotYetAsked == FactsPerOperation);
        // Speeds of right answers only, each counted at most 30 s.
        for (const SlowFact& slow : history.Slowest(op, FactsPerOperation))
            FUZZ_CHECK(slow.AverageSeconds >= 0 && slow.AverageSeconds <= CountedTenthsCap / 10.0);
        if (const std::optional<double> fluency = history.Fluency(op))
            FUZZ_CHECK(*fluency >= 0 && *fluency <= 600);
    }
    return 0;
}
