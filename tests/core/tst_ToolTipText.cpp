// The text of a tooltip: a placed tooltip's tag starts with its position.
#include "core/logic/ToolTipText.h"

#include <QtTest>

class TestToolTipText : public QObject {
    Q_OBJECT
private slots:
    void toolTipText()
    {
        QCOMPARE(ToolTipText(QStringLiteral("This adds a new name.")), QStringLiteral("This adds a new name."));
        QCOMPARE(ToolTipText(QStringLiteral("*1200240 User list")), QStringLiteral("User list"));
    }
};

QTEST_GUILESS_MAIN(TestToolTipText)
#include "tst_ToolTipText.moc"
