// GetTxt on the program folder's "nbr.txx", and the stop when the file is missing or short.
#include "core/TextResources.h"
#include "support/GuiSupport.h"

#include <QMessageBox>
#include <QtTest>

class TestGetTxt : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.Reset(); }
    void fileTooShortOrMissing_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message"); // empty: no message, the section is read
        const QString missing = QStringLiteral("Aborting: nbr.txx is missing.\n\nThis probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in ");
        QTest::newRow("missing") << -1 << missing;
        QTest::newRow("299 bytes") << 299 << missing;
        QTest::newRow("300 bytes") << 300 << QString();
    }
    void fileTooShortOrMissing()
    {
        QFETCH(int, size);
        QFETCH(QString, message);
        if (size >= 0)
            WriteBytes(QStringLiteral("nbr.txx"), QByteArray("[12About us[13").leftJustified(size, ' '));
        QString seen;
        QObject scope; // the answer is not given after this case
        QTimer::singleShot(20, &scope, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->windowTitle() + "|" + QString::number(box->icon()) + "|" + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const QString result = GetTxt(12);
        QCOMPARE(fx.platform->ended, !message.isEmpty());
        QCOMPARE(seen, message.isEmpty() ? QString() : "Aborting|" + QString::number(QMessageBox::Warning) + "|" + message + fx.platform->programDir.path());
        QCOMPARE(result, message.isEmpty() ? QStringLiteral("About us") : QStringLiteral("GetTxt Error"));
    }

private:
    GuiFixture fx;
};

QTEST_MAIN(TestGetTxt)
#include "tst_GetTxt_gui.moc"
