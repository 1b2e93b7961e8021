// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The score history window: one bar per practice of a set, the goal line of the player's
// level, the details of the bar under the mouse, and the evaluation's message.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Chart.h"

#include <QStringList>
#include <array>

class MMControl;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

class ShowScores : public Form {
    Q_OBJECT
public:
    // Opens on the set of `set`'s definition.
    // The chosen player's scores; a new level reached goes to `player`.
    ShowScores(const Services& services, const ProgramSettings& program, Player& player, const PracticeFields& set,
               QWidget* parent);

    // Builds the chart of the set shown and runs the evaluation.
    void ShowSetScores();
    // The definition of the set shown; the window's own, whatever it is showing.
    const PracticeFields& Set() const { return set_; }
    void ShowBarDetails(int bar);
    void GetScores();
    // True once the window has been open two seconds; "Exit" works only then.
    bool CanExit() const { return exitFlag_; }

protected:
    void FormLoad() override;
    void FormUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FillLists(const QStringList& history);
    void SelectSet();
    void ListChanged();
    void HideDetails();
    void PlayTune();

    const ProgramSettings& program_;
    Player& player_;
    PracticeFields set_;
    QStringList records_;     // the set shown, in file order
    ChartLayout chart_;
    int hoveredBar_ = -1;
    bool exitFlag_ = false;
    bool selecting_ = false;

    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QComboBox* Combo4;
    QPushButton* Command1;
    QPushButton* Command2;
    std::array<QLabel*, ChartBarPlaces> Label1{};
    std::array<QLabel*, ChartBarPlaces> Label7{};
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label11;
    QWidget* Line1;
    QLabel* Label6;
    QLabel* Shape1;
    QLabel* Label13;
    QLabel* Label17;
    QLabel* Label14;
    MMControl* MM;
    QTimer* Timer1;
};
