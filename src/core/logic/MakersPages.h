// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The makers' two pages, kept here and nowhere else. Until Numbrella has a public site,
// both are pages shipped in the program folder.
#include <QString>

inline const QString ProductPage = QStringLiteral("numbrella.htm");
inline const QString UpdatePage = QStringLiteral("mupdate.htm");
