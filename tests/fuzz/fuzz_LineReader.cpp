// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The one-value-per-line reader on any bytes, asked for the kinds of value in an order the
// first byte picks; and any text written as a value reads back whole, made safe.
#include "FuzzSupport.h"
#include "core/logic/LineFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned pattern = data[0];
    const QByteArray bytes = Bytes(data + 1, size - 1);

    LineReader in = LineReader::FromBytes(bytes);
    qsizetype reads = 0;
    while (!in.AtEnd()) {
        // Every value read takes at least one byte, so the reading ends.
        FUZZ_CHECK(++reads <= bytes.size());
        const unsigned op = (pattern >> (2 * (reads % 4))) & 3;
        if (op == 3)
            in.SkipBlankLines();
        if (op == 0 || op == 3)
            in.ReadText();
        else if (op == 1)
            in.ReadInt();
        else if (auto colour = in.ReadColour())
            FUZZ_CHECK(ColourText(*colour).size() > 0);
    }
    FUZZ_CHECK(!in.ReadText() && !in.ReadInt() && !in.ReadColour());

    // A text value cannot carry a quote or a line break into the file.
    const QString value = QString::fromUtf8(bytes);
    LineWriter out;
    out.Text(value);
    out.Int(static_cast<int>(pattern) - 128);
    FUZZ_CHECK(out.Bytes().count("\r\n") == 2 && out.Bytes().count('"') == 2);
    LineReader back = LineReader::FromBytes(out.Bytes());
    const auto text = back.ReadText();
    FUZZ_CHECK(text && text->size() <= value.size());
    FUZZ_CHECK(!text->contains(QLatin1Char('"')) && !text->contains(QLatin1Char('\r')) && !text->contains(QLatin1Char('\n')));
    if (!value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n')))
        // Text decoding drops a byte-order mark at the start of a value, an invisible character.
        FUZZ_CHECK(*text == value || (value.startsWith(QChar(0xFEFF)) && *text == value.mid(1)));
    FUZZ_CHECK(back.ReadInt() == static_cast<int>(pattern) - 128);
    FUZZ_CHECK(back.AtEnd());
    return 0;
}
