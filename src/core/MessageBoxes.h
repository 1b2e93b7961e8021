// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's message box as every window calls it: one box at a time, over the window the
// child works in, in the program's colours.

#include "core/logic/StateParts.h"

#include <QPointer>
#include <QString>

class M_Boxx;
class QWidget;
struct Services;
enum class PlayerSave;

class MessageBoxes {
public:
    // `program` tells the display's colours; `background` is the window the boxes belong to.
    explicit MessageBoxes(const ProgramSettings& program) : program_(program) {}
    void SetServices(const Services* services, QWidget* background);

    // Shows the message with an OK button and returns when the box is closed.
    void ShowMessage(const QString& text);
    // Asks with Yes and No: 1 for yes, 0 for no. Closing the box without choosing is "no",
    // since a yes here may delete a child's data.
    int AskYesNo(const QString& question);
    // Tells the child, in words she understands, when her files were not written because her
    // name is gone from the list (removed on another computer sharing the folder).
    void TellIfNotListed(PlayerSave result);

private:
    // The box, made when first needed; a message asked for while one is up uses it again.
    M_Boxx* Box();
    int Show(const QString& text, bool question);

    const ProgramSettings& program_;
    const Services* services_ = nullptr;
    QPointer<QWidget> background_;
    QPointer<M_Boxx> box_;
};

inline const QString NotListedMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "MessageBoxes",
    "Your work could not be saved, because your name is no longer on the list of players. Please ask a grown-up for help."));
