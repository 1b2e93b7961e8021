// The practice definition window: presets from the last practice or the level, the
// click rules, what "Okay", a time button and "Cancel" leave in the shared state and on
// disk, the first-run notice, and the main loop around the window.
#include "core/App.h"
#include "core/MainProgram.h"
#include "core/TextResources.h"
#include "core/WindowUtils.h"
#include "practice/Define.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

QList<QByteArray> Lines(const QString& path)
{
    QList<QByteArray> lines = ReadBytes(path).split('\n');
    for (QByteArray& l : lines)
        l = l.trimmed();
    return lines;
}

} // namespace

class TestDefine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void allPresetHidesNumbers();
    void upToWithoutNumberGivesAllTables();
    void presets_data();
    void presets();
    void tenMinutesPresetThroughZeroDigit();
    void minutesWithoutButtonKeptByOkay_data();
    void minutesWithoutButtonKeptByOkay();
    void activationNeverCloses_data();
    void activationNeverCloses();
    void timeButtonCloses_data();
    void timeButtonCloses();
    void readBack_data();
    void readBack();
    void cancelSavesNothing();
    void leftoverCancelNeedsAnOperation();
    void firstRunNoticeOnce();
    void framesStayWhite();
    void mainLoopRunsDefinition();

private:
    Define* Open();
    QRadioButton* Option(const QString& name) const;
    void Click(QAbstractButton* button);
    QString ConfigPath() const { return platform->programDir.path() + QStringLiteral("/AAB.cfg"); }

    AppState state;
    std::unique_ptr<TestPlatform> platform;
    QPointer<Define> define;
};

void TestDefine::init()
{
    state = AppState();
    platform = std::make_unique<TestPlatform>();
    platform->EnterProgramDir();
    QFile::copy(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/nbr.txx"),
                platform->programDir.path() + QStringLiteral("/nbr.txx"));
    state.AppPath = platform->programDir.path();
    state.WindowsDir = platform->MachineSettingsDir();
    state.IniPath = platform->IniPath();
    state.PlayerFileId = QStringLiteral("AAB");
    state.PlayerGrade = QStringLiteral("3");
    state.ProblemFormat = 1;
    InstallApp(&state, platform.get());
}

