// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The Progress window: a fact's answers under the pointer, and what its buttons print or save.
#include "scores/Progress.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

class TestProgress : public QObject {
    Q_OBJECT
    GuiFixture fx;

    // Ann (grade 3), on Multiplication Just 3: 7 x 8 missed, 3 x 4 known, 6 x 7 right but slow.
    Progress* Open()
    {
        fx.Reset();
        fx.platform->now = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
        const QString level = Rec("2H1", 12, 14, "202612070930");
        LoadPlayerList(fx.parts->roster);
        const QByteArray record = "\"" + level.toLatin1() + "\"\r\n";
        WriteBytes(QStringLiteral("AAB.scr"), record);
        WriteBytes(QStringLiteral("AAB.cfg"), "\"3\"\r\n" + record + "1\r\n" + record + "10\r\n1\r\n3\r\n1\r\n12640511\r\n");
        WriteBytes(QStringLiteral("AAB.fct"), "2,3,4,1,12,\"20261205100000\"\r\n2,3,4,1,9,\"20261206100000\"\r\n"
                                              "2,3,4,1,20,\"20261207093000\"\r\n2,6,7,1,45,\"20261207093100\"\r\n"
                                              "2,7,8,1,11,\"20261206100100\"\r\n2,7,8,0,43,\"20261207093200\"\r\n");
        fx.ChooseAnn();
        Progress* w = fx.Make<Progress>(fx.parts->roster, fx.player());
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the Progress window was not shown");
        return w;
    }

private slots:
    void hoverShowsLastAnswers()
    {
        Progress* w = Open();
        QLabel* cell = Child<QLabel>(w, "Cell_67"); // row 7, column 8
        QCOMPARE(cell->text(), QStringLiteral("P"));
        QTest::mouseMove(w, cell->geometry().center());
        QTRY_VERIFY(Child<QLabel>(w, "Details")->isVisible());
        QCOMPARE(Child<QLabel>(w, "Details")->text(),
                 QStringLiteral("7 x 8 = 56: to practise\nmissed (4.3 s), 7 Dec 09:32\nright in 1.1 s, 6 Dec 10:01"));
        QCOMPARE(Child<QLabel>(w, "Counts")->text(), QStringLiteral("Known 1   Learning 1   To practise 1   Not yet asked 97"));
        QTest::mouseMove(w, QPoint(2, w->height() - 2));
        QTRY_VERIFY(!Child<QLabel>(w, "Details")->isVisible());
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
                                   << QStringList{"Name,Grade,Level,", "\r\nAnn,3,\"Multiplication, Just 3\",2026-12-07,1,0,0,1,0\r\n"};
    }
    void outputs()
    {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        Progress* w = Open();
        if (button == QLatin1String("Command3"))
            QTest::mouseClick(w->findChild<QTabBar*>(), Qt::LeftButton, {}, w->findChild<QTabBar*>()->tabRect(4).center());
        else if (!file.isEmpty())
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
        if (button == QLatin1String("Command1") && file.isEmpty()) { // the sheet's 30 problems, never 3 x 4
            const QString page1 = PrintedText({printer.pages.first()});
            QVERIFY(page1.count(QStringLiteral(" =\n")) == 30 && !page1.contains(QStringLiteral("3 \u00d7 4")));
        }
    }
};

QTEST_MAIN(TestProgress)
#include "tst_Progress_gui.moc"
