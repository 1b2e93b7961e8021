// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The other windows as a window may ask for them. The program's wiring implements it (it alone
// knows every window); a window never names another folder's window.

#include "core/logic/StateParts.h"

#include <QString>

class QWidget;

class WindowOpener {
public:
    virtual ~WindowOpener() = default;

    // The menu's windows; each returns when its window has closed.
    virtual void ShowConfig() = 0;
    // The score window at the chosen player's current practice.
    virtual void ShowPlayerScores() = 0;
    virtual void ShowProgress() = 0;
    virtual void ShowMusic() = 0;
    virtual void ShowHelp() = 0;
    // The player window's second face; at once when the player window is up already.
    virtual void ShowAbout() = 0;
    // The manual at a topic, over the window that asks, which takes no input meanwhile.
    virtual void ShowHelpTopic(QWidget* opener, const QString& topic) = 0;
    // The score window of a practice just ended.
    virtual void ShowScores(const PracticeFields& practice) = 0;

    // The menu's entries that need a chosen player show only while one is chosen.
    virtual void SetPlayerEntriesVisible(bool visible) = 0;
    // Another child chose her name: a drill of someone else's ends as its Cancel ends it,
    // so that it is filed under nobody else.
    virtual void EndDrillUnlessOf(const QString& fileId) = 0;
};
