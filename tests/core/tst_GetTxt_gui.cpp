// GetTxt on the program folder's "nbr.txx", and the stop when the file is missing or short.
#include "core/TextResources.h"
#include "support/GuiSupport.h"

#include <QMessageBox>
#include <QtTest>

class TestGetTxt : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fileTooShortOrMissing_data();
    void fileTooShortOrMissing();

private:
    GuiFixture fx;
};

void TestGetTxt::init()
{
    fx.Reset();
}

void TestGetTxt::fileTooShortOrMissing_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("stops");
    QTest::newRow("missing") << -1 << true;
    QTest::newRow("299 bytes") << 299 << true;
    QTest::newRow("300 bytes") << 300 << false;
}

void TestGetTxt::fileTooShortOrMissing()
{
    QFETCH(int, size);
    QFETCH(bool, stops);
    if (size >= 0) {
        QByteArray bytes = "[12About us[13";
        bytes += QByteArray(size - bytes.size(), ' ');
        WriteBytes(QStringLiteral("nbr.txx"), bytes);
    }
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(20, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        }
    });
    const QString result = GetTxt(12);
    QCOMPARE(fx.platform->ended, stops);
    if (stops) {
        QCOMPARE(title, QStringLiteral("Aborting"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(text, QStringLiteral("Aborting: nbr.txx is missing.\n\nThis probably means one of two things.  Either "
                                      "you installed NBR in a temporary folder or you moved QUBO.EXE after it was "
                                      "installed.  The remedy is to extract NBR.TXX from your original .ZIP file and "
                                      "put it in ") + fx.platform->programDir.path());
    } else {
        QCOMPARE(result, QStringLiteral("About us"));
        QVERIFY(title.isEmpty());
    }
}

QTEST_MAIN(TestGetTxt)
#include "tst_GetTxt_gui.moc"
