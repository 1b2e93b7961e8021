// The rules behind the configuration window: the level shown for an impossible one, and
// what "Save" makes of the criteria boxes.
#include "config/logic/ConfigRules.h"

#include <QtTest>

class TestConfigRules : public QObject {
    Q_OBJECT
private slots:
    void impossibleLevelShownAsPossible_data();
    void impossibleLevelShownAsPossible();
    void checkCriteria_data();
    void checkCriteria();
};

void TestConfigRules::impossibleLevelShownAsPossible_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("table");
    QTest::addColumn<QList<int>>("entries"); // operation, kind, number
    QTest::newRow("just 7 of multiplication") << 2 << -7 << QList<int>{2, KindJust, 6};
    QTest::newRow("9 asks for the player list: addition") << 9 << 3 << QList<int>{0, KindUpTo, 2};
    QTest::newRow("table -11 is no table: all") << 1 << -11 << QList<int>{1, KindAll, -1};
}

void TestConfigRules::impossibleLevelShownAsPossible()
{
    QFETCH(int, op);
    QFETCH(int, table);
    QFETCH(QList<int>, entries);
    const LevelEntries e = LevelShown(Int16(op), Int16(table));
    QCOMPARE((QList<int>{e.operation, e.kind, e.number}), entries);
}

void TestConfigRules::checkCriteria_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("refusedBox");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text2After");
    QTest::addColumn<QList<int>>("values");
    const QString unset = QStringLiteral("Please set Advancement Criteria");
    const QString badRight = QStringLiteral("Please type the number of problems right as a whole number from 0 to 999.");
    const QString badPractices = QStringLiteral("Please type the number of exercises as a whole number from 0 to 999.");
    QTest::newRow("blanks round the edges") << " 999 " << "0 " << 0 << "" << "0 " << QList<int>{999, 0};
    QTest::newRow("empty second box becomes 7") << "25" << "" << 0 << "" << "7" << QList<int>{25, 7};
    QTest::newRow("blank first box") << " " << "4" << 1 << unset << "4" << QList<int>{};
    QTest::newRow("first box not a number") << "ten" << "" << 1 << badRight << "" << QList<int>{};
    QTest::newRow("1000 too big") << "1000" << "4" << 1 << badRight << "4" << QList<int>{};
    QTest::newRow("beyond 32 bits") << "99999999999" << "4" << 1 << badRight << "4" << QList<int>{};
    QTest::newRow("fraction") << "1.5" << "4" << 1 << badRight << "4" << QList<int>{};
    QTest::newRow("second box negative") << "20" << "-3" << 2 << badPractices << "-3" << QList<int>{};
}

void TestConfigRules::checkCriteria()
{
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, refusedBox);
    QFETCH(QString, message);
    QFETCH(QString, text2After);
    QFETCH(QList<int>, values);
    const CriteriaCheck c = CheckCriteria(text1, text2);
    QCOMPARE(c.refusedBox, refusedBox);
    QCOMPARE(c.message, message);
    QCOMPARE(c.text2, text2After);
    QCOMPARE(c.values ? (QList<int>{c.values->AdvanceNum, c.values->AdvanceRight}) : QList<int>{}, values);
}

QTEST_APPLESS_MAIN(TestConfigRules)
#include "tst_ConfigRules.moc"
