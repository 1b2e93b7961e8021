// The configuration window: what opening shows, what the clicks change, what "Save",
// "Cancel" and closing leave in the shared state and in the player's settings file.
#include "config/Config.h"
#include "core/WindowUtils.h"
#include "mainwin/BackForm.h"
#include "support/GuiSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString CfgFile = QStringLiteral("AAB.cfg");

QComboBox* List(Config* w, const char* name) { return Child<QComboBox>(w, name); }
QLineEdit* Box(Config* w, const char* name) { return Child<QLineEdit>(w, name); }

// The user picks an entry: the list changes and tells its click handling.
void Choose(QComboBox* list, int entry)
{
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void criteria_data();
    void criteria();
    void autoAdvanceOffStillStoresLevel();
    void savedLevel_data();
    void savedLevel();
    void cancelAfterRefusedSave_data();
    void cancelAfterRefusedSave();
    void swatchColourOnlyOnSave();
    void closingGivesBackTheDefinition_data();
    void closingGivesBackTheDefinition();
    void menuOpensConfiguration();

private:
    void Open();
    GuiFixture fx;
    QPointer<Config> config;
};

void TestConfig::init()
{
    fx.Reset();
    AppState& s = fx.state;
    fx.platform->now = QDateTime(QDate(2024, 3, 5), QTime(14, 7));
    s.PlayerName = QStringLiteral("Ann");
    s.PlayerFileId = QStringLiteral("AAB");
    s.PlayerGrade = QStringLiteral("3");
    s.CurrentPractice = QStringLiteral("1L2202401020304011012");
    s.PracticeOp = 1;
    s.TableNum = 1;
    s.PracticeMinutes = 2;
    s.CorrectCount = 11;
    s.AttemptCount = 12;
    s.AutoAdvance = 1;
    s.LevelDef = QStringLiteral("0H3202312010800020021");
    s.AdvanceNum = 27;
    s.AdvanceMinutes = 3;
    s.AdvanceRight = 4;
    s.ProblemFormat = 1;
}

void TestConfig::Open()
{
    config = Forms::Load<Config>();
    config->show();
}

void TestConfig::criteria_data()
{
    QTest::addColumn<int>("autoAdvance");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("typed"); // into the first criteria box, when not empty
    QTest::addColumn<QString>("action"); // "tick" Auto Advance, or the grade chosen
    QTest::addColumn<QStringList>("shown"); // both boxes and the minutes list
    QTest::addColumn<QStringList>("saved"); // AdvanceNum, AdvanceMinutes, AdvanceRight in the settings file
    // Opening shows the stored criteria, not the grade's defaults.
    QTest::newRow("opening with 7 minutes")
        << 1 << "3" << 7 << "" << "" << QStringList{"27", "4", "7 minutes"} << QStringList{"27", "7", "4"};
    QTest::newRow("opening with 10 minutes")
        << 1 << "3" << 10 << "" << "" << QStringList{"27", "4", "10 minutes"} << QStringList{"27", "10", "4"};
    QTest::newRow("opening with 30 minutes")
        << 1 << "3" << 30 << "" << "" << QStringList{"27", "4", "30 minutes"} << QStringList{"27", "30", "4"};
    QTest::newRow("grade 8 from the grade dialog is kept")
        << 1 << "8" << 3 << "" << "" << QStringList{"27", "4", "3 minutes"} << QStringList{"27", "3", "4"};
    QTest::newRow("4 minutes have no entry: saved as 0")
        << 1 << "3" << 4 << "" << "" << QStringList{"27", "4", ""} << QStringList{"27", "0", "4"};
    QTest::newRow("tick with 0 in grade 2: the defaults")
        << 0 << "2" << 10 << "0" << "tick" << QStringList{"18", "7", "3 minutes"} << QStringList{"18", "3", "7"};
    QTest::newRow("tick with 25: nothing changes")
        << 0 << "2" << 10 << "25" << "tick" << QStringList{"25", "4", "10 minutes"} << QStringList{"25", "10", "4"};
    QTest::newRow("tick with 0 and N/A: only the minutes")
        << 0 << "N/A" << 10 << "0" << "tick" << QStringList{"0", "4", "3 minutes"} << QStringList{"0", "3", "4"};
    QTest::newRow("grade 4 overwrites typed values")
        << 1 << "3" << 10 << "50" << "4" << QStringList{"36", "7", "3 minutes"} << QStringList{"36", "3", "7"};
    QTest::newRow("N/A keeps typed values")
        << 1 << "3" << 10 << "50" << "N/A" << QStringList{"50", "4", "3 minutes"} << QStringList{"50", "3", "4"};
}

