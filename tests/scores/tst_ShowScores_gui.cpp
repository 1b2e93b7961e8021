// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The score window: choosing the set it charts.
#include "scores/ShowScores.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

class TestShowScores : public QObject {
    Q_OBJECT
    GuiFixture fx;

private slots:
    void chooseSet_data()
    {
        QTest::addColumn<QStringList>("typed"); // into a list
        QTest::addColumn<QList<int>>("set"); // operation, table, minutes, bars charted
        QTest::addColumn<QString>("message");
        QTest::newRow("10 minutes") << QStringList{"Combo4", "10"} << QList<int>{0, -3, 10, 1} << "";
        QTest::newRow("all tables hides the numbers") << QStringList{"Combo2", "A"} << QList<int>{0, 0, 1, 1} << "";
        QTest::newRow("a set never practised") << QStringList{"Combo1", "M"} << QList<int>{2, -3, 1, 0}
                                               << "No scores for this set yet.  Please select another.";
    }
    void chooseSet()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, set);
        QFETCH(QString, message);
        fx.Reset();
        // Addition, Just 3, 1 minute, where the window opens.
        fx.ChooseAnn();
        WriteBytes(QStringLiteral("AAB.scr"), "\"0H1200603151405007009\"\r\n\"0H0200603161405020022\"\r\n"
                                              "\"2D1200603171405012013\"\r\n\"0K1200603191405025025\"\r\n");
        QPointer<ShowScores> w = fx.Make<ShowScores>(fx.program().Settings(), fx.player(), Practised({0, -3, 1}));
        w->show();
        QTest::keyClicks(Child<QComboBox>(w, qPrintable(typed[0])), typed[1]);
        QCOMPARE(Child<QComboBox>(w, "Combo3")->isVisible(), set[1] != 0);
        QString shown;
        Script s;
        AnswerMessage(s, shown);
        QTest::mouseClick(Child<QPushButton>(w, "Command2"), Qt::LeftButton);
        QCOMPARE(shown, message);
        const auto bars = w->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label1_")));
        QCOMPARE((QList<int>{w->Set().PracticeOp, w->Set().TableNum, w->Set().PracticeMinutes,
                             int(std::count_if(bars.begin(), bars.end(), [](QLabel* b) { return b->isVisible(); }))}),
                 set);
    }
    // The pointer moved onto the last of 30 bars, the goal shown: its details box holds its text
    // whole inside the window, and covers neither that bar nor a caption nor the message line.
    void detailsBox()
    {
        fx.Reset();
        fx.ChooseAnn([](PlayerSettings& s) {
            s.AutoAdvance = 1, s.LevelDef = Rec("0H1", 0, 0);
            s.AdvanceMinutes = 1, s.AdvanceNum = 20, s.AdvanceRight = 99;
        });
        WriteBytes(QStringLiteral("AAB.scr"), QByteArray("\"0H1200611121530012015\"\r\n").repeated(30));
        QPointer<ShowScores> w = fx.Make<ShowScores>(fx.program().Settings(), fx.player(), Practised({0, -3, 1}));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* hovered = Child<QLabel>(w, "Label1_29");
        QTest::mouseMove(hovered);
        auto* box = Child<QLabel>(w, "Label17");
        QTRY_VERIFY(box->isVisible());
        const QRect text = box->fontMetrics().boundingRect(box->contentsRect(), Qt::AlignCenter, box->text());
        QVERIFY2(box->contentsRect().contains(text) && w->rect().contains(box->geometry()), qPrintable(box->text()));
        for (QLabel* c : w->findChildren<QLabel*>()) // the other bars may be covered
            if (c->isVisible() && c != box && (c == hovered || !c->objectName().contains(QLatin1Char('_'))))
                QVERIFY2(!c->geometry().intersects(box->geometry()), qPrintable(c->objectName()));
    }
};

QTEST_MAIN(TestShowScores)
#include "tst_ShowScores_gui.moc"
