// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ProgressReport.h"

#include "core/logic/PracticeRecord.h"
#include "scores/logic/Chart.h"
#include "scores/logic/ClassOverview.h"
#include "scores/logic/Evaluation.h"
#include "scores/logic/PracticeSheet.h"
#include "scores/logic/ProgressView.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
// The score window's colours (red in the low byte).
constexpr unsigned Blue = 0xFF0000;
constexpr unsigned Red = 0x0000FF;
constexpr unsigned Grey = 0x808080;
constexpr unsigned LightGrey = 0xD0D0D0;

constexpr int FirstSectionTop = 2400; // below the name, grade, level and totals
constexpr int SectionTop = 560;       // below the running head of later pages
constexpr int Cell = 320;             // a grid square
constexpr int GraphTop = 1700;        // in a section, like all that follows
constexpr int ChartCaptionTop = 4300;
constexpr int ListsTop = 7500;
constexpr int ListRow = 260;
constexpr int ListRows = 12;
constexpr int PractiseColumns = 5;

// "1 minute", "5 minutes": `one` and `many` are texts of this file, with %1 for the number.
QString Counted(int n, const char* one, const char* many)
{
    return QCoreApplication::translate("ProgressReport", n == 1 ? one : many).arg(n);
}

// `when` is a text of this file with %1, %2 and %3 for the practices, minutes and right answers.
QString TotalsText(const char* when, const PracticeTotals& t)
{
    return QCoreApplication::translate("ProgressReport", when)
        .arg(Counted(t.Practices, QT_TRANSLATE_NOOP("ProgressReport", "%1 practice"),
                     QT_TRANSLATE_NOOP("ProgressReport", "%1 practices")),
             MinutesText(t.Minutes),
             Counted(t.RightAnswers, QT_TRANSLATE_NOOP("ProgressReport", "%1 right answer"),
                     QT_TRANSLATE_NOOP("ProgressReport", "%1 right answers")));
}

QString FactWithAnswer(const Fact& fact)
{
    return SheetProblemText(fact) + QStringLiteral(" = ") + QString::number(ProblemOf(fact).Answer);
}

void Grid(PrintPage& page, int top, const FactsHistory& facts, int op)
{
    page.Text(QRect(0, top, Cell, Cell), SheetSign(op), 10, Qt::AlignCenter).colour = Blue;
    for (int i = 1; i <= 10; ++i) {
        page.Text(QRect(i * Cell, top, Cell, Cell), QString::number(i), 9, Qt::AlignCenter).colour = Blue;
        page.Text(QRect(0, top + i * Cell, Cell, Cell), QString::number(i), 9, Qt::AlignCenter).colour = Blue;
    }
    for (const Fact& fact : DrilledFacts(op)) {
        const Mastery m = facts.State(fact);
        const QRect square(fact.Partner * Cell, top + fact.Table * Cell, Cell, Cell);
        page.Box(square, MasteryColour(m), 8, Grey);
        page.Text(square, MasteryLetter(m), 9, Qt::AlignCenter);
    }
}

void Legend(PrintPage& page, QPoint at, int width)
{
    const int each = width / 4;
    int x = at.x();
    for (Mastery m : {Mastery::Known, Mastery::Learning, Mastery::ToPractise, Mastery::NotYetAsked}) {
        const QRect swatch(x, at.y(), 280, 280);
        page.Box(swatch, MasteryColour(m), 8, Grey);
        page.Text(swatch, MasteryLetter(m), 9, Qt::AlignCenter);
        page.Text(QRect(x + 340, at.y(), each - 380, 280), MasteryName(m), 9);
        x += each;
    }
}

