// The practice definition window: presets from the last practice or the level, the
// click rules, what "Okay", a time button and "Cancel" leave in the shared state and on
// disk, and the first-run notice.
#include "core/TextResources.h"
#include "core/WindowUtils.h"
#include "practice/Define.h"
#include "support/GuiSupport.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

class TestDefine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void presets_data();
    void presets();
    void upToWithoutNumberGivesAllTables();
    void minutesWithoutButtonKeptByOkay_data();
    void minutesWithoutButtonKeptByOkay();
    void timeButtonClosesAndSaves();
    void readBack_data();
    void readBack();
    void cancelSavesNothingAndKeepsTheTableSign();
    void leftoverCancelNeedsAnOperation();
    void firstRunNoticeOnce();

private:
    void Open();
    QRadioButton* Option(const QString& name) const { return Child<QRadioButton>(define, qPrintable(name)); }
    void Press(const QString& option);
    QString SavedPractice() const { return FileLines(QStringLiteral("AAB.cfg")).value(1); }

    GuiFixture fx;
    QPointer<Define> define;
};

void TestDefine::init()
{
    fx.Reset();
    fx.CopyData(QStringLiteral("nbr.txx"));
    AppState& s = fx.state;
    s.WindowsDir = fx.platform->MachineSettingsDir();
    s.IniPath = fx.platform->IniPath();
    s.PlayerFileId = QStringLiteral("AAB");
    s.PlayerGrade = QStringLiteral("3");
    s.ProblemFormat = 1;
}

void TestDefine::Open()
{
    define = Forms::Load<Define>();
    define->show();
    if (QTest::qWaitForWindowActive(define, 1000))
        QCoreApplication::processEvents(); // activation handling runs just after the platform's
    else
        define->Activate();
}

