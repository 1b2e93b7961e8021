// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/ToolTipText.h"

QString ToolTipText(const QString& tag)
{
    if (tag.startsWith(QLatin1Char('*')))
        return tag.mid(9);
    return tag;
}
