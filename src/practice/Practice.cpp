// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/Practice.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowOpener.h"
#include "core/WindowUtils.h"
#include "core/logic/MidiDevice.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PlayerOptions.h"
#include "core/logic/PracticeRecord.h"
#include "core/MessageBoxes.h"
#include "practice/logic/AnswerCheck.h"
#include "practice/logic/DrillClock.h"
#include "practice/logic/DrillLayout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QValidator>

namespace {
// An answer is digits: every other character typed or pasted is dropped, the digits kept.
class DigitsOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (int i = input.size() - 1; i >= 0; --i) {
            if (input.at(i) < QLatin1Char('0') || input.at(i) > QLatin1Char('9')) {
                input.remove(i, 1);
                pos -= i < pos ? 1 : 0;
            }
        }
        return Acceptable;
    }
};

constexpr double LightBlue = 0xFF8080;    // red 128, green 128, blue 255
constexpr double SignGreen = 0x008C00;    // red 0, green 140, blue 0: the sign of a right answer
constexpr double DarkGreen = 0x00A000;    // the part the correct bar has just grown by
constexpr double FeedbackRed = 0x0000C0;  // the message of a wrong answer
constexpr int NewPartLeast = 60;          // twips: the grown part is marked at least this high
constexpr int NumberFontPx = 22;          // 18 points in a face a little wider than the design's
constexpr int EqualsFontPx = 18;          // 13.5 points

