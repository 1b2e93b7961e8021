// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/ShowScores.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "core/logic/PracticeRecord.h"
#include "core/logic/Tunes.h"
#include "audio/MMControl.h"
#include "scores/logic/Evaluation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <algorithm>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int WindowWidth = 8640;
constexpr int WindowHeight = 4920;
// The lists show these in the child's language and keep the number each stands for.
constexpr const char* KindNames[] = {QT_TRANSLATE_NOOP("ShowScores", "All"), QT_TRANSLATE_NOOP("ShowScores", "Up to"),
                                     QT_TRANSLATE_NOOP("ShowScores", "Just")};

int KindOf(int tableNum)
{
    return tableNum == 0 ? 0 : (tableNum > 0 ? 1 : 2);
}
} // namespace

ShowScores::ShowScores(const Services& services, const ProgramSettings& program, Player& player,
                       const PracticeFields& set, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
    , player_(player)
    , set_(set)
{
    setObjectName(QStringLiteral("ShowScores"));
    setWindowTitle(tr("Your Scores"));
    SetBackColor(this, White);
    SetSize(WindowWidth, WindowHeight);
    setMouseTracking(true);

    for (int i = 0; i < ChartBarPlaces; ++i) {
        Label7[i] = MakeControl<QLabel>(this, "", 0, 0, ChartBarWidth, 0);
        Label7[i]->setObjectName(QStringLiteral("Label7_%1").arg(i));
        SetBackColor(Label7[i], Red);
        Label7[i]->hide();
        Label1[i] = MakeControl<QLabel>(this, "", 0, 0, ChartBarWidth, 0);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        SetBackColor(Label1[i], Blue);
        Label1[i]->setMouseTracking(true);
        Label1[i]->installEventFilter(this);
        Label1[i]->hide();
    }
    Label3 = MakeControl<QLabel>(this, "Label3", 240, 705, 375, 255);
    Label4 = MakeControl<QLabel>(this, "Label4", 360, 1695, 255, 255);
    Label5 = MakeControl<QLabel>(this, "Label5", 360, 2700, 255, 255, QStringLiteral("0"));
    Label11 = MakeControl<QLabel>(this, "Label11", 240, 3000, 855, 255, tr("# Right"));
    for (QLabel* l : {Label3, Label4, Label5, Label11}) {
        SetForeColor(l, Blue);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Line1 = MakeControl<QWidget>(this, "Line1", 0, 0, 0, 15);
    SetBackColor(Line1, Red);
    Line1->hide();
    Label6 = MakeControl<QLabel>(this, "Label6", 0, 0, 495, 195, tr("Goal"));
    SetForeColor(Label6, Red);
    Label6->hide();
    Shape1 = MakeControl<QLabel>(this, "Shape1", 0, 2820, 255, 135);
    SetBackColor(Shape1, Red);
    Shape1->hide();
    Label13 = MakeControl<QLabel>(this, "Label13", 0, 3000, 1095, 255, tr("Most Recent"));
    Label13->setAlignment(Qt::AlignCenter);
    Label13->hide();
    Label17 = MakeControl<QLabel>(this, "Label17", 0, 2940, 975, 795);
    SetBackColor(Label17, LightYellow);
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setMargin(4);
    // The pointer passes through it to what lies below: a bar it covers, or the space that hides it.
    Label17->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label17->setFrameShape(QFrame::Box);
    Label17->hide();
    Label14 = MakeControl<QLabel>(this, "Label14", 2040, 3300, 4095, 735);
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setWordWrap(true);
    QFont messageFont = ScaledFont(this, 1.15);
    messageFont.setBold(true);
    Label14->setFont(messageFont);
    SetBackColor(Label14, White);

    Combo1 = MakeControl<QComboBox>(this, "Combo1", 240, 4080, 1815, 375);
    Combo2 = MakeControl<QComboBox>(this, "Combo2", 2160, 4080, 1095, 375);
    Combo3 = MakeControl<QComboBox>(this, "Combo3", 3360, 4080, 735, 375);
    Combo4 = MakeControl<QComboBox>(this, "Combo4", 4200, 4080, 1455, 375);
    for (QComboBox* c : {Combo1, Combo2, Combo3, Combo4})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { ListChanged(); });
    Command2 = MakeControl<QPushButton>(this, "Command2", 5880, 4080, 1215, 375, tr("Get Scores"));
    Command2->hide();
    Command1 = MakeControl<QPushButton>(this, "Command1", 7200, 4080, 1215, 375, tr("Exit"));
    connect(Command2, &QPushButton::clicked, this, [this] { GetScores(); });
    Keyboard::SetEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (exitFlag_)
            Unload();
    });

    MM = new MMControl(this);
    MM->setObjectName(QStringLiteral("MM"));
    MM->hide();

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, [this] { exitFlag_ = true; });
}

