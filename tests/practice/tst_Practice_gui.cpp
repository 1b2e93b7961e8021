// The drill window: a whole practice through its answer box and clock, and what it leaves
// in the score history and the player's settings, also when the score cannot be saved.
#include "practice/Practice.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QDir>
#include <QLineEdit>
#include <QClipboard>
#include <QtTest>

class TestPractice : public QObject {
    Q_OBJECT
    GuiFixture fx;

    // The drill in the given problem format.
    Practice* Open(int format)
    {
        fx.state.ProblemFormat = static_cast<Int16>(format);
        Practice* w = Forms::Load<Practice>(Practised<PracticeFields>({2, -5, 1})); // Multiplication, Just 5, 1 minute
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
        fx.state = Practised({}); // player AAB; the drill is given its definition
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

    void scoreCannotBeSaved()
    {
        // A folder where the history belongs cannot be opened for writing, even by the administrator.
        QVERIFY(QDir().mkdir(QStringLiteral("AAB.scr")));
        QString message, scores;
        Script script;
        AnswerMessage(script, message);
        AnswerMessage(script, scores);
        Practice* w = Open(1);
        for (int tick = 0; tick < 60; ++tick)
            w->Timer1Tick();
        QCOMPARE(message, QStringLiteral("Your score could not be saved: the file AAB.scr cannot be written. "
                                         "Please ask a grown-up to check the program folder."));
        QCOMPARE(scores, QStringLiteral("You have no scores yet.")); // the score window as usual
        QVERIFY(!Forms::Find<Practice>() && !fx.platform->HasEnded());
        QVERIFY(QFile::exists(QStringLiteral("AAB.cfg")));
    }
};

QTEST_MAIN(TestPractice)
#include "tst_Practice_gui.moc"