void TestDefine::cleanup()
{
    if (Define* d = Forms::Find<Define>())
        d->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Define* TestDefine::Open()
{
    define = Forms::Load<Define>();
    define->show();
    if (QTest::qWaitForWindowActive(define, 1000))
        QCoreApplication::processEvents(); // activation handling runs just after the platform's
    else
        define->Activate();
    return define;
}

QRadioButton* TestDefine::Option(const QString& name) const
{
    auto* option = define->findChild<QRadioButton*>(name);
    if (!option)
        qFatal("no option button %s", qPrintable(name));
    return option;
}

void TestDefine::Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void TestDefine::allPresetHidesNumbers()
{
    state.CurrentPractice = QStringLiteral("2K3200603151405000000");
    Open();
    QVERIFY(Option("Option3")->isChecked());
    QVERIFY(Option("Option5")->isChecked());
    QVERIFY(define->findChild<QGroupBox*>("Frame3")->isHidden());
    for (int i = 0; i < 10; ++i)
        QVERIFY(!Option(QStringLiteral("Option8_%1").arg(i))->isChecked());
    QVERIFY(Option("Option11")->isChecked());
}

void TestDefine::upToWithoutNumberGivesAllTables()
{
    state.CurrentPractice = QStringLiteral("2K3200603151405000000");
    Open();
    Click(Option("Option6"));
    QVERIFY(!define->findChild<QGroupBox*>("Frame3")->isHidden());
    QVERIFY(!define->IsUnloaded());
    Click(define->findChild<QPushButton*>("Command8"));
    QVERIFY(define.isNull() || define->IsUnloaded());
    QCOMPARE(int(state.PracticeOp), 2);
    QCOMPARE(int(state.TableNum), 0);
    QCOMPARE(int(state.PracticeMinutes), 3);
    QCOMPARE(state.CurrentPractice, QStringLiteral("2K3200603151405000000"));
}

void TestDefine::presets_data()
{
    QTest::addColumn<QString>("practice");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("time");
    QTest::newRow("addition up to 4, 1 minute") << "0O1200603151405000000" << "Option1" << "Option6" << "Option8_3" << "Option9";
    QTest::newRow("subtraction just 7, 2 minutes") << "1D2200603151405000000" << "Option2" << "Option7" << "Option8_6" << "Option10";
    QTest::newRow("division just 10, 5 minutes") << "3A5200603151405000000" << "Option4" << "Option7" << "Option8_9" << "Option12";
    QTest::newRow("multiplication up to 1, 7 minutes") << "2L7200603151405000000" << "Option3" << "Option6" << "Option8_0" << "Option13";
}

void TestDefine::presets()
{
    QFETCH(QString, practice);
    QFETCH(QString, operation);
    QFETCH(QString, kind);
    QFETCH(QString, number);
    QFETCH(QString, time);
    state.CurrentPractice = practice;
    Open();
    QVERIFY(!define->IsUnloaded());
    QVERIFY(Option(operation)->isChecked());
    QVERIFY(Option(kind)->isChecked());
    QVERIFY(!define->findChild<QGroupBox*>("Frame3")->isHidden());
    QVERIFY(Option(number)->isChecked());
    QVERIFY(Option(time)->isChecked());
}

void TestDefine::tenMinutesPresetThroughZeroDigit()
{
    state.CurrentPractice = QStringLiteral("1O0200603151405005006");
    Open();
    QVERIFY(Option("Option14")->isChecked());
    QCOMPARE(int(state.PracticeMinutes), 10);
    Click(define->findChild<QPushButton*>("Command8"));
    QCOMPARE(int(state.PracticeMinutes), 10);
    QCOMPARE(state.CurrentPractice, QStringLiteral("1O0200603151405005006"));
}

void TestDefine::minutesWithoutButtonKeptByOkay_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("digit");
    QTest::newRow("4") << 4 << "4";
    QTest::newRow("6") << 6 << "6";
    QTest::newRow("8") << 8 << "8";
    QTest::newRow("9") << 9 << "9";
}

void TestDefine::minutesWithoutButtonKeptByOkay()
{
    QFETCH(int, minutes);
    QFETCH(QString, digit);
    // A level's own minutes replace the minutes of its record.
    state.AutoAdvance = 1;
    state.LevelDef = QStringLiteral("0H3200603151405000000");
    state.AdvanceMinutes = static_cast<Int16>(minutes);
    state.CurrentPractice = QStringLiteral("2K5200603151405000000");
    Open();
    QVERIFY(!define->IsUnloaded());
    QVERIFY(Option("Option1")->isChecked());
    QVERIFY(Option("Option7")->isChecked());
    QVERIFY(Option("Option8_2")->isChecked());
    for (int i = 9; i <= 14; ++i)
        QVERIFY(!Option(QStringLiteral("Option%1").arg(i))->isChecked());
    Click(define->findChild<QPushButton*>("Command8"));
    QCOMPARE(int(state.PracticeMinutes), minutes);
    QCOMPARE(int(state.TableNum), -3);
    QCOMPARE(state.CurrentPractice, QStringLiteral("0H") + digit + QStringLiteral("200603151405000000"));
    QCOMPARE(Lines(ConfigPath()).value(1), QByteArray("\"0H") + digit.toLatin1() + "200603151405000000\"");
}

void TestDefine::activationNeverCloses_data()
{
    QTest::addColumn<QString>("practice");
    QTest::addColumn<QString>("time");
    QTest::newRow("1 minute") << "0K1200603151405000000" << "Option9";
    QTest::newRow("2 minutes") << "0K2200603151405000000" << "Option10";
    QTest::newRow("3 minutes") << "0K3200603151405000000" << "Option11";
    QTest::newRow("5 minutes") << "0K5200603151405000000" << "Option12";
    QTest::newRow("7 minutes") << "0K7200603151405000000" << "Option13";
    QTest::newRow("10 minutes") << "0K0200603151405000000" << "Option14";
    QTest::newRow("no minutes: 3") << "0K" << "Option11";
}