void TestDefine::Press(const QString& option)
{
    QAbstractButton* button = Option(option);
    if (!button)
        button = Child<QAbstractButton>(define, qPrintable(option));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void TestDefine::presets_data()
{
    QTest::addColumn<QString>("practice");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("number"); // "": the numbers are hidden
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("minutes");
    QTest::newRow("addition up to 4, 1 minute") << "0O1200603151405000000" << "Option1" << "Option6" << "Option8_3" << "Option9" << 1;
    QTest::newRow("subtraction just 7, 2 minutes") << "1D2200603151405000000" << "Option2" << "Option7" << "Option8_6" << "Option10" << 2;
    QTest::newRow("division just 10, 5 minutes") << "3A5200603151405000000" << "Option4" << "Option7" << "Option8_9" << "Option12" << 5;
    QTest::newRow("multiplication up to 1, 7 minutes") << "2L7200603151405000000" << "Option3" << "Option6" << "Option8_0" << "Option13" << 7;
    QTest::newRow("10 minutes through the 0 digit") << "1O0200603151405005006" << "Option2" << "Option6" << "Option8_3" << "Option14" << 10;
    QTest::newRow("all hides the numbers") << "2K3200603151405000000" << "Option3" << "Option5" << "" << "Option11" << 3;
    QTest::newRow("no minutes: 3") << "0K" << "Option1" << "Option5" << "" << "Option11" << 3;
}

void TestDefine::presets()
{
    QFETCH(QString, practice);
    QFETCH(QString, operation);
    QFETCH(QString, kind);
    QFETCH(QString, number);
    QFETCH(QString, time);
    QFETCH(int, minutes);
    fx.state.CurrentPractice = practice;
    Open();
    QVERIFY(Option(operation)->isChecked());
    QVERIFY(Option(kind)->isChecked());
    QCOMPARE(Child<QGroupBox>(define, "Frame3")->isHidden(), number.isEmpty());
    for (int i = 0; i < 10; ++i)
        QCOMPARE(Option(QStringLiteral("Option8_%1").arg(i))->isChecked(), number.endsWith(QString::number(i)));
    QVERIFY(Option(time)->isChecked());
    QCOMPARE(int(fx.state.PracticeMinutes), minutes);
    // Presetting a time button, now or on a later activation, never closes the window.
    define->Activate();
    define->Activate();
    QVERIFY(!define->IsUnloaded());
    QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
}

void TestDefine::upToWithoutNumberGivesAllTables()
{
    fx.state.CurrentPractice = QStringLiteral("2K3200603151405000000");
    Open();
    Press(QStringLiteral("Option6"));
    QVERIFY(!Child<QGroupBox>(define, "Frame3")->isHidden());
    Press(QStringLiteral("Command8"));
    QVERIFY(define.isNull() || define->IsUnloaded());
    QCOMPARE(int(fx.state.PracticeOp), 2);
    QCOMPARE(int(fx.state.TableNum), 0);
    QCOMPARE(fx.state.CurrentPractice, QStringLiteral("2K3200603151405000000"));
}

void TestDefine::minutesWithoutButtonKeptByOkay_data()
{
    QTest::addColumn<int>("minutes");
    QTest::newRow("4") << 4;
    QTest::newRow("9") << 9;
}

void TestDefine::minutesWithoutButtonKeptByOkay()
{
    QFETCH(int, minutes);
    // A level's own minutes replace the minutes of its record.
    AppState& s = fx.state;
    s.AutoAdvance = 1;
    s.LevelDef = QStringLiteral("0H3200603151405000000");
    s.AdvanceMinutes = static_cast<Int16>(minutes);
    s.CurrentPractice = QStringLiteral("2K5200603151405000000");
    Open();
    QVERIFY(Option("Option8_2")->isChecked());
    for (int i = 9; i <= 14; ++i)
        QVERIFY(!Option(QStringLiteral("Option%1").arg(i))->isChecked());
    Press(QStringLiteral("Command8"));
    QCOMPARE(int(s.PracticeMinutes), minutes);
    const QString record = QStringLiteral("0H") + QString::number(minutes) + QStringLiteral("200603151405000000");
    QCOMPARE(s.CurrentPractice, record);
    QCOMPARE(SavedPractice(), '"' + record + '"');
}

void TestDefine::timeButtonClosesAndSaves()
{
    fx.state.CurrentPractice = QStringLiteral("3M3200603151405000000");
    Open();
    Press(QStringLiteral("Option14")); // 10 minutes
    QVERIFY(Forms::Find<Define>() == nullptr);
    QCOMPARE(int(fx.state.PracticeMinutes), 10);
    QCOMPARE(fx.state.CurrentPractice, QStringLiteral("3M0200603151405000000"));
    QCOMPARE(FileLines(QStringLiteral("AAB.cfg")).mid(0, 2), (QStringList{"\"3\"", "\"3M0200603151405000000\""}));
}

void TestDefine::readBack_data()
{
    QTest::addColumn<QString>("practice");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("record");
    QTest::newRow("just 5") << "0K3200603151405007009" << QStringList{"Option7", "Option8_4"} << 0 << -5
                            << "0F3200603151405007009";
    QTest::newRow("up to 9 from just 7") << "1D3200603151405000000" << QStringList{"Option6", "Option8_8", "Option4"}
                                         << 3 << 9 << "3T3200603151405000000";
    QTest::newRow("10 minutes kept") << "1O0200603151405005006" << QStringList{} << 1 << 4 << "1O0200603151405005006";
}

void TestDefine::readBack()
{
    QFETCH(QString, practice);
    QFETCH(QStringList, clicks);
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(QString, record);
    fx.state.CurrentPractice = practice;
    Open();
    for (const QString& name : clicks)
        Press(name);
    Press(QStringLiteral("Command8"));
    QCOMPARE(int(fx.state.PracticeOp), op);
    QCOMPARE(int(fx.state.TableNum), table);
    QCOMPARE(fx.state.CurrentPractice, record);
    QCOMPARE(SavedPractice(), '"' + record + '"');
}

void TestDefine::cancelSavesNothingAndKeepsTheTableSign()
{
    fx.state.CurrentPractice = QStringLiteral("2D3200603151405000000");
    Open();
    for (const char* option : {"Option4", "Option6", "Option8_1", "Command1"})
        Press(QString::fromLatin1(option));
    QVERIFY(define.isNull() || define->IsUnloaded());
    QCOMPARE(int(fx.state.PracticeOp), 9); // back to the player list
    QCOMPARE(int(fx.state.TableNum), -7);
    QCOMPARE(fx.state.CurrentPractice, QStringLiteral("2D3200603151405000000"));
    QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
}

void TestDefine::leftoverCancelNeedsAnOperation()
{
    // A new player without a stored practice after someone's "Cancel": 9 is still set.
    fx.state.PracticeOp = 9;
    fx.state.PracticeMinutes = 3;
    Open();
    Press(QStringLiteral("Command8"));
    QCOMPARE(int(fx.state.PracticeOp), 9);
    QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
    // Once an operation is chosen, "Okay" no longer leads back to the player list.
    Open();
    Press(QStringLiteral("Option2"));
    Press(QStringLiteral("Command8"));
    QCOMPARE(int(fx.state.PracticeOp), 1);
    QCOMPARE(SavedPractice(), QStringLiteral("\"1K3200603151405000000\""));
}

void TestDefine::firstRunNoticeOnce()
{
    fx.state.FirstRun = 1;
    fx.state.CurrentPractice = QStringLiteral("0L1200603151405000000");
    QStringList notices;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            notices << box->windowTitle() + '|' + box->text();
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            box->accept();
        }
    });
    closer.start();

    Open();
    QTRY_COMPARE(notices.size(), 1);
    QString text = GetTxt(18);
    QVERIFY(text.startsWith(QStringLiteral("Welcome to Numbrella!")));
    QCOMPARE(notices.front(), QStringLiteral("Numbrella|") + text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(int(fx.state.FirstRun), 0);
    QCOMPARE(FileLines(fx.platform->IniPath()).value(8), QStringLiteral("0"));
    // The presets follow the notice.
    QTRY_VERIFY(Option("Option9")->isChecked());
    Press(QStringLiteral("Command8"));

    Open();
    define->Activate();
    QTest::qWait(50);
    QCOMPARE(notices.size(), 1);
}

QTEST_MAIN(TestDefine)
#include "tst_Define_gui.moc"
