// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/MessageLayout.h"

#include <algorithm>

MessageLayout LayOutMessage(int oneLineWidth, int oneLineHeight, int wrappedHeight)
{
    const double area = static_cast<double>(oneLineHeight) * oneLineWidth;
    const int byArea = static_cast<int>(area / MessageLabelWidth);
    const int height = std::max(byArea, wrappedHeight);
    const int buttonTop = MessageLabelTop + height + 300;
    return {height, buttonTop, buttonTop + 800};
}
