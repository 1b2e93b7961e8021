// The score window: which sets it offers, what it charts, the details of a bar, the
// two-second exit, and the tune that goes with a message.
#include "core/WindowUtils.h"
#include "mainwin/M_Boxx.h"
#include "music/MMControl.h"
#include "scores/ShowScores.h"
#include "support/GuiSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestShowScores : public QObject {
    Q_OBJECT
private slots:
    void init();
    void noScoresYet();
    void exitWaitsTwoSeconds();
    void listsHoldWhatOccurs();
    void tenMinutesSet();
    void allHidesNumbers();
    void emptySet();
    void details();
    void messagePlaysATune();
    void goalLineOnTheLevel();

private:
    ShowScores* Open();
    int VisibleBars(ShowScores* w);
    GuiFixture fx;
};

void TestShowScores::init()
{
    fx.Reset();
    fx.state.ScoreFilePath = QStringLiteral("AAB.scr");
    fx.state.PlayerFileId = QStringLiteral("AAB");
    WriteBytes(QStringLiteral("AAB.scr"), "\"0H1200603151405007009\"\r\n"
                                          "\"0H0200603161405020022\"\r\n"
                                          "\"2D1200603171405012013\"\r\n"
                                          "\"0H1200603181405009009\"\r\n"
                                          "\"0H0200603191405025025\"\r\n");
    fx.state.PracticeOp = 0;
    fx.state.TableNum = -3;
    fx.state.PracticeMinutes = 1;
}

ShowScores* TestShowScores::Open()
{
    ShowScores* w = Forms::Load<ShowScores>();
    w->show();
    return w;
}

int TestShowScores::VisibleBars(ShowScores* w)
{
    int n = 0;
    for (int i = 0; i < 30; ++i)
        n += Child<QLabel>(w, QStringLiteral("Label1_%1").arg(i).toLatin1().constData())->isVisible();
    return n;
}

void TestShowScores::noScoresYet()
{
    QFile::remove(QStringLiteral("AAB.scr"));
    QString message;
    Script s;
    s.On<M_Boxx>([&](M_Boxx* b) {
        message = Child<QLabel>(b, "Label1")->text();
        Child<QPushButton>(b, "Command1")->click();
    });
    ShowScoresWindow();
    QCOMPARE(message, QStringLiteral("You have no scores yet."));
    QVERIFY(Forms::Find<ShowScores>() == nullptr);
}

void TestShowScores::exitWaitsTwoSeconds()
{
    ShowScores* w = Open();
    Child<QPushButton>(w, "Command1")->click();
    QVERIFY(Forms::Find<ShowScores>() != nullptr);
    QVERIFY(!w->CanExit());
    QTRY_VERIFY_WITH_TIMEOUT(w->CanExit(), 3000);
    Child<QPushButton>(w, "Command1")->click();
    QVERIFY(Forms::Find<ShowScores>() == nullptr);
}

void TestShowScores::listsHoldWhatOccurs()
{
    ShowScores* w = Open();
    auto items = [&](const char* name) {
        QStringList texts;
        auto* c = Child<QComboBox>(w, name);
        for (int i = 0; i < c->count(); ++i)
            texts << c->itemText(i);
        return texts;
    };
    QCOMPARE(items("Combo1"), QStringList({"Addition", "Multiplication"}));
    QCOMPARE(items("Combo2"), QStringList({"Just"}));
    QCOMPARE(items("Combo3"), QStringList({"3", "7"}));
    QCOMPARE(items("Combo4"), QStringList({"1 minute", "10 minutes"}));
    QCOMPARE(Child<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("1 minute"));
    QCOMPARE(VisibleBars(w), 2);
    QVERIFY(!Child<QPushButton>(w, "Command2")->isVisible());
    w->Unload();
}

void TestShowScores::tenMinutesSet()
{
    ShowScores* w = Open();
    auto* minutes = Child<QComboBox>(w, "Combo4");
    minutes->setCurrentIndex(minutes->findText(QStringLiteral("10 minutes")));
    QVERIFY(Child<QPushButton>(w, "Command2")->isVisible());
    Child<QPushButton>(w, "Command2")->click();
    QCOMPARE(int(fx.state.PracticeMinutes), 10);
    QCOMPARE(VisibleBars(w), 2);
    // 20 and 25 right: scale 66, captions 30 and 15, the second bar 1650 high.
    QCOMPARE(Child<QLabel>(w, "Label3")->text(), QStringLiteral("30"));
    QCOMPARE(Child<QLabel>(w, "Label4")->text(), QStringLiteral("15"));
    QCOMPARE(Child<QLabel>(w, "Label1_1")->height(), TwipsToPixels(1650));
    QVERIFY(!Child<QPushButton>(w, "Command2")->isVisible());
    w->Unload();
}

