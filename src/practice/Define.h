// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The practice definition window: operation, table and length of the next drill.
// It opens preset to the last practice (or to the player's level) and writes the
// definition back to the shared state and the player's settings file when it closes.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/Program.h"
#include "core/logic/PracticeRecord.h"

#include <array>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Define : public Form {
    Q_OBJECT
public:
    // The practice is worked on here and handed to `player` as the window closes.
    Define(const Services& services, Program& program, Player& player, QWidget* parent);

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    QRadioButton* AddOption(QGroupBox* frame, QButtonGroup* group, const QString& name, const QString& caption,
                            int left, int top, int width);
    // Turns a button on from code; its click rule runs as if the player had clicked it.
    void SetOption(QRadioButton* option);
    void OptionClick(QAbstractButton* option);
    void ShowFirstRunNotice();
    void PresetButtons();
    void ReadBackButtons();
    // The frames and option buttons stay white whatever colour the window takes.
    void KeepWhite();

    Program& program_;
    Player& player_;
    // The practice shown: the player's, or her level's with automatic advancement.
    PracticeFields practice_;
    Int16 Initializing = 0;
    // Set by "Cancel" only: the definition is then neither read back nor saved.
    bool cancelled_ = false;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 4> OperationOptions{}; // Option1..Option4
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option7 = nullptr;
    std::array<QRadioButton*, 10> Option8{};
    std::array<QRadioButton*, 6> TimeOptions{}; // Option9..Option14
    QPushButton* Command8 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
};