void TestConfig::criteria()
{
    QFETCH(int, autoAdvance);
    QFETCH(QString, grade);
    QFETCH(int, minutes);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, saved);
    fx.state.AutoAdvance = Int16(autoAdvance);
    fx.state.PlayerGrade = grade;
    fx.state.AdvanceMinutes = Int16(minutes);
    Open();
    if (!typed.isEmpty())
        Box(config, "Text1")->setText(typed);
    if (action == "tick")
        QTest::mouseClick(Child<QCheckBox>(config, "Check1"), Qt::LeftButton, {}, QPoint(6, 6));
    else if (!action.isEmpty())
        Choose(List(config, "Combo6"), List(config, "Combo6")->findText(action));
    QVERIFY(!Child<QGroupBox>(config, "Frame2")->isHidden());
    const QStringList boxes{Box(config, "Text1")->text(), Box(config, "Text2")->text(),
                            List(config, "Combo4")->currentText()};
    QCOMPARE(boxes, shown);
    Click(config, "Command2");
    const QStringList lines = FileLines(CfgFile);
    QCOMPARE(lines.mid(4, 3), saved);
    QCOMPARE(lines.value(0), '"' + (action.isEmpty() || action == "tick" ? grade : action) + '"');
}

void TestConfig::autoAdvanceOffStillStoresLevel()
{
    AppState& s = fx.state;
    s.AutoAdvance = 0;
    s.PracticeOp = 3;
    s.TableNum = -4;
    s.PracticeMinutes = 5;
    Open();
    QVERIFY(Child<QGroupBox>(config, "Frame2")->isHidden());
    QVERIFY(Child<QGroupBox>(config, "Frame4")->isHidden());
    Click(config, "Command2");
    QCOMPARE(s.LevelDef, QStringLiteral("3G5202403051407011012"));
    QCOMPARE(FileLines(CfgFile).mid(2, 2), (QStringList{"0", "\"3G5202403051407011012\""}));
}

void TestConfig::savedLevel_data()
{
    QTest::addColumn<QString>("levelDef");
    // Pairs of list (0 operation, 1 kind, 2 number) and the entry the user picks there.
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("key");
    const QString upTo1 = QStringLiteral("0L3202312010800020021");
    QTest::newRow("just 7 of multiplication") << upTo1 << QList<int>{0, 2, 1, 2, 2, 6} << "2D3";
    QTest::newRow("up to 10 of division") << upTo1 << QList<int>{0, 3, 1, 1, 2, 9} << "3U3";
    QTest::newRow("unchanged just 4 with 10 minutes") << "1G0202312010800020021" << QList<int>{} << "1G0";
    QTest::newRow("all, then just: the number still shown")
        << "2D3202312010800020021" << QList<int>{1, 0, 1, 2} << "2D3";
    QTest::newRow("up to without a number is all") << "0K3202312010800020021" << QList<int>{1, 1} << "0K3";
}

void TestConfig::savedLevel()
{
    QFETCH(QString, levelDef);
    QFETCH(QList<int>, choices);
    QFETCH(QString, key);
    fx.state.LevelDef = levelDef;
    Open();
    const char* lists[] = {"Combo1", "Combo2", "Combo3"};
    for (int i = 0; i + 1 < choices.size(); i += 2)
        Choose(List(config, lists[choices[i]]), choices[i + 1]);
    Click(config, "Command2");
    // The kind of level and its number; the time of the save; the counts unpacked at the opening.
    QCOMPARE(fx.state.LevelDef, key + QStringLiteral("202403051407020021"));
    QCOMPARE(FileLines(CfgFile).value(3), '"' + fx.state.LevelDef + '"');
}

