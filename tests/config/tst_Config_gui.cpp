// The configuration window: what opening shows, what the clicks change, what "Save",
// "Cancel" and closing leave in the shared state and in the player's settings file.
#include "config/Config.h"
#include "core/WindowUtils.h"
#include "mainwin/BackForm.h"
#include "mainwin/M_Boxx.h"
#include "scores/logic/PracticeRecord.h"
#include "support/GuiSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QStringList Lines(const QString& path)
{
    QStringList lines = QString::fromUtf8(ReadBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openingMinutes_data();
    void openingMinutes();
    void autoAdvanceOffStillStoresLevel();
    void tickAutoAdvance_data();
    void tickAutoAdvance();
    void gradeOverwritesTypedCriteria_data();
    void gradeOverwritesTypedCriteria();
    void savedLevel_data();
    void savedLevel();
    void savedCriteria_data();
    void savedCriteria();
    void refusedSave_data();
    void refusedSave();
    void swatchColourOnlyOnSave_data();
    void swatchColourOnlyOnSave();
    void closingGivesBackTheDefinition_data();
    void closingGivesBackTheDefinition();
    void problemFormat_data();
    void problemFormat();
    void gradeShownAndKept_data();
    void gradeShownAndKept();
    void menuOpensConfiguration();

private:
    Config* Open();
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
    s.AdvanceRight = 7;
    s.ProblemFormat = 1;
}

Config* TestConfig::Open()
{
    config = Forms::Load<Config>();
    config->show();
    return config;
}

void TestConfig::openingMinutes_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7") << 7 << "7 minutes";
    QTest::newRow("10") << 10 << "10 minutes";
    QTest::newRow("30") << 30 << "30 minutes";
    QTest::newRow("1") << 1 << "1 minute";
    QTest::newRow("4 has no entry") << 4 << "";
}

void TestConfig::openingMinutes()
{
    QFETCH(int, minutes);
    QFETCH(QString, shown);
    fx.state.AdvanceMinutes = Int16(minutes);
    Open();
    QCOMPARE(List(config, "Combo4")->currentText(), shown);
    // The criteria shown are the stored ones, not the grade's defaults.
    QCOMPARE(Box(config, "Text1")->text(), QStringLiteral("27"));
    Click(config, "Command2");
    QCOMPARE(int(fx.state.AdvanceMinutes), shown.isEmpty() ? 0 : minutes);
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
    // The hidden lists still show the working level.
    QCOMPARE(List(config, "Combo1")->currentText(), QStringLiteral("Division"));
    QCOMPARE(List(config, "Combo2")->currentText(), QStringLiteral("Just"));
    QCOMPARE(List(config, "Combo3")->currentText(), QStringLiteral("4"));
    Click(config, "Command2");
    QVERIFY(config.isNull() || config->IsUnloaded());
    QCOMPARE(s.LevelDef, QStringLiteral("3G5202403051407011012"));
    QCOMPARE(int(s.AutoAdvance), 0);
    QCOMPARE(Lines(CfgFile).value(3), QStringLiteral("\"3G5202403051407011012\""));
    QCOMPARE(Lines(CfgFile).value(2), QStringLiteral("0"));
}

void TestConfig::tickAutoAdvance_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("0 in grade 2: defaults") << "2" << "0" << "18" << "7" << "3 minutes";
    QTest::newRow("empty in grade 1: defaults") << "1" << "" << "10" << "7" << "3 minutes";
    QTest::newRow("25 changes nothing") << "2" << "25" << "25" << "4" << "10 minutes";
    QTest::newRow("0 with N/A: only the minutes") << "N/A" << "0" << "0" << "4" << "3 minutes";
}

void TestConfig::tickAutoAdvance()
{
    QFETCH(QString, grade);
    QFETCH(QString, typed);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, minutes);
    AppState& s = fx.state;
    s.AutoAdvance = 0;
    s.PlayerGrade = grade;
    s.AdvanceNum = 0;
    s.AdvanceRight = 4;
    s.AdvanceMinutes = 10;
    Open();
    Box(config, "Text1")->setText(typed);
    QTest::mouseClick(Child<QCheckBox>(config, "Check1"), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(Child<QCheckBox>(config, "Check1")->isChecked());
    QVERIFY(!Child<QGroupBox>(config, "Frame2")->isHidden());
    QVERIFY(!Child<QGroupBox>(config, "Frame4")->isHidden());
    QCOMPARE(Box(config, "Text1")->text(), text1);
    QCOMPARE(Box(config, "Text2")->text(), text2);
    QCOMPARE(List(config, "Combo4")->currentText(), minutes);
    QTest::mouseClick(Child<QCheckBox>(config, "Check1"), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(Child<QGroupBox>(config, "Frame2")->isHidden());
    QVERIFY(Child<QGroupBox>(config, "Frame4")->isHidden());
}

void TestConfig::gradeOverwritesTypedCriteria_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("grade");
    QTest::newRow("grade 4") << 4 << 36 << 7 << "4";
    QTest::newRow("grade 1") << 1 << 10 << 7 << "1";
    QTest::newRow("grade 3 chosen again") << 3 << 27 << 7 << "3";
    QTest::newRow("N/A keeps the typed values") << 0 << 50 << 2 << "N/A";
}

