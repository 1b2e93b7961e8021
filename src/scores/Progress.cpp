// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/Progress.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "core/logic/FactsFile.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"
#include "core/M_Boxx.h"
#include "scores/logic/PracticeSheet.h"
#include "scores/logic/ProgressReport.h"
#include "scores/ClassTable.h"
#include "scores/FaceSizes.h"
#include "scores/logic/ClassReport.h"
#include "scores/logic/ProgressView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

namespace {
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 5520;
constexpr int ButtonTop = 4860;
constexpr int ButtonsFromBottom = WindowHeight - ButtonTop;
constexpr int TableTop = 780;
constexpr int Margin = 240;
constexpr int SideLeft = GridLeft + 11 * GridCell + 240;
constexpr int SideWidth = WindowWidth - SideLeft - 240;
constexpr char NotWrittenMessage[] =
    QT_TRANSLATE_NOOP("Progress", "The file could not be written.  Please choose another folder.");
} // namespace

Progress::Progress(const Services& services, const PlayerRoster& roster, const Player& player, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , roster_(roster)
    , player_(player)
{
    setObjectName(QStringLiteral("Progress"));
    SetBackColor(this, White);
    SetSize(WindowWidth, WindowHeight);
    setMinimumSize(size());
    sizes_ = std::make_unique<FaceSizes>(*this, ProgressSizesFile(services.os.MachineSettingsDir()));

    Tabs = MakeControl<QTabBar>(this, "Tabs", 240, 240, WindowWidth - 480, 420);
    for (int op = 0; op < 4; ++op)
        Tabs->addTab(OperationName(op));
    Tabs->addTab(tr("All children"));
    Tabs->setExpanding(false);
    connect(Tabs, &QTabBar::currentChanged, this, [this](int tab) { ShowTab(tab); });

    for (int i = 0; i < 10; ++i) {
        Heading[i] = MakeControl<QLabel>(this, "", GridLeft + (i + 1) * GridCell, GridTop, GridCell, GridCell,
                                         QString::number(i + 1));
        Heading[10 + i] = MakeControl<QLabel>(this, "", GridLeft, GridTop + (i + 1) * GridCell, GridCell, GridCell,
                                              QString::number(i + 1));
    }
    for (int i = 0; i < FactsPerOperation; ++i) {
        Cell[i] = MakeControl<QLabel>(this, "", GridLeft + (i % 10 + 1) * GridCell, GridTop + (i / 10 + 1) * GridCell,
                                      GridCell - 15, GridCell - 15);
        Cell[i]->setObjectName(QStringLiteral("Cell_%1").arg(i));
        Cell[i]->installEventFilter(this);
    }
    for (QLabel* l : Heading)
        SetForeColor(l, Blue);
    for (QLabel* l : Heading)
        l->setAlignment(Qt::AlignCenter);
    for (QLabel* l : Cell)
        l->setAlignment(Qt::AlignCenter);

    Counts = MakeControl<QLabel>(this, "Counts", SideLeft, GridTop, SideWidth, 495);
    Legend = MakeControl<QLabel>(this, "Legend", SideLeft, GridTop + 540, SideWidth, 495);
    Slowest = MakeControl<QLabel>(this, "Slowest", SideLeft, GridTop + 1140, 2400, 2880);
    Slowest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Type of one width keeps the times in a column.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF());
    Slowest->setFont(fixed);
    Details = MakeControl<QLabel>(this, "Details", SideLeft + 2520, GridTop + 1140, SideWidth - 2520, 1800);
    SetBackColor(Details, LightYellow);
    Details->setFrameShape(QFrame::Box);
    Details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Details->setMargin(4);
    Details->hide();
    for (QLabel* l : {Counts, Legend})
        l->setWordWrap(true);

    ClassList = new ClassTable(this);
    ClassList->setObjectName(QStringLiteral("ClassList"));
    ClassList->hide();
    Combo1 = MakeControl<QComboBox>(this, "Combo1", 240, ButtonTop, 2160, 375);
    Combo1->hide();
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { ClassList->ShowGrade(Combo1->currentData().toString()); });

    Command1 = MakeControl<QPushButton>(this, "Command1", 240, ButtonTop, 2160, 375, tr("Print practice sheet"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 2520, ButtonTop, 1800, 375, tr("Progress report"));
    Check1 = MakeControl<QCheckBox>(this, "Check1", 4440, ButtonTop, 1560, 375, tr("Save as PDF"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 6120, ButtonTop, 1560, 375, tr("Export CSV"));
    Command4 = MakeControl<QPushButton>(this, "Command4", WindowWidth - 1440, ButtonTop, 1200, 375, tr("Exit"));
    Command5 = MakeControl<QPushButton>(this, "Command5", 2520, ButtonTop, 1800, 375, tr("Class report"));
    // A longer caption in another language widens the box; the CSV button moves along.
    const int checkWidth = std::max(1560, PixelsToTwips(Check1->sizeHint().width()));
    PlaceTw(Check1, 4440, ButtonTop, checkWidth, 375);
    PlaceTw(Command3, 4440 + checkWidth + 120, ButtonTop, 1560, 375);
    Command3->hide();
    Command5->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { PrintSheet(); });
    connect(Command2, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(Command3, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Unload(); });
    connect(Command5, &QPushButton::clicked, this, [this] { PrintClassReport(); });
    Keyboard::SetEscapeButton(Command4);
    QWidget* const order[] = {Tabs, ClassList, Combo1, Command1, Command2, Command5, Check1, Command3, Command4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

Progress::~Progress() = default;

void Progress::FormLoad()
{
    const ChosenPlayer& s = player_.Chosen();
    setWindowTitle(tr("Progress of %1").arg(s.PlayerName));
    history_ = FactsHistory(ReadFactsFile(PlayerFactsFile(s.PlayerFileId)).value_or(QList<FactAnswer>{}));
    if (QWidget* back = MainWindowOf(this); back != this)
        back->raise();
    // Opens on the operation the child practises.
    const int op = std::clamp<int>(ReadPractice(player_.Settings().CurrentPractice).PracticeOp, 0, 3);
    {
        const QSignalBlocker quiet(Tabs);
        Tabs->setCurrentIndex(op);
    }
    ShowTab(op);
    CentreForm(this);
}

void Progress::FormUnload()
{
    sizes_->Keep();
}

void Progress::Refresh()
{
    history_ = FactsHistory(ReadFactsFile(PlayerFactsFile(player_.Chosen().PlayerFileId)).value_or(QList<FactAnswer>{}));
    if (overviewRead_) {
        overviewRead_ = false;
        FillClassList();
    }
    ShowTab(Tabs->currentIndex());
}

void Progress::FillClassList()
{
    // Every child's files are read when the table is first asked for, not at every opening.
    if (overviewRead_)
        return;
    overviewRead_ = true;
    ClassList->SetRows(ClassOverview(roster_, Os().Now()));
    FillGrades();
}

void Progress::FillGrades()
{
    // The grade shown stays shown while a child of it is on the list.
    const QString shown = Combo1->currentData().toString();
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    Combo1->addItem(tr("All grades"), QString());
    for (const QString& grade : ClassList->Grades())
        Combo1->addItem(tr("Grade %1").arg(grade), grade);
    Combo1->setCurrentIndex(std::max(0, Combo1->findData(shown)));
    ClassList->ShowGrade(Combo1->currentData().toString());
}

void Progress::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    PlaceControls();
}

void Progress::PlaceControls()
{
    const int width = Width(), buttons = Height() - ButtonsFromBottom;
    PlaceTw(Tabs, Margin, Margin, width - 2 * Margin, 420);
    PlaceTw(ClassList, Margin, TableTop, width - 2 * Margin, buttons - TableTop - 120);
    for (QWidget* w : std::initializer_list<QWidget*>{Combo1, Command1, Command2, Command5, Check1, Command3})
        PlaceTw(w, PixelsToTwips(w->x()), buttons, PixelsToTwips(w->width()), 375);
    PlaceTw(Command4, width - 1440, buttons, 1200, 375);
    ClearDrawing();
    DrawFormBevel(this);
}

void Progress::ShowTab(int tab)
{
    const bool all = tab == 4;
    if (!all)
        op_ = tab;
    for (QLabel* l : Heading)
        l->setVisible(!all);
    for (QLabel* l : Cell)
        l->setVisible(!all);
    for (QLabel* l : {Counts, Legend, Slowest})
        l->setVisible(!all);
    Details->hide();
    ClassList->setVisible(all);
    for (QWidget* w : std::initializer_list<QWidget*>{Combo1, Command3, Command5})
        w->setVisible(all);
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2})
        w->setVisible(!all);
    if (all)
        FillClassList();
    // The table's whole size with the margins, tabs and buttons round it; the grids as drawn.
    const QSize room(TwipsToPixels(2 * Margin), TwipsToPixels(TableTop + ButtonsFromBottom + 120));
    sizes_->Take(all, all ? ClassList->WholeSize() + room : minimumSize());
    if (all)
        return;
    const QList<Fact> facts = DrilledFacts(op_);
    for (int i = 0; i < FactsPerOperation; ++i) {
        const Mastery m = history_.State(facts.at(i));
        Cell[i]->setText(MasteryLetter(m));
        SetBackColor(Cell[i], MasteryColour(m));
    }
    Counts->setText(CountsText(history_.Counts(op_)));
    QStringList legend;
    for (Mastery m : {Mastery::Known, Mastery::Learning, Mastery::ToPractise, Mastery::NotYetAsked})
        legend << QStringLiteral("<span style=\"background-color:%1\">&nbsp;%2&nbsp;</span> %3")
                      .arg(ToQColor(MasteryColour(m)).name(), MasteryLetter(m), MasteryName(m));
    Legend->setText(legend.join(QStringLiteral("&nbsp;&nbsp; ")));
    const QStringList slow = SlowestLines(history_.Slowest(op_));
    Slowest->setText(slow.isEmpty() ? QString() : tr("Slowest facts:") + QLatin1Char('\n') + slow.join(QLatin1Char('\n')));
}