QLabel* MakeLabel(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text = {})
{
    auto* label = MakeControl<QLabel>(parent, name, l, t, w, h, text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFont PixelFont(int px, bool bold = false)
{
    QFont f;
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}
} // namespace

Practice::Practice(const Services& services, const ProgramSettings& program, Player& player,
                   const PracticeFields& definition, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::FramelessWindowHint)
    , program_(program)
    , player_(player)
    , practice_{definition.PracticeOp, definition.TableNum, definition.PracticeMinutes, 0, 0}
{
    setObjectName(QStringLiteral("Practice"));
    setWindowTitle(QStringLiteral("Numbrella"));
    SetBackColor(this, DefaultBackColour);
    SetSize(DrillWidth, DrillHeight);

    L1 = MakeLabel(this, "L1", 0, 0, 0, 0);
    Text3 = MakeLabel(this, "Text3", 0, 0, 720, 555);
    Text3->setFrameShape(QFrame::StyledPanel);
    Text3->setFrameShadow(QFrame::Sunken);
    SetBackColor(Text3, White);

    Label6 = MakeLabel(this, "Label6", 480, 120, 4095, 375);
    Label6->setFont(PixelFont(15, true));
    SetForeColor(Label6, FeedbackRed);
    Label2 = MakeLabel(this, "Label2", 0, 0, 495, 480);
    Label1 = MakeLabel(this, "Label1", 0, 0, 255, 480, QStringLiteral("+"));
    Label3 = MakeLabel(this, "Label3", 0, 0, 435, 480);
    Label4 = MakeLabel(this, "Label4", 0, 0, 255, 480, QStringLiteral("="));
    for (QLabel* l : {Label1, Label2, Label3})
        l->setFont(PixelFont(NumberFontPx));
    Label4->setFont(PixelFont(EqualsFontPx, true));

    for (QLineEdit** box : {&Text1, &Text2}) {
        *box = MakeControl<QLineEdit>(this, box == &Text1 ? "Text1" : "Text2", 0, 0, 600, 435);
        (*box)->setFont(PixelFont(NumberFontPx));
        (*box)->setAlignment(Qt::AlignCenter);
        (*box)->setFrame(false);
        (*box)->installEventFilter(this);
        (*box)->setValidator(new DigitsOnly(*box));
        SetBackColor(*box, White);
    }

    Line1 = MakeControl<QWidget>(this, "Line1", 2160, 1560, 960, 30);
    SetBackColor(Line1, 0x000000);
    Line2 = MakeControl<QWidget>(this, "Line2", 480, 0, 240, 30);
    SetBackColor(Line2, Red);

    Label8 = MakeLabel(this, "Label8", 4320, ColumnTop, 135, ColumnHeight);
    SetBackColor(Label8, LightYellow);
    Time_Bar = MakeLabel(this, "Time_Bar", 4320, ColumnTop, 135, ColumnHeight);
    SetBackColor(Time_Bar, LightBlue);
    C_bar = MakeLabel(this, "C_bar", 600, ColumnTop + ColumnHeight + 1, 135, 15);
    SetBackColor(C_bar, Green);
    C_new = MakeLabel(this, "C_new", 600, 0, 135, 0);
    SetBackColor(C_new, DarkGreen);
    C_new->hide();

    // The captions start below the empty correct bar, so it never sits on their letters.
    Label9 = MakeLabel(this, "Label9", 315, 2220, 735, 300, tr("Correct"));
    Label7 = MakeLabel(this, "Label7", 4200, 2220, 495, 300, tr("Time"));
    for (QLabel* caption : {Label9, Label7})
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5 = MakeLabel(this, "Label5", 450, 1860, 495, 255, QStringLiteral("0"));
    Label5->setFont(PixelFont(16, true));

    Command2 = MakeControl<QPushButton>(this, "Command2", 240, 2700, 1395, 375, tr("Show Answer"));
    Command1 = MakeControl<QPushButton>(this, "Command1", 1800, 2700, 1395, 375, tr("Enter"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 3360, 2700, 1395, 375, tr("Cancel"));
    // Tab reaches the buttons, but a click leaves the keyboard in the answer box.
    for (QPushButton* b : {Command1, Command2, Command3}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->installEventFilter(this);
    }
    Keyboard::SetEscapeButton(Command3);
    connect(Command1, &QPushButton::clicked, this, [this] { CheckAnswer(); });
    connect(Command2, &QPushButton::clicked, this, [this] { ShowAnswerClick(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Unload(); });

    Timer2 = new QTimer(this);
    Timer2->setSingleShot(true);
    Timer2->setInterval(RightSignMs);
    connect(Timer2, &QTimer::timeout, this, [this] { HideRightSign(); });

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // Catch up on every second that is due, then wait for the next one.
        for (int due = TicksDue(clockStart_, Os().MonotonicMs(), ticksDone_, Os().DrillSecondMs()); due > 0 && !IsUnloaded(); --due)
            Timer1Tick();
        if (!IsUnloaded() && SecondsLeft_ > 0)
            ScheduleTick();
    });
}

void Practice::FormLoad()
{
    const ChosenPlayer& s = player_.Chosen();
    Platform& p = Os();
    scoreFile_ = s.ScoreFilePath;
    fileId_ = s.PlayerFileId;
    factsFile_ = IsPlayerKey(s.PlayerFileId) ? PlayerFactsFile(s.PlayerFileId) : QString(); // never a hidden ".fct"
    facts_ = DrillFacts();
    DrillMinutes = practice_.PracticeMinutes;
    const PlayerOptions& options = player_.Options();
    answerSounds_ = options.Flag(AnswerSoundsOption).value_or(false);
    // Ready before the first answer, which then sounds at once.
    if (answerSounds_)
        p.MidiOut().Open();
    bigDrill_ = options.Flag(BigDrillOption).value_or(BigDrillByDefault(player_.Settings().PlayerGrade, ScreenPixelWidth(this)));
    SizeDrill();
    ApplyBackColour(this, program_.BackColour);
    p.SeedRandom(p.SecondsSinceMidnight());
    problem_ = ProblemState();
    SecondsLeft_ = DrillMinutes * 60;
    PlaceTimeBar(ColumnHeight);
    SetUpGoal();
    clockStart_ = p.MonotonicMs();
    ticksDone_ = 0;
    ScheduleTick();
}

void Practice::SizeDrill()
{
    SetZoom(bigDrill_ ? BigZoom() : 1);
    CentreForm(this);
    DrawFormBevel(this);
}

double Practice::BigZoom() const
{
    const QScreen* s = screen();
    if (!s)
        return 1;
    // The height of a digit's outline in the numbers' type as drawn ("1", flat at both ends,
    // is the lowest of the digits).
    QPainterPath digit;
    digit.addText(0, 0, ZoomedFont(Label2, 1), QStringLiteral("1"));
    const QRect area = s->availableGeometry();
    return BigDrillZoom(area.width(), area.height(), digit.boundingRect().height());
}

void Practice::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            bigDrill_ = !bigDrill_;
            SizeDrill();
        }
        return;
    }
    Form::keyPressEvent(event);
}

void Practice::ScheduleTick()
{
    Timer1->start(static_cast<int>(MsUntilNextTick(clockStart_, Os().MonotonicMs(), ticksDone_, Os().DrillSecondMs())));
}

void Practice::FormActivate()
{
    ApplyBackColour(this, program_.BackColour);
    const double backdrop = BackdropColour(program_.BackColour);
    for (QLabel* l : {L1, Label1, Label2, Label3, Label4})
        SetBackColor(l, backdrop);
    // The signs and numbers show the backdrop through them, so a wide number never hides a sign.
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setAutoFillBackground(false);
    LayoutProblem();
    NextProblem(problem_, practice_, Os());
    PresentProblem();
}