void ShowScores::FormLoad()
{
    Timer1->start();
    exitFlag_ = false;
    if (QWidget* back = MainWindowOf(this); back != this)
        back->raise();
    CentreForm(this);
    DrawFormBevel(this);
    const std::optional<QStringList> history = ReadScoreHistory(player_.Chosen().ScoreFilePath);
    if (!history) {
        ShowMessage(tr("You have no scores yet."));
        Unload();
        return;
    }
    FillLists(*history);
    ShowSetScores();
}

void ShowScores::FillLists(const QStringList& history)
{
    std::array<bool, 4> ops{};
    std::array<bool, 3> kinds{};
    std::array<bool, 11> numbers{};
    std::array<bool, 11> times{};
    // Each record is read over the one before, as a field that cannot be read keeps its value.
    PracticeFields f = set_;
    for (const QString& record : history) {
        UnpackPractice(f, record);
        if (f.PracticeOp >= 0 && f.PracticeOp <= 3)
            ops[f.PracticeOp] = true;
        kinds[KindOf(f.TableNum)] = true;
        if (f.TableNum != 0 && std::abs(f.TableNum) <= 10)
            numbers[std::abs(f.TableNum)] = true;
        if (f.PracticeMinutes >= 1 && f.PracticeMinutes <= 10)
            times[f.PracticeMinutes] = true;
    }
    selecting_ = true;
    for (int i = 0; i < 4; ++i)
        if (ops[i])
            Combo1->addItem(OperationName(i), i);
    for (int i = 0; i < 3; ++i)
        if (kinds[i])
            Combo2->addItem(tr(KindNames[i]), i);
    for (int i = 1; i <= 10; ++i) {
        if (numbers[i])
            Combo3->addItem(QString::number(i));
        if (times[i])
            Combo4->addItem(MinutesText(i), i);
    }
    selecting_ = false;
}

void ShowScores::SelectSet()
{
    const PracticeFields& s = set_;
    selecting_ = true;
    if (const int at = Combo1->findData(std::clamp<int>(s.PracticeOp, 0, 3)); at >= 0)
        Combo1->setCurrentIndex(at);
    if (s.TableNum == 0)
        Combo3->hide();
    else
        Combo3->setCurrentIndex(Combo3->findText(QString::number(std::abs(s.TableNum))));
    Combo2->setCurrentIndex(Combo2->findData(KindOf(s.TableNum)));
    Combo4->setCurrentIndex(Combo4->findData(int(s.PracticeMinutes)));
    selecting_ = false;
    ListChanged();
}

void ShowScores::ListChanged()
{
    if (selecting_)
        return;
    Command2->show();
    const QVariant kind = Combo2->currentData();
    Combo3->setVisible(kind.isValid() && kind.toInt() != 0);
}

void ShowScores::GetScores()
{
    PracticeFields& s = set_;
    if (const QVariant op = Combo1->currentData(); op.isValid())
        s.PracticeOp = static_cast<Int16>(op.toInt());
    s.TableNum = static_cast<Int16>(Combo3->currentText().toInt());
    const QVariant kind = Combo2->currentData();
    if (kind.isValid() && kind.toInt() == 0)
        s.TableNum = 0;
    else if (kind.isValid() && kind.toInt() == 2)
        s.TableNum = static_cast<Int16>(-s.TableNum);
    s.PracticeMinutes = static_cast<Int16>(Combo4->currentData().toInt());
    ShowSetScores();
    Command2->hide();
}

