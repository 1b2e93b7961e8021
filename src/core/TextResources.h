// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
#include "core/logic/Platform.h"
#include "core/logic/StateParts.h"

#include <QString>

// Section n of "nbr.txx" in the current folder. A missing or too short file stops the
// program with the platform's message box.
QString GetTxt(Platform& os, const ProgramSettings& program, int n);

// A section as shown on screen: one line break each, and no blank opening a paragraph (the
// file indents its paragraphs with one).
QString ShownText(QString section);