void TestConfig::cancelAfterRefusedSave_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty") << "" << "7" << "Please set Advancement Criteria" << "Text1";
    QTest::newRow("negative exercises") << "20" << "-3"
                                        << "Please type the number of exercises as a whole number from 0 to 999."
                                        << "Text2";
}

void TestConfig::cancelAfterRefusedSave()
{
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    AppState& s = fx.state;
    Open();
    Child<QRadioButton>(config, "Option2")->click();
    Choose(List(config, "Combo1"), 2);
    Choose(List(config, "Combo2"), 2);
    Choose(List(config, "Combo3"), 6);
    Box(config, "Text1")->setText(text1);
    Box(config, "Text2")->setText(text2);
    QString shown;
    Script script;
    AnswerMessage(script, shown);
    Click(config, "Command2");
    QCOMPARE(shown, message);
    QVERIFY(!config.isNull() && !config->IsUnloaded());
    QCOMPARE(config->focusWidget(), Box(config, focus.toLatin1().constData()));

    Click(config, "Command3");
    QVERIFY(config.isNull() || config->IsUnloaded());
    QVERIFY(!QFile::exists(CfgFile));
    // Format and level were taken before the refusal and stay in memory.
    QCOMPARE(int(s.ProblemFormat), 2);
    QCOMPARE(s.LevelDef, QStringLiteral("2D3202403051407020021"));
    QCOMPARE(int(s.AdvanceNum), 27);
}

void TestConfig::swatchColourOnlyOnSave()
{
    AppState& s = fx.state;
    const double red = 255 + 128 * 256 + 128 * 65536; // swatch 10: 255, 128, 128
    Open();
    QTest::mouseClick(Child<QLabel>(config, "Label13_10"), Qt::LeftButton);
    QCOMPARE(BackColorOf(config).value_or(0), red);
    QCOMPARE(BackColorOf(Child<QGroupBox>(config, "Frame3")).value_or(0), red);
    // The swatches keep their own colours.
    QCOMPARE(BackColorOf(Child<QLabel>(config, "Label13_8")).value_or(0), double(0xFFFFFF));
    QCOMPARE(s.BackColour, DefaultBackColour);
    Click(config, "Command2");
    QCOMPARE(s.BackColour, red);
    QCOMPARE(FileLines(CfgFile), (QStringList{"\"3\"", "\"1L2202401020304011012\"", "1", "\"0H3202403051407020021\"",
                                              "27", "3", "4", "1", "8421631"}));
}

void TestConfig::closingGivesBackTheDefinition_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Save") << "Command2";
    QTest::newRow("Cancel") << "Command3";
}

void TestConfig::closingGivesBackTheDefinition()
{
    QFETCH(QString, button);
    AppState& s = fx.state;
    // A drill under way: its definition and tally must survive the window.
    s.PracticeOp = 2;
    s.TableNum = -6;
    s.PracticeMinutes = 5;
    s.CorrectCount = 33;
    s.AttemptCount = 35;
    Open();
    Choose(List(config, "Combo1"), 3);
    Choose(List(config, "Combo2"), 1);
    Choose(List(config, "Combo3"), 1);
    Click(config, button.toLatin1().constData());
    QCOMPARE((QList<int>{s.PracticeOp, s.TableNum, s.PracticeMinutes, s.CorrectCount, s.AttemptCount}),
             (QList<int>{2, -6, 5, 33, 35}));
    QCOMPARE(s.LevelDef.left(3), button == "Command2" ? QStringLiteral("3M3") : QStringLiteral("0H3"));
}

void TestConfig::menuOpensConfiguration()
{
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    QString name;
    Script script;
    script.On<Config>([&](Config* w) {
        name = Child<QLabel>(w, "Label1")->text();
        Click(w, "Command3");
    });
    back->findChild<QAction*>(QStringLiteral("Configure"))->trigger();
    QCOMPARE(name, QStringLiteral("Ann"));
    QCOMPARE(script.Remaining(), 0);
}

QTEST_MAIN(TestConfig)
#include "tst_Config_gui.moc"
