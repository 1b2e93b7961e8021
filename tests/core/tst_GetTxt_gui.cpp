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
        QTest::addColumn<int>("size"); // -1: no file
        QTest::addColumn<bool>("stops");
        QTest::newRow("missing") << -1 << true;
        QTest::newRow("299 bytes") << 299 << true;
        QTest::newRow("300 bytes") << 300 << false;
    }
    void fileTooShortOrMissing()
    {
        QFETCH(int, size);
        QFETCH(bool, stops);
        if (size >= 0)
            WriteBytes(QStringLiteral("nbr.txx"), QByteArray("[12About us[13").leftJustified(size, ' '));
        QString seen;
        QObject scope; // no answer after this case
        QTimer::singleShot(20, &scope, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::Warning);
            seen = box->windowTitle() + ": " + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(GetTxt(12), stops ? QStringLiteral("GetTxt Error") : QStringLiteral("About us"));
        QCOMPARE(fx.platform->ended, stops);
        QCOMPARE(seen, stops ? "Aborting: Aborting: nbr.txx is missing.\n\nThis probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in " + fx.platform->programDir.path() : QString());
    }

private:
    GuiFixture fx;
};

QTEST_MAIN(TestGetTxt)
#include "tst_GetTxt_gui.moc"
