// The platform printer, printing into a PDF file: full pages go on to the next, a blank end
// adds no page, an empty piece makes none and nothing printed makes no job.
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
        const QString pdf = dir.filePath(QString::number(qHash(pieces)) + QStringLiteral(".pdf"));
        SystemPrinter printer(pdf);
        for (const QString& piece : pieces) {
            printer.Print(piece);
            printer.NewPage();
        }
        QFile f(pdf);
        if (!printer.EndDoc().isEmpty() || !f.open(QIODevice::ReadOnly))
            return -1;
        return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    }
private slots:
    void pages()
    {
        QString lines;
        for (int i = 1; i <= 300; ++i)
            lines += QStringLiteral("Line %1\r\n").arg(i);
        const int full = PrintedPages({lines});
        QVERIFY2(full >= 4, qPrintable(QString::number(full))); // 300 lines in 12-point type
        QCOMPARE(PrintedPages({lines + QString(200, u'\n')}), full);
        QCOMPARE(PrintedPages({QStringLiteral("first\r\n"), QString(), QStringLiteral("third\r\n")}), 2);
        QCOMPARE(PrintedPages({QString()}), -1);
    }
};

QTEST_MAIN(TestSystemPrinter)
#include "tst_SystemPrinter_gui.moc"
