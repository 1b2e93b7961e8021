// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/PracticeSheet.h"

#include "core/logic/PracticeRecord.h"
#include "scores/logic/ClassOverview.h"

#include <QCoreApplication>

namespace {
constexpr unsigned Grey = 0x606060;
constexpr int TitlePoints = 20;
constexpr int ProblemPoints = 18;

// One problem in a line: its number, "7 × 8 =", and the blank (with the answer on page 2).
void LineProblem(PrintPage& page, QRect cell, int number, const Fact& fact, bool answer)
{
    const int h = std::min(cell.height(), 600);
    const int x = cell.x(), y = cell.y() + (cell.height() - h) / 2;
    const int blankLeft = cell.right() - 200 - SheetBlankWidth;
    page.Text(QRect(x, y, 560, h), QStringLiteral("%1.").arg(number), 12, Qt::AlignRight | Qt::AlignVCenter).colour = Grey;
    page.Text(QRect(x + 640, y, blankLeft - 120 - x - 640, h), SheetProblemText(fact) + QStringLiteral(" ="), ProblemPoints,
              Qt::AlignRight | Qt::AlignVCenter);
    page.Line(QLine(blankLeft, y + h * 3 / 4, blankLeft + SheetBlankWidth, y + h * 3 / 4), 15);
    if (answer)
        page.Text(QRect(blankLeft, y, SheetBlankWidth, h), QString::number(ProblemOf(fact).Answer), ProblemPoints,
                  Qt::AlignCenter)
            .bold = true;
}

// One problem standing: the numbers right-aligned one above the other, a rule, room below.
void StandingProblem(PrintPage& page, QRect cell, int number, const Fact& fact, bool answer)
{
    const ShownProblem p = ProblemOf(fact);
    const int wide = std::min(1700, cell.width());
    const int x = cell.x() + (cell.width() - wide) / 2;
    // Drawn for a place 1800 twips high, closer together in a lower one: a band of 480 from `top`.
    const auto band = [&](int left, int width, int top) {
        const auto down = [&](int twips) { return cell.y() + twips * std::min(cell.height(), 1800) / 1800; };
        return QRect(left, down(top), width, down(top + 480) - down(top));
    };
    const int right = x + wide - 100;
    const int digits = std::min(SheetBlankWidth, wide - 600);
    const int big = ProblemPoints + 2;
    page.Text(band(x, 600, 0), QStringLiteral("%1.").arg(number), 11, Qt::AlignLeft | Qt::AlignTop).colour = Grey;
    page.Text(band(right - digits, digits, 260), QString::number(p.First), big, Qt::AlignRight | Qt::AlignVCenter);
    page.Text(band(x + 140, 400, 720), SheetSign(fact.Op), big);
    page.Text(band(right - digits, digits, 720), QString::number(p.Second), big, Qt::AlignRight | Qt::AlignVCenter);
    const int rule = band(0, 0, 1240).y();
    page.Line(QLine(x + 100, rule, right, rule), 30);
    if (answer)
        page.Text(band(right - digits, digits, 1300), QString::number(p.Answer), big, Qt::AlignRight | Qt::AlignVCenter).bold = true;
}

} // namespace

TableSet OwnTables(int op, const QString& levelDef, const QStringList& scoreHistory, const FactsHistory& facts)
{
    TableSet tables;
    if (!LevelText(levelDef).isEmpty() && ReadPractice(levelDef).PracticeOp == op)
        tables |= TablesOf(ReadPractice(levelDef).TableNum);
    for (const QString& record : scoreHistory)
        if (!LevelText(record).isEmpty() && ReadPractice(record).PracticeOp == op)
            tables |= TablesOf(ReadPractice(record).TableNum);
    for (const Fact& fact : DrilledFacts(op))
        if (facts.State(fact) != Mastery::NotYetAsked)
            tables.set(static_cast<size_t>(fact.Table));
    return tables;
}

QString SheetSign(int op)
{
    switch (op) {
    case 1: return QString(QChar(0x2212));
    case 2: return QString(QChar(0x00D7));
    case 3: return QCoreApplication::translate("PracticeSheet", "÷"); // ":" where schools teach the colon
    default: return QStringLiteral("+");
    }
}

QString SheetProblemText(const Fact& fact)
{
    const ShownProblem p = ProblemOf(fact);
    return QStringLiteral("%1 %2 %3").arg(p.First).arg(SheetSign(fact.Op)).arg(p.Second);
}

PrintDocument SheetPages(const SheetData& sheet, QSize area)
{
    const int w = area.width();
    const int columns = sheet.Vertical ? SheetVerticalColumns : SheetColumns;
    const int rows = (static_cast<int>(sheet.Facts.size()) + columns - 1) / columns;
    PrintDocument pages;
    for (const bool answers : {false, true}) {
        PrintPage& page = pages.emplace_back();
        const QString title = QCoreApplication::translate("PracticeSheet", "Practice sheet: %1").arg(OperationName(sheet.Op));
        page.Text(QRect(0, 0, w, 560), answers ? QCoreApplication::translate("PracticeSheet", "%1, the answers").arg(title) : title,
                  TitlePoints)
            .bold = true;
        page.Text(QRect(0, 620, w * 3 / 5, 400), QCoreApplication::translate("PracticeSheet", "Name: %1").arg(sheet.Name), 14);
        page.Text(QRect(w * 3 / 5, 620, w * 2 / 5, 400), QCoreApplication::translate("PracticeSheet", "Date: %1").arg(sheet.Date),
                  12, Qt::AlignRight | Qt::AlignVCenter);
        if (!answers)
            page.Text(QRect(0, 1100, w, 360),
                      sheet.Vertical ? QCoreApplication::translate("PracticeSheet", "Write the answer under the line of each "
                                                                                    "problem. The answers are on page 2.")
                                     : QCoreApplication::translate("PracticeSheet", "Write the answer on the line after each "
                                                                                    "problem. The answers are on page 2."),
                      12);
        page.Line(QLine(0, 1560, w, 1560), 15);
        if (rows == 0)
            continue;
        const int pitch = (area.height() - SheetTop) / rows;
        for (int i = 0; i < sheet.Facts.size(); ++i) {
            // Lines are numbered down the columns, standing problems across the rows.
            const int column = sheet.Vertical ? i % columns : i / rows;
            const int row = sheet.Vertical ? i / columns : i % rows;
            const QRect cell(column * w / columns, SheetTop + row * pitch, w / columns, pitch);
            (sheet.Vertical ? StandingProblem : LineProblem)(page, cell, i + 1, sheet.Facts[i], answers);
        }
    }
    return pages;
}
