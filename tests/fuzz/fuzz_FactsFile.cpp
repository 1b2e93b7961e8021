// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A facts file as any bytes, read and then sorted into mastery as the progress window does.
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
    }
    const FactsHistory history(answers);
    for (int op = 0; op < 4; ++op) {
        const MasteryCounts c = history.Counts(op);
        FUZZ_CHECK(c.Known + c.Learning + c.ToPractise + c.NotYetAsked == FactsPerOperation);
    }
    return 0;
}
