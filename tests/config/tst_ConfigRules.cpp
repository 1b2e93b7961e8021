// The numbers behind the configuration window: default criteria by grade, the minutes and
// grade lists, the level shown and saved, the criteria boxes and the swatch grid.
#include "config/logic/ConfigRules.h"
#include "config/logic/Swatches.h"

#include <QSet>
#include <QtTest>

class TestConfigRules : public QObject {
    Q_OBJECT
private slots:
    void defaultCriteria_data();
    void defaultCriteria();
    void minutes_data();
    void minutes();
    void gradeList_data();
    void gradeList();
    void levelShown_data();
    void levelShown();
    void savedTable_data();
    void savedTable();
    void readCriterion_data();
    void readCriterion();
    void checkCriteria_data();
    void checkCriteria();
    void swatches_data();
    void swatches();
    void swatchGridHasEveryCellOnce();
};

void TestConfigRules::defaultCriteria_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("num"); // -1: nothing filled in
    QTest::newRow("grade 1") << "1" << 10;
    QTest::newRow("grade 2") << "2" << 18;
    QTest::newRow("grade 3") << "3" << 27;
    QTest::newRow("grade 4") << "4" << 36;
    QTest::newRow("grade 6") << "6" << 36;
    QTest::newRow("grade 9 from the grade dialog") << "9" << 36;
    QTest::newRow("N/A") << "N/A" << -1;
    QTest::newRow("N/A as the grade dialog stores it") << "0" << -1;
    QTest::newRow("no grade") << "" << -1;
    QTest::newRow("not a number") << "3rd" << -1;
}

void TestConfigRules::defaultCriteria()
{
    QFETCH(QString, grade);
    QFETCH(int, num);
    const auto c = DefaultCriteria(grade);
    QCOMPARE(c.has_value(), num >= 0);
    if (c) {
        QCOMPARE(int(c->AdvanceNum), num);
        QCOMPARE(int(c->AdvanceRight), 7);
    }
}

void TestConfigRules::minutes_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1") << 1 << 0 << "1 minute";
    QTest::newRow("2") << 2 << 1 << "2 minutes";
    QTest::newRow("3") << 3 << 2 << "3 minutes";
    QTest::newRow("5") << 5 << 3 << "5 minutes";
    QTest::newRow("7") << 7 << 4 << "7 minutes";
    QTest::newRow("10") << 10 << 5 << "10 minutes";
    QTest::newRow("30") << 30 << 6 << "30 minutes";
    QTest::newRow("4 has no entry") << 4 << -1 << "";
    QTest::newRow("0 has no entry") << 0 << -1 << "";
}

void TestConfigRules::minutes()
{
    QFETCH(int, minutes);
    QFETCH(int, entry);
    QFETCH(QString, caption);
    QCOMPARE(MinutesEntries().size(), 7);
    QCOMPARE(MinutesEntry(minutes), entry);
    if (entry >= 0) {
        QCOMPARE(MinutesEntries().at(entry), caption);
        QCOMPARE(int(EntryMinutes(entry)), minutes);
    } else {
        QCOMPARE(int(EntryMinutes(entry)), 0); // nothing selected saves 0
    }
    QCOMPARE(MinutesEntries().at(ThreeMinutesEntry), QStringLiteral("3 minutes"));
}

void TestConfigRules::gradeList_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("shown");
    const QStringList listed{"N/A", "1", "2", "3", "4", "5", "6"};
    QTest::newRow("grade 3") << "3" << listed << 3;
    QTest::newRow("N/A") << "N/A" << listed << 0;
    QTest::newRow("N/A from the grade dialog") << "0" << listed << 0;
    QTest::newRow("grade 8 is kept") << "8" << (listed + QStringList{"8"}) << 7;
    QTest::newRow("no grade shows nothing") << "" << listed << -1;
}

void TestConfigRules::gradeList()
{
    QFETCH(QString, grade);
    QFETCH(QStringList, entries);
    QFETCH(int, shown);
    QCOMPARE(GradeEntries(grade), entries);
    QCOMPARE(GradeEntry(GradeEntries(grade), grade), shown);
}

void TestConfigRules::levelShown_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("just 7 of multiplication") << 2 << -7 << 2 << KindJust << 6;
    QTest::newRow("all of addition") << 0 << 0 << 0 << KindAll << -1;
    QTest::newRow("up to 10 of subtraction") << 1 << 10 << 1 << KindUpTo << 9;
    QTest::newRow("just 10 of division") << 3 << -10 << 3 << KindJust << 9;
    QTest::newRow("up to 1") << 3 << 1 << 3 << KindUpTo << 0;
    QTest::newRow("9 asks for the player list: addition") << 9 << 3 << 0 << KindUpTo << 2;
    QTest::newRow("table 11 is no table: all") << 0 << 11 << 0 << KindAll << -1;
    QTest::newRow("table -11 is no table: all") << 1 << -11 << 1 << KindAll << -1;
}

void TestConfigRules::levelShown()
{
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(int, operation);
    QFETCH(int, kind);
    QFETCH(int, number);
    const LevelEntries e = LevelShown(Int16(op), Int16(table));
    QCOMPARE(e.operation, operation);
    QCOMPARE(e.kind, kind);
    QCOMPARE(e.number, number);
}

void TestConfigRules::savedTable_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("kindFlag");
    QTest::addColumn<int>("saved");
    QTest::newRow("just 7") << 7 << 0 << -7;
    QTest::newRow("just 7 saved twice") << -7 << 0 << -7;
    QTest::newRow("up to 7") << 7 << 1 << 7;
    QTest::newRow("up to after just") << -7 << 1 << 7;
    QTest::newRow("all stays 0") << 0 << 0 << 0;
}