void TestDefine::activationNeverCloses()
{
    QFETCH(QString, practice);
    QFETCH(QString, time);
    state.CurrentPractice = practice;
    Open();
    QVERIFY(Option(time)->isChecked());
    // Activating again presets the same buttons again; the window stays.
    define->Activate();
    define->Activate();
    QVERIFY(!define->IsUnloaded());
    QCOMPARE(Forms::Find<Define>(), define.data());
    QVERIFY(!QFile::exists(ConfigPath()));
}

void TestDefine::timeButtonCloses_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("record");
    QTest::newRow("1 minute") << "Option9" << 1 << "3M1200603151405000000";
    QTest::newRow("2 minutes") << "Option10" << 2 << "3M2200603151405000000";
    QTest::newRow("5 minutes") << "Option12" << 5 << "3M5200603151405000000";
    QTest::newRow("7 minutes") << "Option13" << 7 << "3M7200603151405000000";
    QTest::newRow("10 minutes") << "Option14" << 10 << "3M0200603151405000000";
}

void TestDefine::timeButtonCloses()
{
    QFETCH(QString, time);
    QFETCH(int, minutes);
    QFETCH(QString, record);
    state.CurrentPractice = QStringLiteral("3M3200603151405000000");
    Open();
    Click(Option(time));
    QVERIFY(define.isNull() || define->IsUnloaded());
    QVERIFY(Forms::Find<Define>() == nullptr);
    QCOMPARE(int(state.PracticeMinutes), minutes);
    QCOMPARE(state.CurrentPractice, record);
    const QList<QByteArray> lines = Lines(ConfigPath());
    QCOMPARE(lines.value(0), QByteArray("\"3\""));
    QCOMPARE(lines.value(1), "\"" + record.toLatin1() + "\"");
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
    QTest::newRow("all wins over a number still on") << "2O3200603151405000000" << QStringList{"Option5"} << 2 << 0
                                                     << "2K3200603151405000000";
    QTest::newRow("up to 9 from just 7") << "1D3200603151405000000" << QStringList{"Option6", "Option8_8", "Option4"}
                                         << 3 << 9 << "3T3200603151405000000";
    QTest::newRow("just keeps the preset number") << "1O3200603151405000000" << QStringList{"Option7"} << 1 << -4
                                                  << "1G3200603151405000000";
}

void TestDefine::readBack()
{
    QFETCH(QString, practice);
    QFETCH(QStringList, clicks);
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(QString, record);
    state.CurrentPractice = practice;
    Open();
    for (const QString& name : clicks)
        Click(Option(name));
    Click(define->findChild<QPushButton*>("Command8"));
    QCOMPARE(int(state.PracticeOp), op);
    QCOMPARE(int(state.TableNum), table);
    QCOMPARE(state.CurrentPractice, record);
    QCOMPARE(Lines(ConfigPath()).value(1), "\"" + record.toLatin1() + "\"");
}

void TestDefine::cancelSavesNothing()
{
    state.CurrentPractice = QStringLiteral("2D3200603151405000000");
    Open();
    Click(Option("Option4"));
    Click(Option("Option6"));
    Click(Option("Option8_1"));
    Click(define->findChild<QPushButton*>("Command1"));
    QVERIFY(define.isNull() || define->IsUnloaded());
    QCOMPARE(int(state.PracticeOp), 9);
    QCOMPARE(int(state.TableNum), -7);
    QCOMPARE(int(state.PracticeMinutes), 3);
    QCOMPARE(state.CurrentPractice, QStringLiteral("2D3200603151405000000"));
    QVERIFY(!QFile::exists(ConfigPath()));
}

