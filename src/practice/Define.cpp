// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/Define.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/TextResources.h"
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>

namespace {

// Design size in twips, roomy enough for a child to hit every button.
constexpr int FormWidth = 7800;
constexpr int FormHeight = 4620;
constexpr int FrameTop = 1140;
constexpr int FrameHeight = 2400;
constexpr int OptionHeight = 330;
// A frame's box is white; its caption stands above the box on the window's colour.
constexpr const char* FrameStyle = "QGroupBox { background: white; border: 1px solid #a0a0a0; margin-top: 16px; }"
                                   "QGroupBox::title { subcontrol-origin: margin; left: 2px; background: transparent; }";

constexpr std::array<int, 6> TimeMinutes{1, 2, 3, 5, 7, 10};

} // namespace

Define::Define(const Services& services, Program& program, Player& player, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::FramelessWindowHint)
    , program_(program)
    , player_(player)
    , practice_(player.Definition())
{
    setObjectName(QStringLiteral("Define"));
    setWindowTitle(tr("Define"));
    QFont big = font();
    big.setPixelSize(TwipsToPixels(225));
    setFont(big);
    SetSize(FormWidth, FormHeight);
    // Designed in the program's colour, so that ApplyBackColour carries the label along.
    SetBackColor(this, DefaultBackColour);

    Label1 = new QLabel(tr("This screen is where you define which table you want to practice and for how "
                           "long.  Current settings reflect your last practice session."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    SetBackColor(Label1, DefaultBackColour);
    PlaceTw(Label1, 240, 150, 7320, 900);

    auto frame = [this](const QString& name, const QString& caption, int left, int width, double captionColour) {
        auto* f = new QGroupBox(caption, this);
        f->setObjectName(name);
        SetForeColor(f, captionColour);
        PlaceTw(f, left, FrameTop, width, FrameHeight);
        f->setStyleSheet(QString::fromLatin1(FrameStyle));
        return f;
    };
    Frame1 = frame(QStringLiteral("Frame1"), tr("Table"), 240, 2160, Blue);
    Frame2 = frame(QStringLiteral("Frame2"), QString(), 2520, 1500, Black);
    Frame3 = frame(QStringLiteral("Frame3"), QString(), 4140, 1500, Black);
    Frame4 = frame(QStringLiteral("Frame4"), tr("Time"), 5760, 1800, Red);

    auto* operations = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const QString caption = OperationName(i);
        OperationOptions[i] = AddOption(Frame1, operations, QStringLiteral("Option%1").arg(i + 1), caption, 180,
                                        360 + i * 420, 1860);
    }

    auto* kinds = new QButtonGroup(this);
    Option5 = AddOption(Frame2, kinds, QStringLiteral("Option5"), tr("All"), 150, 360, 1260);
    Option6 = AddOption(Frame2, kinds, QStringLiteral("Option6"), tr("Up to..."), 150, 780, 1260);
    Option7 = AddOption(Frame2, kinds, QStringLiteral("Option7"), tr("Just..."), 150, 1200, 1260);

    // Two columns of five: 1 to 5 on the left, 6 to 10 on the right. Captions come at load.
    auto* numbers = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i)
        Option8[i] = AddOption(Frame3, numbers, QStringLiteral("Option8_%1").arg(i), QString(), 150 + (i / 5) * 660,
                               270 + (i % 5) * 420, 660);

    auto* times = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        const int minutes = TimeMinutes[i];
        const QString caption = minutes == 1 ? tr("1 Minute") : tr("%1 Minutes").arg(minutes);
        TimeOptions[i] = AddOption(Frame4, times, QStringLiteral("Option%1").arg(9 + i), caption, 150,
                                   360 + i * OptionHeight, 1560);
        // The button already on starts the practice too, as any other time button does.
        connect(TimeOptions[i], &QRadioButton::clicked, this, [this] {
            if (Initializing != 1)
                Unload();
        });
    }

    Command8 = new QPushButton(tr("Okay"), this);
    Command8->setObjectName(QStringLiteral("Command8"));
    PlaceTw(Command8, 2265, 3780, 1455, 495);
    connect(Command8, &QPushButton::clicked, this, [this] { Unload(); });

    Command1 = new QPushButton(tr("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    PlaceTw(Command1, 4080, 3780, 1455, 495);
    Keyboard::SetEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        practice_.PracticeOp = 9;
        Unload();
    });

    KeepWhite();

    // Each frame is one Tab stop that comes in on the button already on; the arrow keys
    // only look around in it, so that no key but Space or Return changes the practice shown.
    auto group = [](const auto& options) { return QList<QWidget*>(options.begin(), options.end()); };
    Keyboard::ArrowGroup(group(OperationOptions));
    Keyboard::ArrowGroup({Option5, Option6, Option7});
    Keyboard::ArrowGroup(group(Option8));
    Keyboard::ArrowGroup(group(TimeOptions));
    // Return at once starts the practice shown, as "Okay" does.
    Command8->setFocus();
}

QRadioButton* Define::AddOption(QGroupBox* frame, QButtonGroup* group, const QString& name, const QString& caption,
                                int left, int top, int width)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    SetForeColor(option, Black);
    PlaceTw(option, left, top, width, OptionHeight);
    group->addButton(option);
    // Turned on by the player or from code alike, the button runs its click rule.
    connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
        if (on)
            OptionClick(option);
    });
    return option;
}

