// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
#include <QString>

// The tip shown for a control's tag. A tag starting with "*" carries two placement
// numbers in its characters 2 to 9; the text starts at character 10.
QString ToolTipText(const QString& tag);