void ShowScores::ShowSetScores()
{
    const PlayerSettings& s = player_.Settings();
    HideDetails();
    records_.clear();
    for (int i = 0; i < ChartBarPlaces; ++i) {
        Label1[i]->hide();
        Label7[i]->hide();
    }
    SelectSet();
    const QString key = DefinitionKey(set_);
    const std::optional<QStringList> history = ReadScoreHistory(player_.Chosen().ScoreFilePath);
    for (const QString& record : history.value_or(QStringList()))
        if (InSet(record, key))
            records_ << record;
    if (records_.isEmpty()) {
        ShowMessage(tr("No scores for this set yet.  Please select another."));
        return;
    }
    const bool level = IsCurrentLevel(s, set_);
    const double peak = FindPeak(records_, level, s.AdvanceNum);
    const int ninety = CountNinety(records_);
    chart_ = LayOutChart(records_, peak, WindowWidth, s.AdvanceNum);
    Label3->setText(QString::number(chart_.topValue));
    Label4->setText(QString::number(chart_.middleValue));
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
        const ChartBar& b = chart_.bars[i];
        PlaceTw(Label1[i], b.left, b.blueTop, ChartBarWidth, b.blueHeight);
        Label1[i]->setVisible(b.blueHeight > 0);
        if (b.red) {
            PlaceTw(Label7[i], b.left, b.redTop, ChartBarWidth, b.redHeight);
            Label7[i]->show();
        }
    }
    Line1->setVisible(level);
    Label6->setVisible(level);
    if (level) {
        PlaceTw(Line1, chart_.goalX2, chart_.goalY, chart_.goalX1 - chart_.goalX2, 15);
        PlaceTw(Label6, chart_.goalX1 + 100, chart_.goalY - 195 / 2, 495, 195);
    }
    PlaceTw(Shape1, chart_.markerLeft, 2820, 255, 135);
    PlaceTw(Label13, chart_.recentLeft, 3000, 1095, 255);
    Shape1->show();
    Label13->show();
    const Evaluation result = EvaluatePractice(s, records_, ninety, peak, Os().Now());
    ApplyEvaluation(player_, program_, Os(), result);
    if (!result.Message.isEmpty())
        PlayTune();
    Label14->setText(result.Message);
    Command2->hide();
}

void ShowScores::PlayTune()
{
    const QString tune = RandomMidiFile(Os());
    if (tune.isEmpty())
        return;
    MM->SetFileName(tune);
    MM->SetShareable(false);
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Open"));
    MM->SetWait(false);
    MM->SetCommand(QStringLiteral("Play"));
}

void ShowScores::ShowBarDetails(int bar)
{
    if (bar < 0 || bar >= static_cast<int>(chart_.bars.size()))
        return;
    hoveredBar_ = bar;
    const QStringList lines = BarDetails(records_.at(chart_.firstShown + bar), QLocale().dateFormat(QLocale::ShortFormat));
    if (lines.isEmpty())
        return;
    Label17->setText(lines.join(QLatin1Char('\n')));
    // As large as its text in the type on this screen, and clear of every caption shown.
    std::vector<QRect> captions;
    for (const QWidget* c : {Label3, Label4, Label5, Label11, Label6, Shape1, Label13, Label14})
        if (c->isVisible())
            captions.push_back(PixelsToTwips(c->geometry()));
    const QSize text = Label17->sizeHint();
    PlaceTw(Label17, DetailsBoxPlace(chart_.bars[bar], QSize(PixelsToTwips(text.width()), PixelsToTwips(text.height())),
                                     WindowWidth, captions));
    Label17->show();
    Label17->raise();
}

void ShowScores::HideDetails()
{
    Label17->hide();
    hoveredBar_ = -1;
}

bool ShowScores::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        for (int i = 0; i < ChartBarPlaces; ++i)
            if (watched == Label1[i] && i != hoveredBar_)
                ShowBarDetails(i);
    }
    return Form::eventFilter(watched, event);
}

void ShowScores::mouseMoveEvent(QMouseEvent* event)
{
    // A move over a bar comes here too (the bar passes it on): only the space outside the
    // bars hides the details.
    const QWidget* under = childAt(event->position().toPoint());
    const bool overBar = std::find(Label1.begin(), Label1.end(), under) != Label1.end();
    if (Label17->isVisible() && !overBar)
        HideDetails();
    Form::mouseMoveEvent(event);
}

void ShowScores::FormUnload()
{
    Timer1->stop();
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Stop"));
    MM->SetCommand(QStringLiteral("Close"));
}