void TestConfig::gradeOverwritesTypedCriteria()
{
    QFETCH(int, entry);
    QFETCH(int, num);
    QFETCH(int, right);
    QFETCH(QString, grade);
    fx.state.AdvanceMinutes = 10;
    Open();
    Box(config, "Text1")->setText(QStringLiteral("50"));
    Box(config, "Text2")->setText(QStringLiteral("2"));
    Choose(List(config, "Combo6"), entry);
    QCOMPARE(List(config, "Combo4")->currentText(), QStringLiteral("3 minutes"));
    Click(config, "Command2");
    AppState& s = fx.state;
    QCOMPARE(int(s.AdvanceNum), num);
    QCOMPARE(int(s.AdvanceMinutes), 3);
    QCOMPARE(int(s.AdvanceRight), right);
    QCOMPARE(s.PlayerGrade, grade);
    const QStringList lines = Lines(CfgFile);
    QCOMPARE(lines.mid(4, 3), (QStringList{QString::number(num), "3", QString::number(right)}));
    QCOMPARE(lines.value(0), QStringLiteral("\"%1\"").arg(grade));
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
    QTest::newRow("all of subtraction") << upTo1 << QList<int>{0, 1, 1, 0} << "1K3";
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
    AppState& s = fx.state;
    QCOMPARE(s.LevelDef.left(3), key);
    // The time of the save; the counts of the level unpacked at the opening.
    QCOMPARE(s.LevelDef.mid(3), QStringLiteral("202403051407020021"));
    QCOMPARE(Lines(CfgFile).value(3), QStringLiteral("\"%1\"").arg(s.LevelDef));
}

void TestConfig::savedCriteria_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("right");
    QTest::newRow("empty second box saves 7") << "30" << "" << 30 << 7;
    QTest::newRow("blanks round the numbers") << " 12 " << "3 " << 12 << 3;
    QTest::newRow("edges") << "999" << "0" << 999 << 0;
}

void TestConfig::savedCriteria()
{
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, num);
    QFETCH(int, right);
    Open();
    Box(config, "Text1")->setText(text1);
    Box(config, "Text2")->setText(text2);
    Click(config, "Command2");
    QVERIFY(config.isNull() || config->IsUnloaded());
    QCOMPARE(int(fx.state.AdvanceNum), num);
    QCOMPARE(int(fx.state.AdvanceRight), right);
    QCOMPARE(Lines(CfgFile).mid(4, 3), (QStringList{QString::number(num), "3", QString::number(right)}));
}

void TestConfig::refusedSave_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty") << "" << "7" << "Please set Advancement Criteria" << "Text1";
    QTest::newRow("words") << "ten" << "7"
                           << "Please type the number of problems right as a whole number from 0 to 999." << "Text1";
    QTest::newRow("negative exercises") << "20" << "-3"
                                        << "Please type the number of exercises as a whole number from 0 to 999."
                                        << "Text2";
}

void TestConfig::refusedSave()
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
    QTest::mouseClick(Child<QLabel>(config, "Label13_10"), Qt::LeftButton);
    Box(config, "Text1")->setText(text1);
    Box(config, "Text2")->setText(text2);
    QString shown;
    Script script;
    script.On<M_Boxx>([&](M_Boxx* b) {
        shown = Child<QLabel>(b, "Label1")->text();
        Click(b, "Command1");
    });
    Click(config, "Command2");
    QCOMPARE(shown, message);
    QVERIFY(!config.isNull() && !config->IsUnloaded());
    QCOMPARE(config->focusWidget(), Box(config, focus.toLatin1().constData()));
    QVERIFY(!QFile::exists(CfgFile));
    QCOMPARE(int(s.AdvanceNum), 27);
    QCOMPARE(int(s.AdvanceRight), 7);

    Click(config, "Command3");
    QVERIFY(config.isNull() || config->IsUnloaded());
    QVERIFY(!QFile::exists(CfgFile));
    // Format and level were taken before the refusal and stay in memory.
    QCOMPARE(int(s.ProblemFormat), 2);
    QCOMPARE(s.LevelDef, QStringLiteral("2D3202403051407020021"));
    QCOMPARE(s.BackColour, DefaultBackColour);
    QCOMPARE(int(s.AdvanceNum), 27);
    QCOMPARE(int(s.PracticeOp), 1);
    QCOMPARE(int(s.TableNum), 1);
    QCOMPARE(int(s.PracticeMinutes), 2);
}

