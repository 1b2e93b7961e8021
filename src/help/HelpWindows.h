// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The help windows and the manual they share. The contents and the viewer exist at most once
// each; the other windows of the program reach them through the window opener.

#include "core/Form.h"
#include "core/logic/StateParts.h"
#include "help/logic/Documentation.h"

#include <QPointer>

class HUTIL2;
class HUTIL3;

class HelpWindows {
public:
    HelpWindows(const Services& services, const ProgramSettings& program) : services_(services), program_(program) {}

    // The window the help windows belong to, once it exists.
    void SetBackground(QWidget* background) { background_ = background; }
    HelpState& State() { return state_; }
    const ProgramSettings& Program() const { return program_; }
    const Services& Tools() const { return services_; }

    // Reads "nbr.doc" from the program folder into DocText. When it cannot be read, the viewer
    // closes if it is open, the user is told, DocText stays as it was and the result is false.
    bool LoadDocumentation();
    // The viewer, loaded (not shown) when it is not.
    HUTIL2* Viewer();
    // The viewer or the contents when loaded, else nothing.
    HUTIL2* LoadedViewer() const;
    HUTIL3* LoadedContents() const;
    // The table of contents; returns when it has closed.
    void ShowContents();
    // The manual at a topic over `opener`, which takes no input meanwhile. Without the manual
    // the viewer still opens, on the text read earlier or on nothing.
    void ShowTopic(QWidget* opener, const QString& topic);

private:
    const Services& services_;
    const ProgramSettings& program_;
    QPointer<QWidget> background_;
    HelpState state_;
    QPointer<HUTIL2> viewer_;
    QPointer<HUTIL3> contents_;
};
