// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The drill: one problem at a time against a one-second clock, with a time bar that
// shrinks and a correct bar that grows towards the child's best earlier result.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/PracticeRecord.h"
#include "practice/logic/DrillBars.h"
#include "practice/logic/DrillFacts.h"
#include "practice/logic/DrillLayout.h"
#include "practice/logic/NextProblem.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class Practice : public Form {
    Q_OBJECT
public:
    // A drill of the given definition; its tally starts at nothing.
    // The drill of the chosen player; her settings say how problems are laid out.
    Practice(const Services& services, const ProgramSettings& program, Player& player, const PracticeFields& definition,
             QWidget* parent);

    // One second of the clock; the timer calls it, and so may a test.
    void Timer1Tick();
    void CheckAnswer();
    void ShowAnswerClick();

    const ProblemState& Problem() const { return problem_; }
    int SecondsLeft() const { return SecondsLeft_; }
    Int16 ReviewMode() const { return problem_.ReviewMode; }
    // The drill's own definition and tally; no other window changes them.
    const PracticeFields& Tally() const { return practice_; }
    // The goal line: the child's best right count in this set, 0 for none.
    Int16 Goal() const { return goalCount_; }
    // The key of the child who started it.
    const QString& FileId() const { return fileId_; }
    // Drawn as large as the screen allows (the child's "Big drill"; F11 turns it over).
    bool BigDrill() const { return bigDrill_; }

signals:
    // The practice ran to its end and its record and answers went to the files.
    void Saved();

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window at its size, big or as drawn, centred, with its bevel.
    void SizeDrill();
    double BigZoom() const;
    void ShowRightSign(int grownFrom);
    void HideRightSign();
    // The note for an answer, when her answer sounds are on.
    void Sound(bool right);
    void LayoutProblem();
    ProblemLayout CurrentLayout() const;
    // Places the problem's numbers, signs, answer box and backdrop for the numbers shown.
    ProblemLayout PlaceProblem();
    void PresentProblem();
    void SetUpGoal();
    // Returns the bar's top before the answer, in twips.
    int UpdateCorrectBar();
    void PlaceTimeBar(int height);
    void EndPractice();
    void ScheduleTick();
    QLineEdit* AnswerBox() const;

    const ProgramSettings& program_;
    Player& player_;
    Int16 DrillMinutes = 0;
    PracticeFields practice_;
    Int16 goalCount_ = 0;
    QString scoreFile_; // the history of the child who started the drill
    QString factsFile_; // and her facts file
    QString fileId_;    // and her key, which her row must still name when the drill ends
    DrillFacts facts_;  // the first answer to each problem
    int SecondsLeft_ = 0;
    ProblemState problem_;
    CorrectBar bar_;
    qint64 clockStart_ = 0;
    int ticksDone_ = 0;
    bool bigDrill_ = false;
    bool answerSounds_ = false;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* L1;
    QLabel* C_bar;
    QLabel* C_new; // the part the correct bar grew by, marked for a moment
    QLabel* Time_Bar;
    QLabel* Text3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QWidget* Line1;
    QWidget* Line2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QTimer* Timer1;
    QTimer* Timer2; // takes the sign of a right answer away again
};
