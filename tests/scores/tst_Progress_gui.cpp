// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The Progress window: a fact's answers under the pointer, what its buttons print or save,
// the table of all children (sorted, filtered, its names in view), the sizes it keeps, and
// its refreshing when a drill ends.
#include "practice/Practice.h"
#include "scores/ClassTable.h"
#include "scores/Progress.h"
#include "scores/ShowScores.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

class TestProgress : public QObject {
    Q_OBJECT
    GuiFixture fx;

    // Ann (grade 3), on Multiplication Just 3: 7 x 8 missed (54 typed), 3 x 4 known, 6 x 7
    // missed in an older line, then Show Answer, then right but slow.
    void WriteAnn()
    {
        fx.Reset();
        fx.platform->now = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
        const QString level = Rec("2H1", 12, 14, "202612070930");
        const QByteArray record = "\"" + level.toLatin1() + "\"\r\n";
        WriteBytes(QStringLiteral("AAB.scr"), record);
        WriteBytes(QStringLiteral("AAB.cfg"), "\"3\"\r\n" + record + "1\r\n" + record + "10\r\n1\r\n3\r\n1\r\n12640511\r\n");
        WriteBytes(QStringLiteral("AAB.fct"), "2,3,4,1,12,\"20261205100000\"\r\n2,3,4,1,9,\"20261206100000\"\r\n"
                                              "2,3,4,1,20,\"20261207093000\",12\r\n2,6,7,0,45,\"20261205093100\"\r\n"
                                              "2,6,7,2,14,\"20261206093100\",\r\n2,6,7,1,45,\"20261207093100\",42\r\n"
                                              "2,7,8,1,11,\"20261206100100\"\r\n2,7,8,0,43,\"20261207093200\",54\r\n");
    }
    Progress* Open()
    {
        LoadPlayerList(fx.parts->roster);
        fx.ChooseAnn();
        Progress* w = fx.Make<Progress>(fx.parts->roster, fx.player());
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the Progress window was not shown");
        return w;
    }
    static void ClickTab(Progress* w, int tab)
    {
        auto* tabs = w->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    }

private slots:
    void hover_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("details");
        QTest::newRow("7 x 8: the number typed") << "Cell_67" << "7 x 8 = 56: to practise\nwrong: 54 (4.3 s), 7 Dec 2026 09:32\n"
                                                                "right in 1.1 s, 6 Dec 2026 10:01";
        QTest::newRow("6 x 7: Show Answer apart from an older miss")
            << "Cell_56" << "6 x 7 = 42: learning\nright in 4.5 s, 7 Dec 2026 09:31\nShow Answer (1.4 s), 6 Dec 2026 09:31\n"
                            "missed (4.5 s), 5 Dec 2026 09:31";
    }
    void hover()
    {
        QFETCH(QString, cell);
        QFETCH(QString, details);
        WriteAnn();
        Progress* w = Open();
        QTest::mouseMove(w, Child<QLabel>(w, qPrintable(cell))->geometry().center());
        QLabel* box = Child<QLabel>(w, "Details");
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), details);
        QVERIFY(w->rect().contains(box->geometry())); // within the window, however long its lines
        QCOMPARE(Child<QLabel>(w, "Counts")->text(), QStringLiteral("Known 1   Learning 1   To practise 1   Not yet asked 97"));
        QTest::mouseMove(w, QPoint(2, w->height() - 2));
        QTRY_VERIFY(!box->isVisible());
    }

    void outputs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file"); // typed into the save dialog; "" prints
        QTest::addColumn<QStringList>("expected"); // the start of what was printed or saved, then what it holds
        // Her tables are 3 (her level), 6 and 7 (answered): 7 x 8 twice, 6 x 7, and the 27 not yet asked;
        // 3 x 4, known, has no room. Page 2 holds the answers.
        QTest::newRow("sheet") << "Command1" << "" << QStringList{"Ann Multiplication sheet\nPractice sheet: Multiplication\nName: Ann\n",
                                                                   "7 \u00d7 8 =\n", "6 \u00d7 7 =\n", "Practice sheet: Multiplication, the answers",
                                                                   "7 \u00d7 8 =\n56\n"};
        QTest::newRow("report") << "Command2" << "" << QStringList{"Ann progress report\nProgress report\n", "Ann\nGrade: 3      Level: Multiplication, Just 3\n",
                                                                    "This week: 1 practice, 1 minute, 12 right answers\n",
                                                                    "Known 1   Learning 1   To practise 1   Not yet asked 97\n",
                                                                    "Fluency: 1 of the 10 facts of table 3 known (10%)\n",
                                                                    "Facts to practise (1)\n7 \u00d7 8 = 56\n"};
        QTest::newRow("sheet as PDF") << "Command1" << "sheet.pdf" << QStringList{"%PDF-"};
        QTest::newRow("report as PDF") << "Command2" << "report.pdf" << QStringList{"%PDF-"};
        QTest::newRow("class CSV") << "Command3" << "class.csv"
                                   << QStringList{"\xEF\xBB\xBFName,Grade,Level,", "\r\nAnn,3,\"Multiplication, Just 3\",2026-12-07,1,0,,0,,1,,0,\r\n"};
        QTest::newRow("class report") << "Command5" << ""
            << QStringList{"class report\n", "All children, ",
                           "\nName Grade Level         practice   in 7 days  known  /min  known  /min  known  /min  known  /min\n"
                           "Ann  3     Mult., Just 3 2026-12-07         1      0            0            1            0\n"};
    }
    void outputs()
    {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        WriteAnn();
        Progress* w = Open();
        if (button == QLatin1String("Command3") || button == QLatin1String("Command5"))
            ClickTab(w, 4);
        if (!file.isEmpty() && button != QLatin1String("Command3"))
            QTest::mouseClick(Child<QCheckBox>(w, "Check1"), Qt::LeftButton);
        const QString path = QDir::current().filePath(file);
        // The save dialog, as a person answers it: the path typed, then Return.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                // A desktop activates the new dialog; the offscreen platform leaves that to us.
                QApplication::setActiveWindow(dialog);
                name->setFocus();
                name->selectAll();
                QTest::keyClicks(name, path);
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        answer.start(20);
        QTest::mouseClick(Child<QPushButton>(w, qPrintable(button)), Qt::LeftButton);
        QFile out(path);
        const FakePrinter& printer = fx.platform->printer;
        const QString got = file.isEmpty() ? printer.names.join(QLatin1Char(',')) + '\n' + PrintedText(printer.pages)
                                           : (out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll()) : QString());
        for (const QString& e : expected)
            QVERIFY2(got.contains(e), qPrintable(e + QStringLiteral(" not in: ") + got.left(2000)));
        QVERIFY(got.startsWith(expected[0]));
        QCOMPARE(printer.names.isEmpty(), !file.isEmpty());
        // The class report's columns stand only in type of one width.
        for (const PrintPage& page : printer.pages)
            for (const PrintItem& item : page.items)
                QVERIFY(button != QLatin1String("Command5") || item.fixed);
        if (button == QLatin1String("Command1") && file.isEmpty()) { // the sheet's 30 problems, never 3 x 4
            const QString page1 = PrintedText({printer.pages.first()});
            QVERIFY(page1.count(QStringLiteral(" =\n")) == 30 && !page1.contains(QStringLiteral("3 \u00d7 4")));
        }
    }

    void classTable_data()
    {
        QTest::addColumn<QList<int>>("headings"); // the columns whose headings are clicked, in turn
        QTest::addColumn<int>("downs");           // Down presses on the grade list: All grades, 3, 10
        QTest::addColumn<QString>("names");       // as the table shows them
        QTest::newRow("the list's order") << QList<int>{} << 0 << "Bob Ann Dee";
        QTest::newRow("by name, then the other way") << QList<int>{0, 0} << 0 << "Dee Bob Ann";
        QTest::newRow("by grade, 3 before 10") << QList<int>{1} << 0 << "Ann Dee Bob";
        QTest::newRow("most multiplication facts known first") << QList<int>{9} << 0 << "Dee Ann Bob";
        QTest::newRow("the fastest at addition first") << QList<int>{6} << 0 << "Bob Ann Dee";
        QTest::newRow("grade 3") << QList<int>{} << 1 << "Ann Dee";
        QTest::newRow("grade 3 by multiplication known") << QList<int>{9} << 1 << "Dee Ann";
    }
    void classTable()
    {
        QFETCH(QList<int>, headings);
        QFETCH(int, downs);
        QFETCH(QString, names);
        WriteAnn();
        WriteBytes(QStringLiteral("Players"), "3\r\n\"Bob\"\r\n\"AAC  \"\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Dee\"\r\n\"AAE  \"\r\n");
        WriteBytes(QStringLiteral("AAC.cfg"), "\"10\"\r\n");
        WriteBytes(QStringLiteral("AAE.cfg"), "\"3\"\r\n");
        // Bob: ten additions right in 1 s each, 60 a minute; Dee: 5 x 5 and 6 x 6 known.
        QByteArray bob, dee;
        for (int i = 0; i < 10; ++i)
            bob += "0,2," + QByteArray::number(i % 5 + 1) + ",1,10,\"2026120610000" + QByteArray::number(i) + "\"\r\n";
        for (int i = 0; i < 3; ++i)
            dee += "2,5,5,1,10,\"2026120610000" + QByteArray::number(i) + "\"\r\n2,6,6,1,10,\"2026120610001" + QByteArray::number(i) + "\"\r\n";
        WriteBytes(QStringLiteral("AAC.fct"), bob);
        WriteBytes(QStringLiteral("AAE.fct"), dee + "0,1,1,0,300,\"20261206100100\"\r\n");
        Progress* w = Open();
        ClickTab(w, 4);
        QTableView* shown = Child<ClassTable>(w, "ClassList")->Names();
        for (int column : headings) {
            // The names' heading is the one laid over the table.
            QHeaderView* h = (column == 0 ? shown : Child<ClassTable>(w, "ClassList"))->horizontalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(column) + 4, h->height() / 2));
        }
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(Child<QComboBox>(w, "Combo1"), Qt::Key_Down);
        QStringList seen;
        for (int r = 0; r < shown->model()->rowCount(); ++r)
            seen << shown->model()->index(r, 0).data().toString();
        QCOMPARE(seen.join(' '), names);
    }

    void namesInViewAndSizesKept()
    {
        WriteAnn();
        // 40 children with long names, on the longest level.
        QByteArray players = "40\r\n\"Ann\"\r\n\"AAB  \"\r\n";
        for (int i = 1; i < MaxPlayers; ++i) {
            const QByteArray key = "AB" + QByteArray(1, char('A' + i % 26)) + QByteArray(1, char('A' + i / 26));
            players += "\"Maximilian Alexander " + QByteArray::number(i) + "\"\r\n\"" + key.left(3) + "  \"\r\n";
            WriteBytes(QString::fromLatin1(key.left(3)) + ".cfg", "\"10\"\r\n\"\"\r\n1\r\n\"2U0200603151405000000\"\r\n");
        }
        WriteBytes(QStringLiteral("Players"), players);
        Progress* w = Open();
        QCOMPARE(w->size(), QSize(640, 368)); // the grids as drawn
        ClickTab(w, 4);
        auto* table = Child<ClassTable>(w, "ClassList");
        QCOMPARE(table->model()->rowCount(), 40);
        // Every column fits a window on a screen of 1280 pixels across.
        QVERIFY2(table->WholeSize().width() + 32 <= 1280 - 16, qPrintable(QString::number(table->WholeSize().width())));
        // Scrolled to the last column on this smaller screen, the names stay in view.
        QScrollBar* across = table->horizontalScrollBar();
        QVERIFY(across->maximum() > 0);
        QTest::keyClick(across, Qt::Key_End);
        QVERIFY(table->columnViewportPosition(0) < 0);
        QVERIFY(table->Names()->isVisible());
        QCOMPARE(table->Names()->geometry().left(), table->frameWidth());
        QCOMPARE(table->Names()->visualRect(table->Names()->model()->index(0, 0)).left(), 0);

        // A size given to the table is kept; the grids keep theirs.
        w->resize(700, 420);
        ClickTab(w, 0);
        QCOMPARE(w->size(), QSize(640, 368));
        Click(w, "Command4");
        QCOMPARE(ReadBytes(fx.platform->MachineSettingsDir() + QStringLiteral("/nbr.win")), QByteArray("0\r\n0\r\n10500\r\n6300\r\n"));
        w = Open();
        QCOMPARE(w->size(), QSize(640, 368));
        ClickTab(w, 4);
        QCOMPARE(w->size(), QSize(700, 420));
    }

    void refreshedWhenADrillEnds()
    {
        WriteAnn();
        LoadPlayerList(fx.parts->roster);
        fx.ChooseAnn();
        fx.platform->randoms = {0.25, 0.65, 0.05, 0.85, 0.45}; // partners 3, 7, 1, 9, 5, ...
        QStringList seen; // Ann's practices in 7 days in the table, then her counts, before the drill and after it
        Script script;
        script.On<Progress>([&](Progress* w) {
            const auto look = [&] {
                ClickTab(w, 4);
                seen << Child<ClassTable>(w, "ClassList")->model()->index(0, 4).data().toString();
                ClickTab(w, 2);
                seen << Child<QLabel>(w, "Counts")->text();
            };
            look();
            // Multiplication, Just 5, 1 minute, while the window stays open.
            fx.windows->RunDrill(Practised({2, -5, 1}));
            look();
            Click(w, "Command4");
        });
        script.On<Practice>([](Practice* d) {
            auto* box = Child<QLineEdit>(d, "Text1");
            QTest::mouseClick(box, Qt::LeftButton); // the window's due activation shows the first problem
            QTest::keyClicks(box, QString::number(d->Problem().Answer));
            QTest::keyClick(box, Qt::Key_Return);
            for (int tick = 0; tick < 60; ++tick)
                d->Timer1Tick();
        });
        script.On<ShowScores>([](ShowScores* s) { s->Unload(); });
        fx.windows->ShowProgress();
        QCOMPARE(script.Remaining(), 0);
        QCOMPARE(seen, (QStringList{"1", "Known 1   Learning 1   To practise 1   Not yet asked 97",
                                    "2", "Known 1   Learning 2   To practise 1   Not yet asked 96"}));
    }
};

QTEST_MAIN(TestProgress)
#include "tst_Progress_gui.moc"
