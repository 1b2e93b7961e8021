// The drill window: a whole practice through its answer box and clock, and what it
// leaves in the score history and the player's settings.
#include "core/WindowUtils.h"
#include "mainwin/M_Boxx.h"
#include "practice/Practice.h"
#include "scores/ShowScores.h"
#include "support/DiskFull.h"
#include "support/GuiSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>

class TestPractice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void wholePractice();
    void nothingAnswered();
    void cancelWritesNothing();
    void metGoalMovesTheLevel();
    void keyFilter();
    void scoreCannotBeSaved_data();
    void scoreCannotBeSaved();

private:
    Practice* Open();
    void Answer(Practice* w, const QString& typed);
    GuiFixture fx;
};

void TestPractice::init()
{
    fx.Reset();
    AppState& s = fx.state;
    s.PlayerFileId = QStringLiteral("AAB");
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    s.PracticeOp = 2;
    s.TableNum = -5;
    s.PracticeMinutes = 1;
    s.ProblemFormat = 1;
    // Partners drawn in turn: 3, 7, 1, 9, 5, ...
    fx.platform->randoms = {0.25, 0.65, 0.05, 0.85, 0.45};
}

Practice* TestPractice::Open()
{
    Practice* w = Forms::Load<Practice>();
    w->show();
    w->Activate();
    return w;
}

void TestPractice::Answer(Practice* w, const QString& typed)
{
    auto* box = Child<QLineEdit>(w, "Text1");
    box->clear();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

void TestPractice::wholePractice()
{
    Practice* w = Open();
    QPointer<Practice> guard(w);
    auto* box = Child<QLineEdit>(w, "Text1");
    auto* feedback = Child<QLabel>(w, "Label6");
    auto* count = Child<QLabel>(w, "Label5");
    const int first = w->Problem().Answer;
    const int firstPartner = w->Problem().PartnerValue;
    QCOMPARE(Child<QLabel>(w, "Label2")->text(), QStringLiteral("5"));
    QCOMPARE(first, 5 * w->Problem().PartnerValue);

    Answer(w, QString::number(first + 1));               // wrong
    QCOMPARE(feedback->text(), QStringLiteral("Incorrect.  Please try again."));
    QVERIFY(box->text().isEmpty());
    Answer(w, QString::number(first + 2));               // wrong again, same fact
    Answer(w, QString());                                 // empty: nothing counts
    QCOMPARE(int(fx.state.AttemptCount), 2);
    QCOMPARE(w->Problem().MissedFacts, QStringList{FactKey(5, w->Problem().PartnerValue)});
    Answer(w, QStringLiteral("0") + QString::number(first)); // right, with a leading zero
    QVERIFY(feedback->text().isEmpty());
    QCOMPARE(count->text(), QStringLiteral("1"));
    QVERIFY(w->Problem().PartnerValue != firstPartner); // a new problem, never the same fact twice

    Child<QPushButton>(w, "Command2")->click();          // Show Answer, twice
    Child<QPushButton>(w, "Command2")->click();
    QCOMPARE(int(fx.state.CorrectCount), -1);
    QCOMPARE(box->text(), QString::number(w->Problem().Answer));
    QTest::keyClick(box, Qt::Key_Return);                // the shown answer is judged
    QCOMPARE(int(fx.state.CorrectCount), 0);
    QCOMPARE(count->text(), QStringLiteral("0"));
    Answer(w, QString::number(w->Problem().Answer));
    QCOMPARE(int(fx.state.CorrectCount), 1);
    QCOMPARE(int(fx.state.AttemptCount), 5);

    for (int tick = 1; tick <= 30; ++tick)
        w->Timer1Tick();
    QCOMPARE(w->SecondsLeft(), 30);
    QCOMPARE(int(w->ReviewMode()), 0);
    w->Timer1Tick();
    QCOMPARE(w->SecondsLeft(), 29);
    QCOMPARE(int(w->ReviewMode()), 1);
    for (int tick = 32; tick <= 59; ++tick)
        w->Timer1Tick();
    QVERIFY(!QFile::exists(QStringLiteral("AAB.scr")));
    auto* timeBar = Child<QLabel>(w, "Time_Bar");
    // The score window opens on the set just practised, after the record was written.
    QStringList shownSet;
    QByteArray historyWhenShown;
    Script scores;
    scores.On<ShowScores>([&](ShowScores* sw) {
        for (const char* name : {"Combo1", "Combo2", "Combo3", "Combo4"})
            shownSet << Child<QComboBox>(sw, name)->currentText();
        historyWhenShown = ReadBytes(QStringLiteral("AAB.scr"));
        sw->close();
    });
    w->Timer1Tick();
    QCOMPARE(scores.Remaining(), 0);
    QCOMPARE(shownSet, QStringList({"Multiplication", "Just", "5", "1 minute"}));
    QVERIFY(!historyWhenShown.isEmpty());
    QCOMPARE(timeBar->height(), 0);
    QVERIFY(Forms::Find<Practice>() == nullptr);
    QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")), QByteArray("\"2F1200603151405001005\"\r\n"));
    QVERIFY(ReadBytes(QStringLiteral("AAB.cfg")).contains("\r\n1\r\n"));
}