void TestConfigRules::savedTable()
{
    QFETCH(int, table);
    QFETCH(int, kindFlag);
    QFETCH(int, saved);
    QCOMPARE(int(SavedTable(Int16(table), Int16(kindFlag))), saved);
}

void TestConfigRules::readCriterion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1: refused
    QTest::newRow("25") << "25" << 25;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("999") << "999" << 999;
    QTest::newRow("blanks round it") << " 36 " << 36;
    QTest::newRow("leading zeros") << "0007" << 7;
    QTest::newRow("1000 too big") << "1000" << -1;
    QTest::newRow("beyond 16 bits") << "40000" << -1;
    QTest::newRow("beyond 32 bits") << "99999999999" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("plus sign") << "+5" << -1;
    QTest::newRow("fraction") << "1.5" << -1;
    QTest::newRow("words") << "ten" << -1;
    QTest::newRow("two numbers") << "1 2" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestConfigRules::readCriterion()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const auto n = ReadCriterion(text);
    QCOMPARE(n.has_value(), value >= 0);
    if (n)
        QCOMPARE(int(*n), value);
}

void TestConfigRules::checkCriteria_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("refusedBox");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text2After");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("right");
    const QString unset = QStringLiteral("Please set Advancement Criteria");
    const QString badRight = QStringLiteral("Please type the number of problems right as a whole number from 0 to 999.");
    const QString badPractices = QStringLiteral("Please type the number of exercises as a whole number from 0 to 999.");
    QTest::newRow("both typed") << "25" << "3" << 0 << "" << "3" << 25 << 3;
    QTest::newRow("empty second box becomes 7") << "25" << "" << 0 << "" << "7" << 25 << 7;
    QTest::newRow("blank second box becomes 7") << "25" << "  " << 0 << "" << "7" << 25 << 7;
    QTest::newRow("zeros") << "0" << "0" << 0 << "" << "0" << 0 << 0;
    QTest::newRow("empty first box") << "" << "" << 1 << unset << "" << 0 << 0;
    QTest::newRow("blank first box") << " " << "4" << 1 << unset << "4" << 0 << 0;
    QTest::newRow("first box not a number") << "ten" << "" << 1 << badRight << "" << 0 << 0;
    QTest::newRow("first box too big") << "1000" << "4" << 1 << badRight << "4" << 0 << 0;
    QTest::newRow("second box negative") << "20" << "-3" << 2 << badPractices << "-3" << 0 << 0;
}

void TestConfigRules::checkCriteria()
{
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, refusedBox);
    QFETCH(QString, message);
    QFETCH(QString, text2After);
    QFETCH(int, num);
    QFETCH(int, right);
    const CriteriaCheck c = CheckCriteria(text1, text2);
    QCOMPARE(c.refusedBox, refusedBox);
    QCOMPARE(c.message, message);
    QCOMPARE(c.text2, text2After);
    QCOMPARE(c.values.has_value(), refusedBox == 0);
    if (c.values) {
        QCOMPARE(int(c.values->AdvanceNum), num);
        QCOMPARE(int(c.values->AdvanceRight), right);
    }
}

void TestConfigRules::swatches_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("8") << 8 << 240 << 360 << 255 << 255 << 255;
    QTest::newRow("12") << 12 << 600 << 360 << 255 << 255 << 224;
    QTest::newRow("14") << 14 << 960 << 360 << 255 << 242 << 242;
    QTest::newRow("13") << 13 << 1320 << 360 << 208 << 240 << 255;
    QTest::newRow("0") << 0 << 240 << 720 << 224 << 224 << 224;
    QTest::newRow("4") << 4 << 600 << 720 << 255 << 255 << 195;
    QTest::newRow("5") << 5 << 960 << 720 << 255 << 224 << 224;
    QTest::newRow("3") << 3 << 1320 << 720 << 182 << 218 << 255;
    QTest::newRow("9") << 9 << 240 << 1080 << 192 << 192 << 192;
    QTest::newRow("6") << 6 << 600 << 1080 << 255 << 255 << 128;
    QTest::newRow("10") << 10 << 960 << 1080 << 255 << 128 << 128;
    QTest::newRow("7") << 7 << 1320 << 1080 << 157 << 182 << 255;
    QTest::newRow("1") << 1 << 240 << 1440 << 176 << 187 << 176;
    QTest::newRow("15") << 15 << 600 << 1440 << 224 << 255 << 208;
    QTest::newRow("2") << 2 << 960 << 1440 << 186 << 255 << 229;
    QTest::newRow("11") << 11 << 1320 << 1440 << 192 << 192 << 255;
}

void TestConfigRules::swatches()
{
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const Swatch s = SwatchAt(index);
    QCOMPARE(s.left, left);
    QCOMPARE(s.top, top);
    // Red in the low byte.
    QCOMPARE(s.colour, double(red + green * 256 + blue * 65536));
}

void TestConfigRules::swatchGridHasEveryCellOnce()
{
    QSet<QPair<int, int>> cells;
    for (int i = 0; i < SwatchCount; ++i)
        cells.insert({SwatchAt(i).left, SwatchAt(i).top});
    QCOMPARE(cells.size(), SwatchCount);
    QCOMPARE(SwatchAt(WhiteSwatch).colour, double(0xFFFFFF));
}

QTEST_APPLESS_MAIN(TestConfigRules)
#include "tst_ConfigRules.moc"
