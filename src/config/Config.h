// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The configuration window: problem layout, window colour, grade, automatic advancement,
// the player's level and the advancement criteria. It works on the chosen player and
// writes the player's settings file on "Save".

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/StateParts.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class LevelFrame;
class SwatchFrame;

class Config : public Form {
    Q_OBJECT
public:
    // The chosen player's settings, changed through `player` on "Save".
    Config(const Services& services, const ProgramSettings& program, Player& player, QWidget* parent);

protected:
    void FormLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ProgramSettings& program_;
    Player& player_;
    void BuildFormatFrame();
    void BuildCriteriaFrame();
    void FillLists();
    // The controls that take the window's colour.
    QList<QWidget*> Coloured() const;
    void SeeThroughCaptions();

    // Ticks the box from code; its click rule runs as if the user had done it.
    void SetAutoAdvance(bool ticked);

    void GradeClick();
    void AutoAdvanceClick();
    void SwatchClick(int index);
    void SaveClick();
    void CancelClick();
    void HelpClick();
    // Tells why the box's number cannot be saved and puts the focus there.
    void Refuse(QLineEdit* box, const QString& message);

    double chosenColour_ = 0;
    bool bigDrillDefault_ = false; // for her grade on this screen

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr; // "Language"
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QWidget* Line1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    SwatchFrame* Frame3 = nullptr;
    LevelFrame* Frame4 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo7 = nullptr; // her language, or the computer's
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr; // "Big drill"
    QCheckBox* Check3 = nullptr; // "Answer sounds"
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