void TestPractice::nothingAnswered()
{
    fx.state.PracticeMinutes = 10;
    Script scores;
    scores.On<ShowScores>([](ShowScores* sw) { sw->close(); });
    Practice* w = Open();
    for (int tick = 0; tick < 600; ++tick)
        w->Timer1Tick();
    QVERIFY(Forms::Find<Practice>() == nullptr);
    QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")), QByteArray("\"2F0200603151405000000\"\r\n"));
}

void TestPractice::metGoalMovesTheLevel()
{
    // Level: Multiplication, Just 5, one minute; one right answer beats a goal of 0.
    fx.state.AutoAdvance = 1;
    fx.state.LevelDef = QStringLiteral("2F1200601010000000000");
    fx.state.AdvanceMinutes = 1;
    fx.state.AdvanceNum = 0;
    fx.state.AdvanceRight = 9;
    Script scores;
    QString message;
    scores.On<ShowScores>([&](ShowScores* sw) {
        message = Child<QLabel>(sw, "Label14")->text();
        sw->close();
    });
    Practice* w = Open();
    Answer(w, QString::number(w->Problem().Answer));
    for (int tick = 0; tick < 60; ++tick)
        w->Timer1Tick();
    QCOMPARE(message, QStringLiteral("Congratulations! You have met the goal for this level!"));
    const QList<QByteArray> cfg = ReadBytes(QStringLiteral("AAB.cfg")).split('\n');
    QVERIFY(cfg.at(1).startsWith("\"2P1"));  // CurrentPractice: Up to 5, the level after Just 5
    QVERIFY(cfg.at(3).startsWith("\"2P1"));  // LevelDef
}

void TestPractice::cancelWritesNothing()
{
    Practice* w = Open();
    Answer(w, QString::number(w->Problem().Answer));
    w->Timer1Tick();
    Child<QPushButton>(w, "Command3")->click();
    QVERIFY(Forms::Find<Practice>() == nullptr);
    QVERIFY(!QFile::exists(QStringLiteral("AAB.scr")));
    QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
}

void TestPractice::keyFilter()
{
    Practice* w = Open();
    auto* box = Child<QLineEdit>(w, "Text1");
    QTest::keyClicks(box, QStringLiteral("1a2-.3 "));
    QCOMPARE(box->text(), QStringLiteral("123"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("12"));
}

void TestPractice::scoreCannotBeSaved_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("scoreWindow"); // what the score window shows after the message
    // A folder where the history should be: it cannot be opened for writing, even by the
    // administrator who runs the tests (folder permissions would not stop one).
    QTest::newRow("history cannot be opened") << false << "You have no scores yet.";
    QTest::newRow("disk full") << true << "";
}

void TestPractice::scoreCannotBeSaved()
{
    QFETCH(bool, diskFull);
    QFETCH(QString, scoreWindow);
    const QByteArray earlier = "\"2F1200601010000003004\"\r\n";
    if (diskFull)
        WriteBytes(QStringLiteral("AAB.scr"), earlier);
    else
        QVERIFY(QDir().mkdir(QStringLiteral("AAB.scr")));
    QStringList messages;
    bool scoresShown = false;
    Script script;
    script.On<M_Boxx>([&](M_Boxx* b) {
        messages << Child<QLabel>(b, "Label1")->text();
        Child<QPushButton>(b, "Command1")->click();
    });
    if (diskFull)
        script.On<ShowScores>([&](ShowScores* sw) {
            scoresShown = true;
            sw->close();
        });
    else
        script.On<M_Boxx>([&](M_Boxx* b) {
            messages << Child<QLabel>(b, "Label1")->text();
            Child<QPushButton>(b, "Command1")->click();
        });
    Practice* w = Open();
    Answer(w, QString::number(w->Problem().Answer));
    for (int tick = 0; tick < 59; ++tick)
        w->Timer1Tick();
    {
        std::optional<DiskFull> full;
        if (diskFull)
            full.emplace(0);
        w->Timer1Tick();
    }
    QCOMPARE(script.Remaining(), 0);
    QCOMPARE(messages.value(0), QStringLiteral("Your score could not be saved: the file AAB.scr cannot be written. "
                                               "Please ask a grown-up to check the program folder."));
    QCOMPARE(messages.value(1), scoreWindow);
    QCOMPARE(scoresShown, diskFull);
    // The drill ends as usual and the program goes on; what was stored before stays.
    QVERIFY(Forms::Find<Practice>() == nullptr);
    QVERIFY(!fx.platform->HasEnded());
    QCOMPARE(QFile::exists(QStringLiteral("AAB.cfg")), !diskFull);
    if (diskFull)
        QCOMPARE(ReadBytes(QStringLiteral("AAB.scr")), earlier);
}

QTEST_MAIN(TestPractice)
#include "tst_Practice_gui.moc"
