// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The drill window: a whole practice through its answer box and clock, and what it leaves
// in the score history, the facts file and the player's settings, also when a file cannot be saved;
// the big drill and F11; the sign, the bar's marked growth and the notes that answer an answer.
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
        auto* feedback = Child<QLabel>(w, "Label6");
        QCOMPARE(feedback->text(), QStringLiteral("Incorrect.  Please try again."));
        for (const char* typed : {"99", "", "99999", "99999999999"}) // wrong again; nothing; too big for an answer
            Answer(box, QString::fromLatin1(typed));
        QCOMPARE(int(w->Tally().AttemptCount), 2);
        QCOMPARE(w->Problem().MissedFacts, QStringList{FactKey(5, first / 5)});
        Answer(box, '0' + QString::number(first)); // right, with a leading zero
        // Green for a moment, the next problem up at once; then the line is empty again.
        QCOMPARE(feedback->text(), QString::fromUtf8("\u2713 Right!"));
        QCOMPARE(feedback->palette().color(QPalette::WindowText), QColor(0, 140, 0));
        QVERIFY(w->Problem().Answer != first && box->text().isEmpty() && w->focusWidget() == box);
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QStringLiteral("1"));
        QTRY_VERIFY_WITH_TIMEOUT(feedback->text().isEmpty(), 1000);
        Answer(box, QStringLiteral("0"));
        QCOMPARE(feedback->palette().color(QPalette::WindowText), QColor(192, 0, 0));

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

    void drillOptions_data()
    {
        // On the test's screen, 800 pixels wide, the big drill is on by default for grades N/A, 1 and 2.
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QByteArray>("options"); // AAB.opt
        QTest::addColumn<bool>("big");
        QTest::addColumn<QList<quint32>>("sent"); // to the MIDI device: three right answers, a wrong one, the end
        QTest::newRow("grade 3: as drawn, silent") << "3" << QByteArray() << false << QList<quint32>{};
        QTest::newRow("grade 2: big") << "2" << QByteArray() << true << QList<quint32>{};
        QTest::newRow("her choice on") << "5" << QByteArray("BigDrill=1\r\n") << true << QList<quint32>{};
        // Channel 16: program 8 (celesta), note 88 at 70 for each right answer; program 33 (electric bass),
        // note 45 at 60; each let go (88 after 250 ms, 45 after 400 ms); all notes off as the drill closes.
        const QList<quint32> right{0x08CF, 0x46589F};
        QTest::newRow("her choice off before her grade; sounds on") << "1" << QByteArray("BigDrill=0\r\nAnswerSounds=1\r\n") << false
            << right + right + right + QList<quint32>{0x21CF, 0x3C2D9F, 0x588F, 0x588F, 0x588F, 0x2D8F, 0x7BBF};
    }
    void drillOptions()
    {
        QFETCH(QString, grade);
        QFETCH(QByteArray, options);
        QFETCH(bool, big);
        QFETCH(QList<quint32>, sent);
        WriteBytes(QStringLiteral("AAB.opt"), options);
        WriteBytes(QStringLiteral("AAB.scr"), "\"2F1200601011200040041\"\r\n"); // a goal of 40: a step of 25 twips
        fx.ChooseAnn([&grade](PlayerSettings& s) { s.PlayerGrade = grade; });
        Practice* w = Open(1);
        auto* box = Child<QLineEdit>(w, "Text1");
        QTest::keyClicks(box, QStringLiteral("4")); // the window's due activation shows the first problem
        for (bool on : {big, !big}) {
            // Big: at least 60% of the screen's height; every control inside, every button's caption whole.
            QCOMPARE(w->BigDrill(), on);
            QVERIFY(on ? w->height() >= w->screen()->availableGeometry().height() * 0.6 : w->height() == TwipsToPixels(DrillHeight));
            for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const auto* b = qobject_cast<QPushButton*>(c);
                QVERIFY(!c->isVisible() || w->rect().contains(c->geometry()));
                QVERIFY(!b || b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width());
            }
            QTest::keyClick(box, Qt::Key_F11); // the other size, for this drill only; her typing kept
            QCOMPARE(box->text(), QStringLiteral("4"));
        }
        for (int right = 0; right < 3; ++right)
            Answer(box, QString::number(w->Problem().Answer));
        // The part the bar grew by (25 twips) marked darker, 60 twips high, for the sign's time.
        auto* grown = Child<QLabel>(w, "C_new");
        QVERIFY(grown->isVisible() && grown->y() == Child<QLabel>(w, "C_bar")->y() && grown->height() == TwipsToPixels(60 * w->Zoom()));
        Answer(box, QString::number(w->Problem().Answer + 1));
        QVERIFY(!grown->isVisible());
        QCOMPARE(fx.platform->midi.opened, int(!sent.isEmpty()));
        QTRY_COMPARE_WITH_TIMEOUT(int(fx.platform->midi.messages.size()), int(std::max<qsizetype>(sent.size() - 1, 0)), 2000);
        w->Unload();
        QCOMPARE(QList<quint32>(fx.platform->midi.messages.begin(), fx.platform->midi.messages.end()), sent);
        QCOMPARE(ReadBytes(QStringLiteral("AAB.opt")), options);
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
