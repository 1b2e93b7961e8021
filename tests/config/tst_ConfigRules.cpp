// What "Save" in the configuration window makes of the two criteria boxes.
#include "config/logic/ConfigRules.h"

#include <QtTest>

class TestConfigRules : public QObject {
    Q_OBJECT
private slots:
    void checkCriteria_data()
    {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("result"); // the numbers, or the box refused and its message; then the second box
        const QString badRight = QStringLiteral("1 Please type the number of problems right as a whole number from 0 to 999.");
        QTest::newRow("blanks round the edges") << " 999 " << "0 " << "999 0 | 0 ";
        QTest::newRow("empty second box becomes 7") << "25" << "" << "25 7 | 7";
        QTest::newRow("blank first box: the empty second stays") << " " << "" << "1 Please set Advancement Criteria | ";
        QTest::newRow("first box not a number") << "ten" << "4" << badRight + " | 4";
        QTest::newRow("1000 too big") << "1000" << "4" << badRight + " | 4";
        QTest::newRow("beyond 32 bits") << "99999999999" << "4" << badRight + " | 4";
        QTest::newRow("second box negative")
            << "20" << "-3" << "2 Please type the number of exercises as a whole number from 0 to 999. | -3";
    }
    void checkCriteria()
    {
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QFETCH(QString, result);
        const CriteriaCheck c = CheckCriteria(text1, text2);
        const QString got = c.values ? QStringLiteral("%1 %2").arg(c.values->AdvanceNum).arg(c.values->AdvanceRight)
                                     : QStringLiteral("%1 %2").arg(c.refusedBox).arg(c.message);
        QCOMPARE(got + " | " + c.text2, result);
    }
};

QTEST_APPLESS_MAIN(TestConfigRules)
#include "tst_ConfigRules.moc"