void TestConfig::swatchColourOnlyOnSave_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("cancel") << false;
}

void TestConfig::swatchColourOnlyOnSave()
{
    QFETCH(bool, save);
    AppState& s = fx.state;
    s.ProblemFormat = 2;
    const double red = 255 + 128 * 256 + 128 * 65536; // swatch 10: 255, 128, 128
    Open();
    QCOMPARE(BackColorOf(config).value_or(0), DefaultBackColour);
    QTest::mouseClick(Child<QLabel>(config, "Label13_10"), Qt::LeftButton);
    QCOMPARE(BackColorOf(config).value_or(0), red);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        QCOMPARE(BackColorOf(Child<QLabel>(config, name)).value_or(0), red);
    QCOMPARE(BackColorOf(Child<QGroupBox>(config, "Frame3")).value_or(0), red);
    QCOMPARE(BackColorOf(Child<QCheckBox>(config, "Check1")).value_or(0), red);
    // The swatches keep their own colours.
    QCOMPARE(BackColorOf(Child<QLabel>(config, "Label13_8")).value_or(0), double(0xFFFFFF));
    QCOMPARE(s.BackColour, DefaultBackColour);

    Click(config, save ? "Command2" : "Command3");
    QVERIFY(config.isNull() || config->IsUnloaded());
    if (!save) {
        QCOMPARE(s.BackColour, DefaultBackColour);
        QVERIFY(!QFile::exists(CfgFile));
        return;
    }
    QCOMPARE(s.BackColour, red);
    QCOMPARE(Lines(CfgFile), (QStringList{"\"3\"", "\"1L2202401020304011012\"", "1", "\"0H3202403051407020021\"", "27",
                                          "3", "7", "2", "8421631"}));
}

void TestConfig::closingGivesBackTheDefinition_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Save") << "Command2";
    QTest::newRow("Cancel") << "Command3";
    QTest::newRow("close box") << "";
}

void TestConfig::closingGivesBackTheDefinition()
{
    QFETCH(QString, how);
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
    if (how.isEmpty())
        config->close();
    else
        Click(config, how.toLatin1().constData());
    QVERIFY(config.isNull() || config->IsUnloaded());
    QCOMPARE(int(s.PracticeOp), 2);
    QCOMPARE(int(s.TableNum), -6);
    QCOMPARE(int(s.PracticeMinutes), 5);
    QCOMPARE(int(s.CorrectCount), 33);
    QCOMPARE(int(s.AttemptCount), 35);
    QCOMPARE(QFile::exists(CfgFile), how == "Command2");
    QCOMPARE(s.LevelDef.left(3), how == "Command2" ? QStringLiteral("3M3") : QStringLiteral("0H3"));
}

void TestConfig::problemFormat_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("clickPreview");
    QTest::addColumn<int>("saved");
    QTest::newRow("0 shows the first") << 0 << false << 1;
    QTest::newRow("2") << 2 << false << 2;
    QTest::newRow("3") << 3 << false << 3;
    QTest::newRow("a click on the vertical preview") << 1 << true << 3;
}

void TestConfig::problemFormat()
{
    QFETCH(int, stored);
    QFETCH(bool, clickPreview);
    QFETCH(int, saved);
    fx.state.ProblemFormat = Int16(stored);
    Open();
    if (clickPreview)
        QTest::mouseClick(Child<QLabel>(config, "Label5"), Qt::LeftButton);
    Click(config, "Command2");
    QCOMPARE(int(fx.state.ProblemFormat), saved);
    QCOMPARE(Lines(CfgFile).value(7), QString::number(saved));
}

void TestConfig::gradeShownAndKept_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3") << "3" << "3";
    QTest::newRow("N/A from the grade dialog") << "0" << "N/A";
    QTest::newRow("grade 8") << "8" << "8";
}

void TestConfig::gradeShownAndKept()
{
    QFETCH(QString, grade);
    QFETCH(QString, shown);
    fx.state.PlayerGrade = grade;
    Open();
    QCOMPARE(List(config, "Combo6")->currentText(), shown);
    Click(config, "Command2");
    QCOMPARE(fx.state.PlayerGrade, shown);
    QCOMPARE(Lines(CfgFile).value(0), QStringLiteral("\"%1\"").arg(shown));
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
    back->Unload();
}

QTEST_MAIN(TestConfig)
#include "tst_Config_gui.moc"
