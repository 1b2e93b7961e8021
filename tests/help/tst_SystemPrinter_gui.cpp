// The platform printer, printing into a PDF file: a new page for each piece, full pages
// going on to the next, no empty page at the end and no job when nothing is printed.
#include "help/SystemPrinter.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestSystemPrinter : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    // The pages of the PDF file the pieces print into (its "/Type /Page" objects); -1 for no file.
    int PrintedPages(const QStringList& pieces)
    {
        const QString pdf = dir.filePath(QString::number(++printed) + QStringLiteral(".pdf"));
        SystemPrinter printer(pdf);
        printer.SetFontSize(12);
        for (const QString& piece : pieces) {
            printer.Print(piece);
            printer.NewPage();
        }
        QFile f(pdf);
        if (!printer.EndDoc().isEmpty() || !f.open(QIODevice::ReadOnly))
            return -1;
        return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    }
    int printed = 0;
private slots:
    void pieces_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<int>("pages");
        QTest::newRow("each piece on a new page") << QStringList{"first\r\n", "second\r\n"} << 2;
        QTest::newRow("an empty piece makes no page") << QStringList{"first\r\n", "", "third\r\n"} << 2;
        QTest::newRow("one long line stays on one page") << QStringList{QString(400, u'x')} << 1;
        QTest::newRow("nothing printed makes no job") << QStringList{""} << -1;
    }
    void pieces()
    {
        QFETCH(QStringList, pieces);
        QFETCH(int, pages);
        QCOMPARE(PrintedPages(pieces), pages);
    }
    void fullPagesGoOnAndBlankEndAddsNone()
    {
        QString lines;
        for (int i = 1; i <= 300; ++i)
            lines += QStringLiteral("Line %1\r\n").arg(i);
        const int full = PrintedPages({lines});
        QVERIFY2(full >= 4, qPrintable(QString::number(full))); // 300 lines in 12-point type
        QCOMPARE(PrintedPages({lines + QString(200, u'\n')}), full);
    }
};

QTEST_MAIN(TestSystemPrinter)
#include "tst_SystemPrinter_gui.moc"