void TestDefine::leftoverCancelNeedsAnOperation()
{
    // A new player without a stored practice after someone's "Cancel": 9 is still set.
    state.PracticeOp = 9;
    state.TableNum = 0;
    state.PracticeMinutes = 3;
    Open();
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!Option(QStringLiteral("Option%1").arg(i))->isChecked());
    Click(define->findChild<QPushButton*>("Command8"));
    QCOMPARE(int(state.PracticeOp), 9);
    QVERIFY(!QFile::exists(ConfigPath()));

    Open();
    Click(Option("Option2"));
    Click(Option("Option10"));
    QCOMPARE(int(state.PracticeOp), 1);
    QCOMPARE(state.CurrentPractice, QStringLiteral("1K2200603151405000000"));
    QVERIFY(QFile::exists(ConfigPath()));
}

void TestDefine::firstRunNoticeOnce()
{
    state.FirstRun = 1;
    state.CurrentPractice = QStringLiteral("0L1200603151405000000");
    QStringList titles;
    QStringList texts;
    QList<QMessageBox::StandardButtons> buttons;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            titles << box->windowTitle();
            texts << box->text();
            buttons << box->standardButtons();
            box->accept();
        }
    });
    closer.start();

    Open();
    QTRY_COMPARE(titles.size(), 1);
    QCOMPARE(titles.front(), QStringLiteral("Numbrella"));
    QCOMPARE(buttons.front(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QString expected = GetTxt(18);
    QVERIFY(expected.startsWith(QStringLiteral("Welcome to Numbrella!")));
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(texts.front(), expected);
    QCOMPARE(int(state.FirstRun), 0);
    QCOMPARE(Lines(platform->IniPath()).value(8), QByteArray("0"));
    // The presets follow the notice.
    QTRY_VERIFY(Option("Option9")->isChecked());
    QVERIFY(!define->IsUnloaded());
    Click(define->findChild<QPushButton*>("Command8"));

    Open();
    define->Activate();
    QTest::qWait(50);
    QCOMPARE(titles.size(), 1);
    QVERIFY(Option("Option9")->isChecked());
}

void TestDefine::framesStayWhite()
{
    state.BackColour = 0x00FF00;
    Open();
    auto check = [&](double back) {
        QCOMPARE(*BackColorOf(define), back);
        QCOMPARE(*BackColorOf(define->findChild<QWidget*>("Label1")), back);
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QCOMPARE(*BackColorOf(define->findChild<QWidget*>(name)), double(0xFFFFFF));
        QCOMPARE(*BackColorOf(Option("Option1")), double(0xFFFFFF));
        QCOMPARE(*BackColorOf(Option("Option8_9")), double(0xFFFFFF));
    };
    check(0x00FF00);
    // A white window then another colour: the frames still keep theirs.
    state.BackColour = 0xFFFFFF;
    define->Activate();
    check(0xFFFFFF);
    state.BackColour = 0x808080;
    define->Activate();
    check(0x808080);
}

void TestDefine::mainLoopRunsDefinition()
{
    state.CurrentPractice = QStringLiteral("0K3200603151405000000");
    QStringList seen;
    int players = 0;
    MainLoopWindows w;
    w.ShowPlayer = [&] {
        seen << "P";
        if (++players == 2)
            platform->EndProgram();
    };
    // First definition: "Okay"; second: "Cancel", which leads back to the player list.
    int defines = 0;
    w.ShowDefine = [&] {
        seen << "D";
        const char* button = defines++ == 0 ? "Command8" : "Command1";
        QTimer::singleShot(20, [button] {
            if (Define* d = Forms::Find<Define>())
                d->findChild<QPushButton*>(button)->click();
        });
        ShowAndWait<Define>();
    };
    w.ShowPractice = [&] { seen << "R"; };
    RunMainLoop(state, *platform, w);
    QCOMPARE(seen.join(' '), QStringLiteral("P D R D P"));
    QCOMPARE(int(state.PracticeOp), 9);
}

QTEST_MAIN(TestDefine)
#include "tst_Define_gui.moc"