void Define::KeepWhite()
{
    for (QGroupBox* f : {Frame1, Frame2, Frame3, Frame4}) {
        SetBackColor(f, White);
        f->setAutoFillBackground(false); // the style sheet fills the box alone
        for (QRadioButton* option : f->findChildren<QRadioButton*>())
            SetBackColor(option, White);
    }
}

void Define::FormLoad()
{
    for (int i = 0; i < 10; ++i)
        Option8[i]->setText(QString::number(i + 1));
    ApplyBackColour(this, program_.Settings().BackColour);
    KeepWhite();
    CentreForm(this);
    DrawFormBevel(this);
}

void Define::FormActivate()
{
    ApplyBackColour(this, program_.Settings().BackColour);
    KeepWhite();

    if (program_.Settings().FirstRun == 1) {
        program_.FirstRunSeen();
        QPointer<Define> self(this);
        ShowFirstRunNotice();
        // The notice runs its own event loop; the window may have gone meanwhile.
        if (!self || IsUnloaded())
            return;
    }

    const PlayerSettings& s = player_.Settings();
    if (s.AutoAdvance == 1) {
        UnpackPractice(practice_, s.LevelDef);
        practice_.PracticeMinutes = s.AdvanceMinutes;
    } else {
        UnpackPractice(practice_, s.CurrentPractice);
    }

    Initializing = 1;
    PresetButtons();
    Initializing = 0;
}

void Define::ShowFirstRunNotice()
{
    QString text = GetTxt(Os(), program_.Settings(), 18);
    if (Os().HasEnded())
        return; // GetTxt has already told the user that "nbr.txx" is missing
    QMessageBox box(QMessageBox::Information, QStringLiteral("Numbrella"), ShownText(text), QMessageBox::Ok, this);
    RunNested([&box] { return box.exec(); });
}

void Define::PresetButtons()
{
    PracticeFields& s = practice_;
    // Without a practice of her own (a new child after "Cancel") the operation of her level
    // is on, so that choosing a time never sends her back to the list without a word.
    const auto isOperation = [](int op) { return op >= 0 && op <= 3; };
    if (!isOperation(s.PracticeOp)) {
        const Int16 level = ReadPractice(player_.Settings().LevelDef).PracticeOp;
        s.PracticeOp = isOperation(level) ? level : Int16(0);
    }
    SetOption(OperationOptions[s.PracticeOp]);

    if (s.TableNum == 0)
        SetOption(Option5);
    else if (s.TableNum < 0)
        SetOption(Option7);
    else
        SetOption(Option6);
    const int index = std::abs(static_cast<int>(s.TableNum)) - 1;
    if (s.TableNum != 0 && index < 10)
        SetOption(Option8[index]);

    if (s.PracticeMinutes < 1 || s.PracticeMinutes > 10)
        s.PracticeMinutes = 3;
    // 4, 6, 8 and 9 minutes (a level's minutes) have no button: none is turned on.
    for (std::size_t i = 0; i < TimeMinutes.size(); ++i) {
        if (TimeMinutes[i] == s.PracticeMinutes)
            SetOption(TimeOptions[i]);
    }
}

void Define::SetOption(QRadioButton* option)
{
    if (option->isChecked())
        OptionClick(option);
    else
        option->setChecked(true);
}

void Define::OptionClick(QAbstractButton* option)
{
    if (option == Option5)
        Frame3->hide();
    else if (option == Option6 || option == Option7)
        Frame3->show();
    else if (std::find(TimeOptions.begin(), TimeOptions.end(), option) != TimeOptions.end()) {
        // Choosing the time is the last step of a definition; presetting it is not.
        if (Initializing != 1)
            Unload();
    }
}

void Define::FormUnload()
{
    PracticeFields& s = practice_;
    if (s.PracticeMinutes == 0)
        s.PracticeMinutes = 1;
    // TableNum keeps its sign here: inverting it would leave a wrong table in memory after "Cancel".
    if (cancelled_) {
        player_.SetDefinition(s); // "Cancel" reads nothing back and saves nothing
        return;
    }
    // A 9 left over from an earlier "Cancel" (a player without a stored practice keeps it)
    // would otherwise send every later "Okay" back to the player list; it stands only
    // when no operation is chosen now.
    const bool operationChosen = std::any_of(OperationOptions.begin(), OperationOptions.end(),
                                             [](QRadioButton* o) { return o->isChecked(); });
    if (s.PracticeOp == 9 && !operationChosen) {
        player_.SetDefinition(s);
        return;
    }
    ReadBackButtons();
    player_.Define(s, Os().Now());
}

void Define::ReadBackButtons()
{
    PracticeFields& s = practice_;
    for (int i = 0; i < 4; ++i) {
        if (OperationOptions[i]->isChecked())
            s.PracticeOp = static_cast<Int16>(i);
    }
    for (int i = 0; i < 10; ++i) {
        if (Option8[i]->isChecked())
            s.TableNum = static_cast<Int16>(i + 1);
    }
    if (Option5->isChecked())
        s.TableNum = 0;
    if (Option7->isChecked())
        s.TableNum = static_cast<Int16>(-s.TableNum);
    for (std::size_t i = 0; i < TimeOptions.size(); ++i) {
        if (TimeOptions[i]->isChecked())
            s.PracticeMinutes = static_cast<Int16>(TimeMinutes[i]);
    }
}
