// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A tune's companion ".txt" file as any bytes: its title and its description.
#include "FuzzSupport.h"
#include "music/logic/MusicPieces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = Bytes(data, size);
    const QString title = CompanionTitle(file.left(100));
    // The title comes from the first 100 bytes only.
    FUZZ_CHECK(title.toUtf8().size() <= 300);
    const QString info = CompanionInfo(file);
    FUZZ_CHECK(info.size() <= file.size() + 1);
    return 0;
}
