// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "config/Config.h"

#include "config/LevelFrame.h"
#include "config/SwatchFrame.h"
#include "config/logic/ConfigRules.h"
#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/MessageBoxes.h"
#include "core/WindowOpener.h"
#include "core/WindowUtils.h"
#include "core/logic/Language.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PlayerOptions.h"
#include "core/logic/PracticeRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

// Design size in twips: large type and lists a child can hit.
constexpr int FormWidth = 9360;
constexpr int FormHeight = 6960;
constexpr int RowHeight = 405;

} // namespace

Config::Config(const Services& services, const ProgramSettings& program, Player& player, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
    , player_(player)
{
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(tr("Configuration"));
    QFont big = font();
    big.setPixelSize(TwipsToPixels(225));
    setFont(big);
    SetSize(FormWidth, FormHeight);
    // Designed in the program's colour, so that ApplyBackColour carries every caption along.
    SetBackColor(this, DefaultBackColour);

    Label1 = MakeControl<QLabel>(this, "Label1", 240, 120, 8880, 540);
    QFont name = font();
    name.setPixelSize(TwipsToPixels(330));
    Label1->setFont(name);
    Label1->setAlignment(Qt::AlignCenter);

    BuildFormatFrame();
    // Wide and tall enough for the swatch grid with even margins all round.
    Frame3 = new SwatchFrame(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    PlaceTw(Frame3, 3300, 780, 1815, 1935);
    connect(Frame3, &SwatchFrame::SwatchClicked, this, [this](int i) { SwatchClick(i); });

    Check1 = MakeControl<QCheckBox>(this, "Check1", 5400, 840, 3600, RowHeight, tr("Auto Advance"));
    Label2 = MakeControl<QLabel>(this, "Label2", 5400, 1350, 900, RowHeight, tr("Grade"));
    Combo6 = MakeControl<QComboBox>(this, "Combo6", 6360, 1320, 1200, 465);
    Check2 = MakeControl<QCheckBox>(this, "Check2", 5400, 1860, 3600, RowHeight, tr("Big drill"));
    Check3 = MakeControl<QCheckBox>(this, "Check3", 5400, 2310, 3600, RowHeight, tr("Answer sounds"));
    // Her windows' language; each language is named in its own.
    Label7 = MakeControl<QLabel>(this, "Label7", 3300, 2790, 1200, RowHeight, tr("Language"));
    Combo7 = MakeControl<QComboBox>(this, "Combo7", 4560, 2760, 2880, 465);
    Combo7->addItem(tr("Same as computer"), QString());
    const QStringList names{QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Fran\u00E7ais"),
                            QStringLiteral("Espa\u00F1ol")};
    for (qsizetype i = 0; i < names.size(); ++i)
        Combo7->addItem(names[i], Languages()[i]);

    Frame4 = new LevelFrame(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    PlaceTw(Frame4, 240, 3360, 8880, 1080);
    BuildCriteriaFrame();

    Command2 = MakeControl<QPushButton>(this, "Command2", 3480, 6240, 1710, 495, tr("Save"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 5415, 6240, 1710, 495, tr("Cancel"));
    Command1 = MakeControl<QPushButton>(this, "Command1", 7410, 6240, 1710, 495, tr("Help"));

    for (QWidget* w : Coloured())
        SetBackColor(w, DefaultBackColour);
    SeeThroughCaptions();
    // Captions sit on the frame line, so the swatch grid has even room all round.
    for (QGroupBox* f : std::initializer_list<QGroupBox*>{Frame1, Frame2, Frame3, Frame4})
        f->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #8c8c8c; border-radius: 4px; margin-top: 9px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"));

    connect(Combo6, &QComboBox::activated, this, [this] { GradeClick(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { AutoAdvanceClick(); });
    connect(Command2, &QPushButton::clicked, this, [this] { SaveClick(); });
    Keyboard::SetEscapeButton(Command3);
    connect(Command3, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(Command1, &QPushButton::clicked, this, [this] { HelpClick(); });
}

void Config::BuildFormatFrame()
{
    Frame1 = MakeControl<QGroupBox>(this, "Frame1", 240, 780, 2880, 2400, tr("Problem Format"));
    Option1 = MakeControl<QRadioButton>(Frame1, "Option1", 240, 450, 2520, RowHeight, QStringLiteral(" 4 + 3 = __"));
    Option2 = MakeControl<QRadioButton>(Frame1, "Option2", 240, 930, 2520, RowHeight, QStringLiteral(" __ = 4 + 3"));
    Option3 = MakeControl<QRadioButton>(Frame1, "Option3", 240, 1590, 420, RowHeight);
    // The vertical layout: right-aligned, so the 4 stands right above the 3 in any font.
    Label5 = MakeControl<QLabel>(Frame1, "Label5", 720, 1380, 480, 660);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5->installEventFilter(this);
    Label5->setCursor(Qt::PointingHandCursor);
    Line1 = MakeControl<QWidget>(Frame1, "Line1", 720, 2040, 480, 30);
    SetBackColor(Line1, Black);
    // One Tab stop, entered on the format chosen; the arrows look round without choosing.
    Keyboard::ArrowGroup({Option1, Option2, Option3});
}

void Config::BuildCriteriaFrame()
{
    Frame2 = MakeControl<QGroupBox>(this, "Frame2", 240, 4560, 8880, 1500, tr("Advancement Criteria"));
    Text1 = MakeControl<QLineEdit>(Frame2, "Text1", 240, 450, 720, 435);
    Label4 = MakeControl<QLabel>(Frame2, "Label4", 1080, 465, 2100, RowHeight, tr("problems right in "));
    Combo4 = MakeControl<QComboBox>(Frame2, "Combo4", 3180, 435, 1800, 465);
    Label3 = MakeControl<QLabel>(Frame2, "Label3", 5220, 465, 960, RowHeight, tr("- OR -"));
    Text2 = MakeControl<QLineEdit>(Frame2, "Text2", 240, 960, 720, 435);
    Label6 = MakeControl<QLabel>(Frame2, "Label6", 1080, 975, 4200, RowHeight,
                                 tr("exersizes with 90% correct"));
    Label3->setAlignment(Qt::AlignCenter);
    for (QLineEdit* box : {Text1, Text2})
        box->setAlignment(Qt::AlignRight);
}

QList<QWidget*> Config::Coloured() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Check1, Check2, Check3, Option1, Option2, Option3,
            Frame1, Frame2, Frame3, Frame4};
}

void Config::SeeThroughCaptions()
{
    // Captions carry the colour but let their frame show through, so no patch of
    // another shade stands round them.
    for (QWidget* w : Coloured()) {
        if (!qobject_cast<QGroupBox*>(w))
            w->setAutoFillBackground(false);
    }
}

void Config::FormLoad()
{
    const PlayerSettings& s = player_.Settings();
    ApplyBackColour(this, program_.BackColour);
    SeeThroughCaptions();
    Frame3->SetColour(WhiteSwatch, White);
    CentreForm(this);
    chosenColour_ = program_.BackColour;

    Label1->setText(player_.Chosen().PlayerName);
    Label5->setText(QStringLiteral("   4\n+ 3"));

    FillLists();
    const PlayerOptions& options = player_.Options();
    bigDrillDefault_ = BigDrillByDefault(s.PlayerGrade, ScreenPixelWidth(this));
    Check2->setChecked(options.Flag(BigDrillOption).value_or(bigDrillDefault_));
    Check3->setChecked(options.Flag(AnswerSoundsOption).value_or(false));
    Combo7->setCurrentIndex(std::max(0, Combo7->findData(options.Value(LanguageOption).value_or(QString()))));

    // The level is worked on in a copy: a drill running behind keeps its definition.
    PracticeFields level = player_.Definition();
    if (s.AutoAdvance == 1) {
        SetAutoAdvance(true);
        UnpackPractice(level, s.LevelDef);
    } else {
        Frame2->hide();
        Frame4->hide();
    }

    Frame4->Preset(level);
    Combo4->setCurrentIndex(MinutesEntry(s.AdvanceMinutes));
    Text1->setText(QString::number(s.AdvanceNum));
    Text2->setText(QString::number(s.AdvanceRight));

    if (s.ProblemFormat < 2)
        Option1->setChecked(true);
    else if (s.ProblemFormat == 2)
        Option2->setChecked(true);
    else if (s.ProblemFormat == 3)
        Option3->setChecked(true);
}

void Config::FillLists()
{
    Combo4->addItems(MinutesEntries());
    const QString grade = player_.Settings().PlayerGrade;
    const QStringList grades = GradeEntries(grade);
    Combo6->addItems(grades);
    // Showing the grade is not a choice of one: the defaults stay as they are.
    Combo6->setCurrentIndex(GradeEntry(grades, grade));
}

void Config::SetAutoAdvance(bool ticked)
{
    Check1->setChecked(ticked);
    AutoAdvanceClick();
}

void Config::GradeClick()
{
    Combo4->setCurrentIndex(ThreeMinutesEntry);
    if (const auto criteria = DefaultCriteria(Combo6->currentText())) {
        Text1->setText(QString::number(criteria->AdvanceNum));
        Text2->setText(QString::number(criteria->AdvanceRight));
    }
}

void Config::AutoAdvanceClick()
{
    const bool ticked = Check1->isChecked();
    Frame2->setVisible(ticked);
    Frame4->setVisible(ticked);
    if (ticked && (Text1->text().isEmpty() || Text1->text() == QLatin1String("0")))
        GradeClick();
}

void Config::SwatchClick(int index)
{
    chosenColour_ = Frame3->ColourOf(index);
    SetBackColor(this, chosenColour_);
    for (QWidget* w : Coloured())
        SetBackColor(w, chosenColour_);
    SeeThroughCaptions();
    Frame2->raise();
    Frame4->raise();
}

void Config::SaveClick()
{
    Int16 format = player_.Settings().ProblemFormat;
    if (Option1->isChecked())
        format = 1;
    else if (Option2->isChecked())
        format = 2;
    else if (Option3->isChecked())
        format = 3;
    PracticeFields level = Frame4->Level();
    level.TableNum = SavedTable(level.TableNum, Frame4->KindFlag());
    const QString levelDef = PackPractice(level, Os().Now());

    const CriteriaCheck check = CheckCriteria(Text1->text(), Text2->text());
    Text2->setText(check.text2);
    if (!check.values) {
        Refuse(check.refusedBox == 1 ? Text1 : Text2, check.message);
        return;
    }
    const PlayerSave saved = player_.Change([&](PlayerSettings& s) {
        s.ProblemFormat = format;
        s.LevelDef = levelDef;
        s.AdvanceNum = check.values->AdvanceNum;
        s.AdvanceRight = check.values->AdvanceRight;
        s.AdvanceMinutes = EntryMinutes(Combo4->currentIndex());
        s.PlayerGrade = SavedGrade(Combo6->currentIndex(), Combo6->currentText());
        s.AutoAdvance = Check1->isChecked() ? 1 : 0;
    }, chosenColour_);
    const PlayerSave optionsSaved = player_.ChangeOptions([&](PlayerOptions& o) {
        o.ChooseFlag(BigDrillOption, Check2->isChecked(), bigDrillDefault_);
        o.ChooseFlag(AnswerSoundsOption, Check3->isChecked(), false);
        if (const QString language = Combo7->currentData().toString(); language.isEmpty())
            o.Unset(LanguageOption);
        else
            o.Set(LanguageOption, language);
    });
    Tools().boxes.TellIfNotListed(saved == PlayerSave::Saved ? optionsSaved : saved);
    Unload();
}

void Config::Refuse(QLineEdit* box, const QString& message)
{
    QPointer<Config> self(this);
    ShowMessage(message);
    // The message box runs its own event loop; the window may have gone meanwhile.
    if (!self || IsUnloaded())
        return;
    // The keyboard comes back here, not to the window behind, so the box can be typed in at once.
    raise();
    activateWindow();
    box->setFocus();
    box->selectAll();
}

void Config::CancelClick()
{
    Unload();
}

void Config::HelpClick()
{
    //: the heading of the manual's topic on this window, as the translated manual writes it
    Windows().ShowHelpTopic(this, tr("* Configuring"));
}

bool Config::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label5 && event->type() == QEvent::MouseButtonPress) {
        Option3->setChecked(true);
        return true;
    }
    return Form::eventFilter(watched, event);
}