// Facts known at the end of each week, as a line over the weeks; a dot for each week and a count over
// it while they are few.
void Graph(PrintPage& page, const QRect& box, const QList<WeekPoint>& points, int of, const QLocale& locale)
{
    page.Text(QRect(box.x(), box.y(), box.width(), 260),
              QCoreApplication::translate("ProgressReport", "Facts known, week by week"), 9);
    const QRect plot(box.x() + 500, box.y() + 620, box.width() - 800, box.height() - 960);
    const int bottom = plot.bottom();
    page.Line(QLine(plot.left(), plot.top() - 60, plot.left(), bottom), 10);
    page.Line(QLine(plot.left(), bottom, plot.right() + 100, bottom), 10);
    page.Line(QLine(plot.left(), plot.top(), plot.right() + 100, plot.top()), 8, LightGrey);
    for (const auto& [value, y] : {std::pair{0, bottom}, std::pair{of, plot.top()}})
        page.Text(QRect(box.x(), y - 130, 440, 260), QString::number(value), 9, Qt::AlignRight | Qt::AlignVCenter);
    const qsizetype n = points.size();
    const auto at = [&](qsizetype i) {
        // Clear of the axis and its numbers.
        const int x = n == 1 ? plot.center().x() : plot.left() + 200 + static_cast<int>((plot.width() - 200) * i / (n - 1));
        return QPoint(x, bottom - (of > 0 ? plot.height() * points[i].Known / of : 0));
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            page.Line(QLine(at(i - 1), at(i)), 30, Blue);
        if (n <= 60)
            page.Box(QRect(at(i) - QPoint(50, 50), QSize(100, 100)), Blue);
        if (n <= 16)
            page.Text(QRect(at(i) - QPoint(300, 300), QSize(600, 220)), QString::number(points[i].Known), 8, Qt::AlignCenter);
    }
    const int labelTop = bottom + 60;
    const auto date = [&](qsizetype i) { return locale.toString(points[i].End, QLocale::ShortFormat); };
    if (n > 0)
        page.Text(QRect(at(n - 1).x() - 1000, labelTop, 1200, 240), date(n - 1), 8, Qt::AlignRight | Qt::AlignVCenter);
    if (n > 1)
        page.Text(QRect(at(0).x() - 200, labelTop, 1200, 240), date(0), 8);
}

// The score chart of the set practised last in the operation, placed as in the score window.
void Chart(PrintPage& page, int top, int width, const ReportData& data, int op)
{
    QString key;
    for (auto r = data.History.crbegin(); r != data.History.crend() && key.isEmpty(); ++r)
        if (!LevelText(*r).isEmpty() && ReadPractice(*r).PracticeOp == op)
            key = DefinitionKey(*r);
    if (key.isEmpty())
        return;
    QStringList set;
    for (const QString& r : data.History)
        if (InSet(r, key))
            set << r;
    const PracticeFields fields = ReadPractice(set.constLast());
    const bool level = IsCurrentLevel(data.Settings, fields);
    constexpr int WindowWidth = 8640;
    const ChartLayout chart = LayOutChart(set, FindPeak(set, level, data.Settings.AdvanceNum), WindowWidth, data.Settings.AdvanceNum);
    const qsizetype shown = static_cast<qsizetype>(chart.bars.size());
    const auto date = [&](qsizetype i) { return data.Locale.toString(RecordTime(set[i]).date(), QLocale::ShortFormat); };
    const QString what = LevelText(set.constLast()), minutes = MinutesText(fields.PracticeMinutes);
    const QString caption = shown == 1
        ? QCoreApplication::translate("ProgressReport", "%1, %2: right answers of the latest practice (%3)")
              .arg(what, minutes, date(set.size() - 1))
        : QCoreApplication::translate("ProgressReport", "%1, %2: right answers of the latest %3 practices (%4 to %5)")
              .arg(what, minutes, QString::number(shown), date(chart.firstShown), date(set.size() - 1));
    page.Text(QRect(0, top, width, 300), caption, 10);
    // The window's coordinates from its top caption down, moved to the middle of the page.
    PrintPage drawn;
    drawn.Text(QRect(240, 705, 375, 255), QString::number(chart.topValue), 9, Qt::AlignRight | Qt::AlignVCenter).colour = Blue;
    drawn.Text(QRect(360, 1695, 255, 255), QString::number(chart.middleValue), 9, Qt::AlignRight | Qt::AlignVCenter).colour = Blue;
    drawn.Text(QRect(360, 2700, 255, 255), QStringLiteral("0"), 9, Qt::AlignRight | Qt::AlignVCenter).colour = Blue;
    drawn.Text(QRect(240, 3000, 855, 255), QCoreApplication::translate("ProgressReport", "# Right"), 9).colour = Blue;
    for (const ChartBar& b : chart.bars) {
        if (b.blueHeight > 0)
            drawn.Box(QRect(b.left, b.blueTop, ChartBarWidth, b.blueHeight), Blue);
        if (b.red)
            drawn.Box(QRect(b.left, b.redTop, ChartBarWidth, b.redHeight), Red).hatched = true;
    }
    if (level && !chart.bars.empty()) {
        drawn.Line(QLine(chart.goalX2, chart.goalY, chart.goalX1, chart.goalY), 15, Red);
        drawn.Text(QRect(chart.goalX1 + 100, chart.goalY - 97, 495, 195), QCoreApplication::translate("ProgressReport", "Goal"), 9)
            .colour = Red;
    }
    drawn.Box(QRect(chart.markerLeft, 2820, 255, 135), Red);
    drawn.Text(QRect(chart.recentLeft, 3000, 1095, 255), QCoreApplication::translate("ProgressReport", "Most Recent"), 9,
               Qt::AlignCenter);
    drawn.Shift(QPoint((width - WindowWidth) / 2, top + 300 - 600));
    page.items << drawn.items;
}