void TestShowScores::allHidesNumbers()
{
    WriteBytes(QStringLiteral("AAB.scr"), "\"0H1200603151405007009\"\r\n\"0K1200603151405030031\"\r\n");
    ShowScores* w = Open();
    auto* kind = Child<QComboBox>(w, "Combo2");
    QVERIFY(Child<QComboBox>(w, "Combo3")->isVisible());
    kind->setCurrentIndex(kind->findText(QStringLiteral("All")));
    QVERIFY(!Child<QComboBox>(w, "Combo3")->isVisible());
    Child<QPushButton>(w, "Command2")->click();
    QCOMPARE(int(fx.state.TableNum), 0);
    QCOMPARE(VisibleBars(w), 1);
    w->Unload();
}

void TestShowScores::emptySet()
{
    QString message;
    ShowScores* w = Open();
    Script s;
    s.On<M_Boxx>([&](M_Boxx* b) {
        message = Child<QLabel>(b, "Label1")->text();
        Child<QPushButton>(b, "Command1")->click();
    });
    // Multiplication Just 3 does not occur: Multiplication with the number 3 from the lists.
    auto* op = Child<QComboBox>(w, "Combo1");
    op->setCurrentIndex(op->findText(QStringLiteral("Multiplication")));
    Child<QPushButton>(w, "Command2")->click();
    QCOMPARE(message, QStringLiteral("No scores for this set yet.  Please select another."));
    QCOMPARE(VisibleBars(w), 0);
    w->Unload();
}

void TestShowScores::details()
{
    ShowScores* w = Open();
    w->ShowBarDetails(0);
    auto* box = Child<QLabel>(w, "Label17");
    QVERIFY(box->isVisible());
    const QStringList lines = box->text().split('\n');
    QCOMPARE(lines.mid(0, 3), QStringList({"7", "78%", "14:05"}));
    QCOMPARE(lines.at(3), QLocale::system().toString(QDate(2006, 3, 15), QLocale::ShortFormat));
    w->Unload();
}

void TestShowScores::messagePlaysATune()
{
    QFile::copy(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/twinkle.mid"), QStringLiteral("twinkle.mid"));
    WriteBytes(QStringLiteral("AAB.scr"), "\"0H1200603151405012014\"\r\n\"0H1200603161405012012\"\r\n");
    ShowScores* w = Open();
    QCOMPARE(Child<QLabel>(w, "Label14")->text(), QStringLiteral("Good job!  You just got your best score!"));
    auto* mm = Child<MMControl>(w, "MM");
    QCOMPARE(mm->FileName(), QStringLiteral("twinkle.mid"));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    w->Unload();
}

void TestShowScores::goalLineOnTheLevel()
{
    fx.state.AutoAdvance = 1;
    fx.state.LevelDef = QStringLiteral("0H1200601010000000000");
    fx.state.AdvanceMinutes = 1;
    fx.state.AdvanceNum = 8;
    fx.state.AdvanceRight = 5;
    ShowScores* w = Open();
    auto* goal = Child<QWidget>(w, "Line1");
    QVERIFY(goal->isVisible());
    QVERIFY(Child<QLabel>(w, "Label6")->isVisible());
    // 7 and 9 right with a goal of 8: peak 9, scale 184; the latest (9) beats the goal.
    QCOMPARE(goal->y(), TwipsToPixels(2800 - 8 * 184 + 1));
    QCOMPARE(Child<QLabel>(w, "Label14")->text(), QStringLiteral("Congratulations! You have met the goal for this level!"));
    QCOMPARE(fx.state.LevelDef.left(3), QStringLiteral("0G1"));
    QVERIFY(ReadBytes(QStringLiteral("AAB.cfg")).contains("\"0G1"));
    w->Unload();
}

QTEST_MAIN(TestShowScores)
#include "tst_ShowScores_gui.moc"
