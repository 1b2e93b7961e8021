// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The drill window: a whole practice through its answer box and clock, and what it leaves
// in the score history, the facts file and the player's settings, also when a file cannot be saved.
#include "practice/Practice.h"
#include "scores/ShowScores.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QClipboard>
#include <QtTest>

class TestPractice : public QObject {
    Q_OBJECT
    GuiFixture fx;

    // The drill in the given problem format.
    Practice* Open(int format)
    {
        fx.SetPlayer([format](PlayerSettings& s) { s.ProblemFormat = static_cast<Int16>(format); });
        // Multiplication, Just 5, 1 minute
        Practice* w = fx.Make<Practice>(fx.program().Settings(), fx.player(), Practised({2, -5, 1}));
        w->show();
        w->Activate();
        return w;
    }
    static void Answer(QLineEdit* box, const QString& typed)
    {
        box->clear();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void init()
    {
        fx.Reset();
        fx.ChooseAnn(); // the drill is given its definition
        fx.platform->randoms = {0.25, 0.65, 0.05, 0.85, 0.45}; // partners 3, 7, 1, 9, 5, ...
    }

    void wholePractice()
    {
        Practice* w = Open(3);
        auto* box = Child<QLineEdit>(w, "Text2");
        QTest::keyClicks(box, QStringLiteral("1a2-.3 "));
        QTest::keyClick(box, Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText(QStringLiteral("4 x5"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("1245")); // digits only, typed or pasted
        const int first = w->Problem().Answer;
        QCOMPARE(Child<QLabel>(w, "Label2")->text() + 'x' + Child<QLabel>(w, "Label3")->text(), QStringLiteral("5x%1").arg(first / 5));
        Answer(box, QString::number(first + 1));
        QCOMPARE(Child<QLabel>(w, "Label6")->text(), QStringLiteral("Incorrect.  Please try again."));
        for (const char* typed : {"99", "", "99999", "99999999999"}) // wrong again; nothing; too big for an answer
            Answer(box, QString::fromLatin1(typed));
        QCOMPARE(int(w->Tally().AttemptCount), 2);
        QCOMPARE(w->Problem().MissedFacts, QStringList{FactKey(5, first / 5)});
        Answer(box, '0' + QString::number(first)); // right, with a leading zero
        QVERIFY(Child<QLabel>(w, "Label6")->text().isEmpty());
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QStringLiteral("1"));

        for (int tick = 1; tick <= 31; ++tick)
            w->Timer1Tick();
        QCOMPARE(int(w->ReviewMode()), 1); // fewer than half the seconds left
    }

    void factsOfADrill_data()
    {
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QStringList>("facts"); // the first answer to each problem, timed from its showing, and what was typed
        QTest::newRow("finished: a miss, a shown answer, a right one") << true
            << QStringList{R"(2,5,7,0,23,"20060315140403",16)", R"(2,5,1,2,10,"20060315140404",)", R"(2,5,9,1,1,"20060315140404",45)"};
        QTest::newRow("cancelled: nothing written") << false << QStringList{};
    }
    void factsOfADrill()
    {
        QFETCH(bool, finished);
        QFETCH(QStringList, facts);
        Script script;
        script.On<ShowScores>([](ShowScores* w) { w->Unload(); });
        Practice* w = Open(1);
        auto* box = Child<QLineEdit>(w, "Text1");
        QTest::mouseClick(box, Qt::LeftButton); // the window's due activation shows the first problem
        fx.platform->monotonicMs = 2340;
        Answer(box, QStringLiteral("16")); // 5 x 7: wrong, then right
        Answer(box, QStringLiteral("35"));
        fx.platform->monotonicMs = 3340;
        QTest::mouseClick(Child<QPushButton>(w, "Command2"), Qt::LeftButton); // shown, then entered
        QTest::keyClick(box, Qt::Key_Return);
        fx.platform->monotonicMs = 3390;
        Answer(box, QString::number(w->Problem().Answer));
        fx.platform->monotonicMs = 60000;
        if (!finished)
            QTest::mouseClick(Child<QPushButton>(w, "Command3"), Qt::LeftButton);
        for (int tick = 0; tick < 60 && finished; ++tick)
            w->Timer1Tick();
        QCOMPARE(FileLines(QStringLiteral("AAB.fct")), facts);
        QCOMPARE(QFile::exists(QStringLiteral("AAB.scr")), finished);
    }

    void scoreCannotBeSaved()
    {
        // A folder where the history belongs cannot be opened for writing, even by the administrator.
        QVERIFY(QDir().mkdir(QStringLiteral("AAB.scr")));
        QString message, scores;
        Script script;
        AnswerMessage(script, message);
        AnswerMessage(script, scores);
        Practice* w = Open(1);
        Answer(Child<QLineEdit>(w, "Text1"), QStringLiteral("1"));
        for (int tick = 0; tick < 60; ++tick)
            w->Timer1Tick();
        QCOMPARE(message, QStringLiteral("Your score could not be saved: the file AAB.scr cannot be written. "
                                         "Please ask a grown-up to check the program folder."));
        QVERIFY(!QFile::exists(QStringLiteral("AAB.fct"))); // no facts of a practice without its record
        QCOMPARE(scores, QStringLiteral("You have no scores yet.")); // the score window as usual
        QVERIFY(!FindForm<Practice>() && !fx.platform->HasEnded());
        QVERIFY(QFile::exists(QStringLiteral("AAB.cfg")));
    }
};

QTEST_MAIN(TestPractice)
#include "tst_Practice_gui.moc"