// The facts to practise (as many as there is room for) and the ten slowest with their times.
void Lists(PrintPage& page, int top, int width, const FactsHistory& facts, int op)
{
    QList<Fact> practise;
    for (const Fact& fact : DrilledFacts(op))
        if (facts.State(fact) == Mastery::ToPractise)
            practise << fact;
    const int left = width * 3 / 5;
    page.Text(QRect(0, top, left, 300), QCoreApplication::translate("ProgressReport", "Facts to practise (%1)").arg(practise.size()),
              10)
        .bold = true;
    const int room = PractiseColumns * ListRows;
    const qsizetype listed = practise.size() > room ? room - 1 : practise.size();
    for (qsizetype i = 0; i < listed; ++i)
        page.Text(QRect(static_cast<int>(i / ListRows) * left / PractiseColumns, top + 340 + static_cast<int>(i % ListRows) * ListRow,
                        left / PractiseColumns, ListRow),
                  FactWithAnswer(practise[i]), 9);
    if (practise.isEmpty())
        page.Text(QRect(0, top + 340, left, ListRow),
                  QCoreApplication::translate("ProgressReport", "None: no fact was missed at its last answer."), 9);
    else if (listed < practise.size())
        page.Text(QRect((PractiseColumns - 1) * left / PractiseColumns, top + 340 + (ListRows - 1) * ListRow, left / PractiseColumns,
                        ListRow),
                  QCoreApplication::translate("ProgressReport", "and %1 more").arg(practise.size() - listed), 9);
    const int x = left + 300;
    page.Text(QRect(x, top, width - x, 300), QCoreApplication::translate("ProgressReport", "The ten slowest facts"), 10).bold =
        true;
    const QList<SlowFact> slowest = facts.Slowest(op, 10);
    if (slowest.isEmpty())
        page.Text(QRect(x, top + 340, width - x, ListRow),
                  QCoreApplication::translate("ProgressReport", "None yet: no fact was answered."), 9);
    for (qsizetype i = 0; i < slowest.size(); ++i) {
        const int y = top + 340 + static_cast<int>(i) * ListRow;
        page.Text(QRect(x, y, 1700, ListRow), FactWithAnswer(slowest[i].fact), 9);
        page.Text(QRect(x + 1700, y, 900, ListRow), SecondsText(slowest[i].AverageSeconds), 9,
                  Qt::AlignRight | Qt::AlignVCenter);
    }
}

void Section(PrintPage& page, int top, int width, const ReportData& data, const FactsHistory& facts, int op)
{
    page.Text(QRect(0, top, width, 480), OperationName(op), 16).bold = true;
    Grid(page, top + 560, facts, op);
    const int x = 11 * Cell + 400;
    page.Text(QRect(x, top + 560, width - x, 300), CountsText(facts.Counts(op)), 10);
    Legend(page, QPoint(x, top + 940), width - x);
    const TableSet tables = FluencyTables(op, data, facts);
    const QList<WeekPoint> weeks = KnownByWeek(facts, op, tables, data.Now);
    const int of = 10 * static_cast<int>(tables.count());
    const int known = weeks.isEmpty() ? 0 : weeks.constLast().Known;
    page.Text(QRect(x, top + 1300, width - x, 320),
              QCoreApplication::translate("ProgressReport", "Fluency: %1 of the %2 facts of %3 known (%4%)")
                  .arg(QString::number(known), QString::number(of), TablesText(tables),
                       QString::number(of > 0 ? 100 * known / of : 0)),
              11)
        .bold = true;
    Graph(page, QRect(x, top + GraphTop, width - x, 11 * Cell + 560 - GraphTop), weeks, of, data.Locale);
    Chart(page, top + ChartCaptionTop, width, data, op);
    Lists(page, top + ListsTop, width, facts, op);
}

} // namespace

TableSet FluencyTables(int op, const ReportData& data, const FactsHistory& facts)
{
    const QString& level = data.Settings.LevelDef;
    if (!LevelText(level).isEmpty() && ReadPractice(level).PracticeOp == op)
        return TablesOf(ReadPractice(level).TableNum);
    return OwnTables(op, level, data.History, facts);
}

