// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The help viewer: the whole manual in one scrolling box, opened at the topic or text in
// HelpSearchText, with a search, printing, and the way back to the table of contents.

#include "core/Form.h"

class HelpWindows;

class QPlainTextEdit;
class QPushButton;

class HUTIL2 : public Form {
    Q_OBJECT
public:
    HUTIL2(const Services& services, HelpWindows& help, QWidget* parent);

    // The text as the box holds it: one character for each line end.
    QString ViewerText() const;
    // Where the selection (the current match) begins, counting from 1.
    int CurrentPosition() const;
    // The table of contents opened it: leaving it with "Exit" closes the contents too.
    void SetOpenedFromContents() { fromContents_ = true; }

protected:
    void FormLoad() override;
    void FormActivate() override;
    void showEvent(QShowEvent* event) override;

private:
    // What the viewer does each time it comes up: back to the first match from the top.
    void SearchFromTop();
    // Shows one of its dialogs; the viewer comes up again afterwards.
    void ShowDialog(Form* dialog);
    void ShowMatch(int ahead);
    void SetFindWidth(int width);
    void FindClick();
    void FindNextClick();
    void ExitClick();

    HelpWindows& help_;
    bool firstActivation_ = true;
    bool fromContents_ = false;
    int FoundPos = 0;

    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
};