void Progress::ShowFact(int cell)
{
    const Fact f = DrilledFacts(op_).at(cell);
    Details->setText(AnswersText(f, history_.State(f), history_.LastAnswers(f)));
    // As wide as its lines, and within the window.
    Details->adjustSize();
    const int width = std::max(PixelsToTwips(Details->width()), SideWidth - 2520);
    const int left = std::min(SideLeft + 2520, Width() - Margin - width);
    PlaceTw(Details, left, GridTop + 1140, width, std::max(PixelsToTwips(Details->height()), 1800));
    Details->show();
    Details->raise();
}

bool Progress::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const auto at = std::find(Cell.begin(), Cell.end(), watched);
        if (at != Cell.end()) {
            if (event->type() == QEvent::Enter)
                ShowFact(static_cast<int>(at - Cell.begin()));
            else
                Details->hide();
        }
    }
    return Form::eventFilter(watched, event);
}

void Progress::PrintSheet()
{
    const ChosenPlayer& s = player_.Chosen();
    const PlayerSettings& settings = player_.Settings();
    SheetData sheet;
    sheet.Name = s.PlayerName;
    sheet.Date = QLocale().toString(Os().Now().date(), QLocale::LongFormat);
    sheet.Op = op_;
    sheet.Vertical = settings.ProblemFormat == 3;
    const QStringList history = ReadScoreHistory(s.ScoreFilePath).value_or(QStringList());
    sheet.Facts = PracticeSheetFacts(history_, op_, OwnTables(op_, settings.LevelDef, history, history_), Os());
    Output([sheet](QSize area) { return SheetPages(sheet, area); },
           tr("%1 %2 sheet").arg(s.PlayerName, OperationName(op_)));
}