void Practice::LayoutProblem()
{
    if (const Int16 format = player_.Settings().ProblemFormat; format < 1 || format > 3)
        player_.Change([](PlayerSettings& s) { s.ProblemFormat = 1; });
    const ProblemLayout l = PlaceProblem();
    Label1->setText(l.sign);
    Line1->setVisible(l.showLine1);
    Label4->setVisible(l.showLabel4);
    Text1->setVisible(!l.useText2);
    Text2->setVisible(l.useText2);
    const Qt::Alignment numbers = (l.rightAligned ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter;
    Label2->setAlignment(numbers);
    Label3->setAlignment(numbers);
    Text2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text3->lower();
    L1->lower();
}

ProblemLayout Practice::PlaceProblem()
{
    const ProblemLayout l = CurrentLayout();
    PlaceTw(Label1, l.label1);
    PlaceTw(Label2, l.label2);
    PlaceTw(Label3, l.label3);
    PlaceTw(Label4, l.label4);
    PlaceTw(Text1, l.text1);
    PlaceTw(Text2, l.text2);
    PlaceTw(Text3, l.text3);
    PlaceTw(L1, l.backdrop);
    return l;
}

ProblemLayout Practice::CurrentLayout() const
{
    // Number labels grow only for numbers wider than their design ("10", "100"), with a
    // blank on either side; measured in the type as drawn, whatever the window's zoom.
    const QFontMetricsF fm(ZoomedFont(Label2, 1));
    auto width = [&](QLabel* l) {
        return static_cast<int>(fm.horizontalAdvance(QLatin1Char(' ') + l->text() + QLatin1Char(' ')) * TwipsPerPixel + 0.5);
    };
    return LayOutProblem(player_.Settings().ProblemFormat, practice_.PracticeOp, width(Label2), width(Label3));
}

void Practice::PresentProblem()
{
    Label2->setText(QString::number(problem_.ShownFirst));
    Label3->setText(QString::number(problem_.ShownSecond));
    PlaceProblem();
    AnswerBox()->clear();
    AnswerBox()->setFocus();
    facts_.Shown(Os().MonotonicMs());
}

QLineEdit* Practice::AnswerBox() const
{
    return player_.Settings().ProblemFormat == 3 ? Text2 : Text1;
}

void Practice::SetUpGoal()
{
    goalCount_ = FindGoal(player_.Settings(), program_, practice_, Os(), ReadScoreHistory(scoreFile_));
    const bool goal = goalCount_ != 0;
    Label5->setVisible(!goal);
    Line2->setVisible(goal);
    C_bar->setVisible(goal);
    if (!goal)
        return;
    bar_ = CorrectBar::ForGoal(goalCount_);
    PlaceTw(C_bar, 600, bar_.baseline + 1, 135, 15);
    PlaceTw(Line2, 480, static_cast<int>(bar_.goalY), 240, 30);
}

int Practice::UpdateCorrectBar()
{
    const int before = C_bar->isHidden() ? bar_.baseline : DesignPlace(C_bar).top();
    const int h = bar_.Height(practice_.CorrectCount);
    PlaceTw(Line2, 480, static_cast<int>(bar_.goalY), 240, 30);
    PlaceTw(C_bar, 600, bar_.baseline - h, 135, h);
    C_bar->setVisible(h > 0);
    C_bar->repaint();
    return before;
}

void Practice::PlaceTimeBar(int height)
{
    PlaceTw(Time_Bar, 4320, ColumnTop + ColumnHeight - height, 135, height);
    Time_Bar->setVisible(height > 0);
}

void Practice::Timer1Tick()
{
    if (SecondsLeft_ <= 0)
        return;
    ++ticksDone_;
    --SecondsLeft_;
    PlaceTimeBar(TimeBarHeight(SecondsLeft_, DrillMinutes));
    Time_Bar->repaint();
    if (InReview(SecondsLeft_, DrillMinutes))
        problem_.ReviewMode = 1;
    if (SecondsLeft_ == 0)
        EndPractice();
}

void Practice::EndPractice()
{
    Timer1->stop();
    Platform& p = Os();
    const QDateTime now = p.Now();
    const QString scoreNotSaved = tr("Your score could not be saved: the file %1 cannot be written. Please ask a "
                                     "grown-up to check the program folder.");
    QString what, file;
    // Written only while her row still names her key: on another computer sharing the folder
    // she may have been removed, and her key given to another child.
    const PlayerSave saved = ForListedPlayer(fileId_, [&] {
        // The facts go with the score: no facts of a practice that has no record.
        if (!AppendScoreRecord(scoreFile_, practice_, now))
            what = scoreNotSaved, file = scoreFile_;
        else if (!factsFile_.isEmpty() && !AppendFacts(factsFile_, facts_.Finish(now, p.MonotonicMs())))
            what = tr("Your answers could not be saved: the file %1 cannot be written. Please ask a grown-up to "
                      "check the program folder."),
            file = factsFile_;
        player_.WriteConfig();
        return true;
    });
    if (saved == PlayerSave::NotListed) {
        Tools().boxes.TellIfNotListed(saved);
        Unload();
        return;
    }
    if (saved == PlayerSave::Failed)
        what = scoreNotSaved, file = scoreFile_;
    if (!what.isEmpty())
        ShowMessage(what.arg(file));
    emit Saved();
    Windows().ShowScores(practice_);
    Unload();
}

void Practice::CheckAnswer()
{
    const QString typed = AnswerBox()->text();
    const Verdict verdict = ::CheckAnswer(practice_, problem_, typed);
    if (verdict != Verdict::Ignored)
        facts_.Answered(practice_.PracticeOp, problem_, *ReadAnswer(typed), Os().MonotonicMs());
    switch (verdict) {
    case Verdict::Ignored:
        return;
    case Verdict::Right:
        Sound(true);
        if (goalCount_ != 0) {
            ShowRightSign(UpdateCorrectBar());
        } else {
            Label5->setText(QString::number(practice_.CorrectCount));
            ShowRightSign(-1);
        }
        NextProblem(problem_, practice_, Os());
        PresentProblem();
        return;
    case Verdict::Wrong:
        Sound(false);
        HideRightSign();
        SetForeColor(Label6, FeedbackRed);
        Label6->setText(QCoreApplication::translate("AnswerCheck", IncorrectMessage));
        AnswerBox()->clear();
        AnswerBox()->setFocus();
        return;
    }
}

void Practice::ShowRightSign(int grownFrom)
{
    SetForeColor(Label6, SignGreen);
    Label6->setText(QCoreApplication::translate("AnswerCheck", RightSign));
    // The part the bar grew by, darker, so that even a small step shows; none when the bar
    // was halved or shows nothing.
    const QRect bar = DesignPlace(C_bar);
    if (grownFrom > bar.top() && !C_bar->isHidden()) {
        const int h = std::min(std::max(grownFrom - bar.top(), NewPartLeast), bar.height());
        PlaceTw(C_new, bar.left(), bar.top(), bar.width(), h);
        C_new->show();
        C_new->raise();
    } else {
        C_new->hide();
    }
    Timer2->start();
}

void Practice::HideRightSign()
{
    Timer2->stop();
    C_new->hide();
    if (Label6->text() == QCoreApplication::translate("AnswerCheck", RightSign))
        Label6->clear();
}

void Practice::Sound(bool right)
{
    if (!answerSounds_)
        return;
    MidiDevice& midi = Os().MidiOut();
    const AnswerNote note = AnswerNoteFor(right);
    midi.ShortMsg(MidiMessage(MidiProgram, AnswerChannel, note.program));
    midi.ShortMsg(MidiMessage(MidiNoteOn, AnswerChannel, note.key, note.velocity));
    QTimer::singleShot(note.ms, this, [&midi, note] { midi.ShortMsg(MidiMessage(MidiNoteOff, AnswerChannel, note.key)); });
}

void Practice::ShowAnswerClick()
{
    // Shown before any answer: the child did not know it.
    facts_.AnswerShown(practice_.PracticeOp, problem_, Os().MonotonicMs());
    AnswerBox()->setText(ShowAnswer(practice_, problem_));
    AnswerBox()->setFocus();
}

void Practice::FormUnload()
{
    Timer1->stop();
    Timer2->stop();
    // No note of an answer left sounding after the drill.
    if (answerSounds_)
        Os().MidiOut().ShortMsg(MidiMessage(MidiControl, AnswerChannel, MidiAllNotesOff));
}

bool Practice::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Text1 || watched == Text2) && IsEnterPress(event)) {
        CheckAnswer();
        return true;
    }
    // Digits typed while a button has the focus still go into the answer.
    if (qobject_cast<QPushButton*>(watched) && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text.at(0).isDigit()) {
            AnswerBox()->setFocus();
            AnswerBox()->insert(text);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}
