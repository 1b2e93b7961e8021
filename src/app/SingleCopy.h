// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once

class QWidget;
// One copy of the program per desktop: a second start brings the running copy's window to
// the front and ends, so two copies never change one player's files behind each other's backs.

// Called once the application object exists. False when a copy already runs on this desktop
// (it has been asked to come to the front): the caller then ends. Otherwise this copy
// answers later starts from now on.
bool BecomeOnlyCopy();
// The background window, which comes to the front when nothing else of the program is up.
void SetFrontWindow(QWidget* background);