void Progress::PrintReport()
{
    ReportData data;
    data.Name = player_.Chosen().PlayerName;
    data.Settings = player_.Settings();
    data.Now = Os().Now();
    data.Locale = QLocale();
    data.Date = data.Locale.toString(data.Now.date(), QLocale::LongFormat);
    data.History = ReadScoreHistory(player_.Chosen().ScoreFilePath).value_or(QStringList());
    // A copy of the facts: the window may close while the save dialog is open.
    Output([data, facts = history_](QSize area) { return ReportPages(data, facts, area); },
           tr("%1 progress report").arg(data.Name));
}

QString Progress::AskFileName(const QString& caption, const QString& suggestedName, const QString& filter)
{
    // Qt's own dialog: the same on every desktop, and one a person can type a path into.
    // A drill may end while it is open and the window be closed under the score window: the
    // file chosen is still written, from what this window read.
    return RunNested([&] {
        return QFileDialog::getSaveFileName(this, caption, QDir::home().filePath(suggestedName), filter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    });
}

void Progress::Output(const PageLayOut& layOut, const QString& documentName)
{
    QString problem;
    if (Check1->isChecked()) {
        const QString file = AskFileName(tr("Save as PDF"), documentName + QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
        if (file.isEmpty())
            return;
        if (!Os().PdfFile(file)->Print(documentName, layOut).isEmpty())
            problem = tr(NotWrittenMessage);
    } else {
        ShowHourglass();
        problem = Os().Printer().Print(documentName, layOut);
        RestorePointer();
    }
    if (!problem.isEmpty())
        ShowMessage(problem);
}

void Progress::PrintClassReport()
{
    const QString date = QLocale().toString(Os().Now().date(), QLocale::LongFormat);
    const QStringList pages = ClassReportPages(ClassList->ShownRows(), Combo1->currentData().toString(), date);
    // Each page of the report in type of one width, a line below the other.
    Output([pages](QSize area) {
        PrintDocument document;
        constexpr int pitch = ClassReportPoints * 20 * 6 / 5;
        for (const QString& text : pages) {
            PrintPage page;
            int top = 0;
            for (const QString& line : text.split(QStringLiteral("\r\n"))) {
                page.Text(QRect(0, top, area.width(), pitch), line, ClassReportPoints).fixed = true;
                top += pitch;
            }
            document << page;
        }
        return document;
    }, tr("class report"));
}

void Progress::ExportCsv()
{
    const QString file = AskFileName(tr("Export CSV"), tr("children.csv"), tr("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    if (!WriteFileAtomic(file, OverviewCsv(ClassList->ShownRows())))
        ShowMessage(tr(NotWrittenMessage));
}
