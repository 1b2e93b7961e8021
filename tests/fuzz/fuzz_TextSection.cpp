// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The texts file "nbr.txx" as any bytes: the section the first byte names is cut out and
// its lines joined; joining in one pass gives what joining in place gives.
#include "FuzzSupport.h"
#include "core/logic/TextResource.h"

namespace {
// Joining as the rule is stated: remove each break in place, resume eight on.
QByteArray JoinInPlace(QByteArray text)
{
    qsizetype p = 0;
    while ((p = text.indexOf("\r\n", p)) >= 0) {
        const qsizetype after = p + 2;
        if (!(after < text.size() && (text[after] == '\r' || text[after] == ' ')))
            text.remove(p, 2);
        p += 8;
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray file = Bytes(data + 1, size - 1);
    const int n = data[0] % 100;
    const QString section = TextSection(file, n);
    FUZZ_CHECK(section == TextSectionError || section.toUtf8().size() <= file.size() * 3);
    if (file.size() <= 4096)
        FUZZ_CHECK(JoinTextLines(file) == JoinInPlace(file));
    return 0;
}