QString TablesText(TableSet tables)
{
    QList<int> numbers;
    for (int t = 1; t <= 10; ++t)
        if (tables.test(static_cast<size_t>(t)))
            numbers << t;
    if (numbers.size() == 10)
        return QCoreApplication::translate("ProgressReport", "all tables");
    if (numbers.size() == 1)
        return QCoreApplication::translate("ProgressReport", "table %1").arg(numbers[0]);
    if (numbers.size() > 2 && numbers.last() - numbers.first() == numbers.size() - 1)
        return QCoreApplication::translate("ProgressReport", "tables %1 to %2")
            .arg(QString::number(numbers.first()), QString::number(numbers.last()));
    QStringList names;
    for (int t : numbers)
        names << QString::number(t);
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    if (names.isEmpty())
        return QCoreApplication::translate("ProgressReport", "tables %1").arg(last);
    return QCoreApplication::translate("ProgressReport", "tables %1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QList<int> ReportOperations(const ReportData& data, const FactsHistory& facts)
{
    const auto practised = [&](int op) {
        return facts.Counts(op).NotYetAsked < FactsPerOperation
            || std::any_of(data.History.cbegin(), data.History.cend(),
                           [op](const QString& r) { return !LevelText(r).isEmpty() && ReadPractice(r).PracticeOp == op; });
    };
    QList<int> ops;
    const QString& level = data.Settings.LevelDef;
    if (!LevelText(level).isEmpty() && practised(ReadPractice(level).PracticeOp))
        ops << ReadPractice(level).PracticeOp;
    for (int op = 0; op < 4; ++op)
        if (!ops.contains(op) && practised(op))
            ops << op;
    return ops;
}

PrintDocument ReportPages(const ReportData& data, const FactsHistory& facts, QSize area)
{
    const int width = std::max(area.width(), ReportArea.width());
    const int height = std::max(area.height(), ReportArea.height());
    const QList<int> ops = ReportOperations(data, facts);
    PrintDocument pages;
    PrintPage& first = pages.emplace_back();
    first.Text(QRect(0, 0, width * 2 / 3, 560), QCoreApplication::translate("ProgressReport", "Progress report"), 20).bold =
        true;
    first.Text(QRect(width * 2 / 3, 0, width / 3, 560), data.Date, 11, Qt::AlignRight | Qt::AlignVCenter);
    first.Text(QRect(0, 600, width, 520), data.Name, 18).bold = true;
    const QString level = LevelText(data.Settings.LevelDef);
    first.Text(QRect(0, 1160, width, 320),
               QCoreApplication::translate("ProgressReport", "Grade: %1      Level: %2")
                   .arg(data.Settings.PlayerGrade.isEmpty() ? QStringLiteral("-") : data.Settings.PlayerGrade,
                        level.isEmpty() ? QStringLiteral("-") : level),
               11);
    const ReportTotals totals = TotalsOf(data.History, data.Now);
    first.Text(QRect(0, 1500, width, 300), TotalsText(QT_TRANSLATE_NOOP("ProgressReport", "This week: %1, %2, %3"), totals.ThisWeek), 11);
    first.Text(QRect(0, 1800, width, 300), TotalsText(QT_TRANSLATE_NOOP("ProgressReport", "In all: %1, %2, %3"), totals.AllTime), 11);
    first.Line(QLine(0, 2180, width, 2180), 15);
    if (ops.isEmpty())
        first.Text(QRect(0, FirstSectionTop, width, 320), QCoreApplication::translate("ProgressReport", "No practice yet."), 11);
    for (qsizetype i = 0; i < ops.size(); ++i) {
        PrintPage& page = i == 0 ? first : pages.emplace_back();
        if (i > 0) {
            page.Text(QRect(0, 0, width, 320),
                      QCoreApplication::translate("ProgressReport", "Progress report of %1, %2").arg(data.Name, data.Date), 9);
            page.Line(QLine(0, 380, width, 380), 10);
        }
        Section(page, i == 0 ? FirstSectionTop : SectionTop, width, data, facts, ops[i]);
    }
    const double factor = std::min(1.0, std::min(area.width() / double(width), area.height() / double(height)));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        pages[i].Text(QRect(0, height - 280, width, 280),
                      QCoreApplication::translate("ProgressReport", "Page %1 of %2").arg(i + 1).arg(pages.size()), 9,
                      Qt::AlignRight | Qt::AlignVCenter);
        if (factor < 1)
            pages[i].Shift(QPoint(), factor);
    }
    return pages;
}
