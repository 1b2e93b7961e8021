// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The name of the X screen a program talks to, in one spelling for every way of writing it.

#include <QString>

// ":0", ":0.0", "unix:0", "unix:0.1" and "/tmp/.X11-unix/X0" all name the local display 0
// and become ":0"; a display on another host keeps its host ("box:1.0" becomes "box:1").
QString CanonicalDisplay(const QString& display);
