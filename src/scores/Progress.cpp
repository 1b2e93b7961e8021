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
#include "scores/logic/ProgressView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableWidget>

namespace {
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 5520;
constexpr int ButtonTop = 4860;
constexpr int SideLeft = GridLeft + 11 * GridCell + 240;
constexpr int SideWidth = WindowWidth - SideLeft - 240;
const QString NotWrittenMessage = QStringLiteral("The file could not be written.  Please choose another folder.");
} // namespace

Progress::Progress(const Services& services, const PlayerRoster& roster, const Player& player, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , roster_(roster)
    , player_(player)
{
    setObjectName(QStringLiteral("Progress"));
    SetBackColor(this, White);
    SetSize(WindowWidth, WindowHeight);

    Tabs = MakeControl<QTabBar>(this, "Tabs", 240, 240, WindowWidth - 480, 420);
    for (const QString& caption : OperationCaptions)
        Tabs->addTab(caption);
    Tabs->addTab(QStringLiteral("All children"));
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

    ClassList = MakeControl<QTableWidget>(this, "ClassList", 240, GridTop, WindowWidth - 480, ButtonTop - GridTop - 240);
    ClassList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ClassList->verticalHeader()->hide();
    ClassList->hide();

    Command1 = MakeControl<QPushButton>(this, "Command1", 240, ButtonTop, 2160, 375, QStringLiteral("Print practice sheet"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 2520, ButtonTop, 1800, 375, QStringLiteral("Progress report"));
    Check1 = MakeControl<QCheckBox>(this, "Check1", 4440, ButtonTop, 1560, 375, QStringLiteral("Save as PDF"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 6120, ButtonTop, 1560, 375, QStringLiteral("Export CSV"));
    Command4 = MakeControl<QPushButton>(this, "Command4", WindowWidth - 1440, ButtonTop, 1200, 375, QStringLiteral("Exit"));
    Command3->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { PrintSheet(); });
    connect(Command2, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(Command3, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Unload(); });
    Keyboard::SetEscapeButton(Command4);
    QWidget* const order[] = {Tabs, Command1, Command2, Check1, Command3, Command4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Progress::FormLoad()
{
    const ChosenPlayer& s = player_.Chosen();
    setWindowTitle(QStringLiteral("Progress of %1").arg(s.PlayerName));
    history_ = FactsHistory(ReadFactsFile(PlayerFactsFile(s.PlayerFileId)).value_or(QList<FactAnswer>{}));
    if (QWidget* back = MainWindowOf(this); back != this)
        back->raise();
    CentreForm(this);
    DrawFormBevel(this);
    // Opens on the operation the child practises.
    const int op = std::clamp<int>(ReadPractice(player_.Settings().CurrentPractice).PracticeOp, 0, 3);
    {
        const QSignalBlocker quiet(Tabs);
        Tabs->setCurrentIndex(op);
    }
    ShowTab(op);
}

void Progress::FillClassList()
{
    // Every child's files are read when the table is first asked for, not at every opening.
    if (overviewRead_)
        return;
    overviewRead_ = true;
    rows_ = ClassOverview(roster_, Os().Now());
    const QStringList headings = QString::fromUtf8(OverviewCsv({})).trimmed().split(QLatin1Char(','));
    ClassList->setColumnCount(static_cast<int>(headings.size()));
    ClassList->setHorizontalHeaderLabels(headings);
    ClassList->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const ChildRow& c = rows_.at(r);
        const QStringList values{c.Name, c.Grade, c.Level, c.LastPractice.toString(Qt::ISODate),
                                 QString::number(c.PracticesLast7Days), QString::number(c.KnownFacts[0]),
                                 QString::number(c.KnownFacts[1]), QString::number(c.KnownFacts[2]),
                                 QString::number(c.KnownFacts[3])};
        for (int col = 0; col < values.size(); ++col)
            ClassList->setItem(r, col, new QTableWidgetItem(values.at(col)));
    }
    ClassList->resizeColumnsToContents();
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
    Command3->setVisible(all);
    if (all) {
        FillClassList();
        return;
    }
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
    Slowest->setText(slow.isEmpty() ? QString() : QStringLiteral("Slowest facts:\n") + slow.join(QLatin1Char('\n')));
}

void Progress::ShowFact(int cell)
{
    const Fact f = DrilledFacts(op_).at(cell);
    Details->setText(AnswersText(f, history_.State(f), history_.LastAnswers(f)));
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
    sheet.Date = QLocale::system().toString(Os().Now().date(), QLocale::LongFormat);
    sheet.Op = op_;
    sheet.Vertical = settings.ProblemFormat == 3;
    const QStringList history = ReadScoreHistory(s.ScoreFilePath).value_or(QStringList());
    sheet.Facts = PracticeSheetFacts(history_, op_, OwnTables(op_, settings.LevelDef, history, history_), Os());
    Output([sheet](QSize area) { return SheetPages(sheet, area); },
           QStringLiteral("%1 %2 sheet").arg(s.PlayerName, OperationCaptions.at(op_)));
}

void Progress::PrintReport()
{
    ReportData data;
    data.Name = player_.Chosen().PlayerName;
    data.Settings = player_.Settings();
    data.Now = Os().Now();
    data.Locale = QLocale::system();
    data.Date = data.Locale.toString(data.Now.date(), QLocale::LongFormat);
    data.History = ReadScoreHistory(player_.Chosen().ScoreFilePath).value_or(QStringList());
    // A copy of the facts: the window may close while the save dialog is open.
    Output([data, facts = history_](QSize area) { return ReportPages(data, facts, area); },
           QStringLiteral("%1 progress report").arg(data.Name));
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
        const QString file = AskFileName(QStringLiteral("Save as PDF"), documentName + QStringLiteral(".pdf"),
                                         QStringLiteral("PDF files (*.pdf)"));
        if (file.isEmpty())
            return;
        if (!Os().PdfFile(file)->Print(documentName, layOut).isEmpty())
            problem = NotWrittenMessage;
    } else {
        ShowHourglass();
        problem = Os().Printer().Print(documentName, layOut);
        RestorePointer();
    }
    if (!problem.isEmpty())
        ShowMessage(problem);
}

void Progress::ExportCsv()
{
    const QString file = AskFileName(QStringLiteral("Export CSV"), QStringLiteral("children.csv"),
                                     QStringLiteral("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    if (!WriteFileAtomic(file, OverviewCsv(rows_)))
        ShowMessage(NotWrittenMessage);
}
