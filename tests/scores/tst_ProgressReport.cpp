// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The printed pages of the Progress window: the practice sheet and the progress report, as
// they are laid out on the paper.
#include "core/logic/PracticeRecord.h"
#include "scores/logic/PracticeSheet.h"
#include "scores/logic/ProgressReport.h"
#include "support/FakePrinter.h"

#include <QtTest>

namespace {
// Whether everything drawn on the pages lies inside the area (a line may run along its edge).
bool Inside(const PrintDocument& pages, QSize area)
{
    const QRect paper(QPoint(), area), edges(QPoint(), area + QSize(1, 1));
    for (const PrintPage& page : pages)
        for (const PrintItem& item : page.items)
            if (item.kind == PrintItem::Kind::Line ? !edges.contains(item.line.p1()) || !edges.contains(item.line.p2())
                                                    : !paper.contains(item.place))
                return false;
    return true;
}
} // namespace

class TestProgressReport : public QObject {
    Q_OBJECT

private slots:
    void sheet_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("problem"); // the 7 x 8 of page 2, with its answer
        QTest::newRow("in lines, A4") << false << PrintArea(Paper::A4) << "7 \u00d7 8 =\n56\n";
        QTest::newRow("standing, Letter") << true << PrintArea(Paper::Letter) << "7\n\u00d7\n8\n56\n";
        QTest::newRow("division, small paper") << true << QSize(8000, 11000) << "56\n\u00f7\n7\n8\n";
    }
    void sheet()
    {
        QFETCH(bool, vertical);
        QFETCH(QSize, area);
        QFETCH(QString, problem);
        const bool division = problem.startsWith(QLatin1String("56"));
        const SheetData sheet{QStringLiteral("Ann"), QStringLiteral("7 December 2026"), division ? 3 : 2, vertical,
                              QList<Fact>(30, Fact{Int16(division ? 3 : 2), 7, 8})};
        const PrintDocument pages = SheetPages(sheet, area);
        QCOMPARE(pages.size(), 2);
        QVERIFY(Inside(pages, area));
        const QString first = PrintedText({pages[0]});
        QVERIFY(first.startsWith(QStringLiteral("Practice sheet: %1\nName: Ann\nDate: 7 December 2026\nWrite the answer ")
                                     .arg(OperationCaptions[sheet.Op])));
        QVERIFY(!first.contains(problem) && PrintedText({pages[1]}).count(problem) == 30 && first.contains(QStringLiteral("\n30.\n")));
        // The page is used to its foot, and each answer has room for three digits written by a child.
        int lowest = 0, blanks = 0;
        for (const PrintItem& item : pages[0].items) {
            lowest = std::max(lowest, item.kind == PrintItem::Kind::Line ? item.line.y1() : item.place.bottom());
            blanks += item.kind == PrintItem::Kind::Line && item.line.y1() > SheetTop && item.line.dx() >= MmToTwips(18);
        }
        QVERIFY2(lowest > area.height() * 5 / 6, qPrintable(QString::number(lowest)));
        QCOMPARE(blanks, 30);
    }

    // Ann on Multiplication, Just 7, with automatic advancement; 7 x 8 missed, 7 x 9 known,
    // 2 x 2 learning; an addition practice last week.
    void report_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::newRow("A4") << PrintArea(Paper::A4);
        QTest::newRow("small paper: the pages made smaller") << QSize(8000, 11000);
    }
    void report()
    {
        QFETCH(QSize, area);
        ReportData data{QStringLiteral("Ann"), QStringLiteral("7 December 2026"), {}, {}, QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
        data.Settings.PlayerGrade = QStringLiteral("2");
        data.Settings.LevelDef = QStringLiteral("2D1202612061000000000");
        data.Settings.AutoAdvance = 1;
        data.Settings.AdvanceNum = 20, data.Settings.AdvanceMinutes = 1;
        data.History = QStringList{"0K1202611301000010010", "2D1202612061000012014", "2D1202612071000015015"};
        const QDateTime when(QDate(2026, 12, 7), QTime(10, 0));
        QList<FactAnswer> answers{{2, 7, 8, false, 40, when}, {2, 2, 2, true, 20, when}};
        for (int i = 0; i < 3; ++i)
            answers << FactAnswer{2, 7, 9, true, 20, when};
        const PrintDocument pages = ReportPages(data, FactsHistory(answers), area);
        QVERIFY(Inside(pages, area));
        QCOMPARE(pages.size(), 2); // Multiplication, then Addition
        const QString text = PrintedText(pages);
        for (const char* line : {"Progress report\n7 December 2026\nAnn\nGrade: 2      Level: Multiplication, Just 7\n"
                                 "This week: 2 practices, 2 minutes, 27 right answers\nIn all: 3 practices, 3 minutes, 37 right answers\n"
                                 "Multiplication\n",
                                 "Fluency: 1 of the 10 facts of table 7 known (10%)\n",
                                 "Multiplication, Just 7, 1 minute: right answers of the latest 2 practices (6 Dec 2026 to 7 Dec 2026)\n",
                                 "Facts to practise (1)\n7 \u00d7 8 = 56\n", "Page 1 of 2\n", "Progress report of Ann, 7 December 2026\nAddition\n",
                                 "Fluency: 0 of the 100 facts of all tables known (0%)\n"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text));
        // 7 x 8's square is red with its letter; the goal line; the first practice's wrong attempts striped.
        const QList<PrintItem>& items = pages[0].items;
        const auto at = [&](const QString& letter, unsigned fill) {
            for (qsizetype i = 1; i < items.size(); ++i)
                if (items[i].text == letter && items[i - 1].fill == fill && items[i - 1].place == items[i].place)
                    return items[i].place;
            return QRect();
        };
        const QRect p = at(QStringLiteral("P"), 0x8080FF), k = at(QStringLiteral("K"), 0x80E080); // 7 x 8 and 7 x 9
        QVERIFY(p.isValid() && p.y() == k.y() && std::abs(k.x() - p.right() - 1) <= 1);
        QCOMPARE(text.count(QStringLiteral("\nGoal\n")), 1);
        QCOMPARE(std::count_if(items.cbegin(), items.cend(), [](const PrintItem& i) { return i.hatched; }), 1);
    }
};

QTEST_APPLESS_MAIN(TestProgressReport)
#include "tst_ProgressReport.moc"
