// The platform printer, printing into a PDF file: pages broken when full, a new page for
// each piece, no empty page at the end and no job when nothing is printed.
#include "help/SystemPrinter.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Pages of a PDF file: its page objects, "/Type /Page" (not "/Pages").
int PdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

QString Lines(int count, const QString& word = QStringLiteral("Line"))
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += word + QLatin1Char(' ') + QString::number(i) + QStringLiteral("\r\n");
    return text;
}
} // namespace

class TestSystemPrinter : public QObject {
    Q_OBJECT
private slots:
    void pieces_data();
    void pieces();
    void fullPagesGoOnAndBlankEndAddsNone();

private:
    QTemporaryDir dir;
};

void TestSystemPrinter::pieces_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<int>("pages");
    QTest::newRow("each piece on a new page") << QStringList{"first\r\n", "second\r\n"} << 2;
    QTest::newRow("an empty piece makes no page") << QStringList{"first\r\n", "", "third\r\n"} << 2;
    QTest::newRow("one long line stays on one page") << QStringList{QString(400, QLatin1Char('x'))} << 1;
    QTest::newRow("nothing printed makes no job") << QStringList{""} << -1;
}

void TestSystemPrinter::pieces()
{
    QFETCH(QStringList, pieces);
    QFETCH(int, pages);
    const QString pdf = dir.filePath(QStringLiteral("pieces.pdf"));
    QFile::remove(pdf);
    SystemPrinter printer(pdf);
    printer.SetFontSize(12);
    for (const QString& piece : pieces) {
        printer.Print(piece);
        printer.NewPage();
    }
    QCOMPARE(printer.EndDoc(), QString());
    QCOMPARE(PdfPages(pdf), pages);
}

void TestSystemPrinter::fullPagesGoOnAndBlankEndAddsNone()
{
    auto print = [this](const QString& text, const QString& name) {
        const QString pdf = dir.filePath(name);
        SystemPrinter printer(pdf);
        printer.SetFontSize(12);
        printer.Print(text);
        printer.NewPage();
        const QString result = printer.EndDoc();
        return result.isEmpty() ? PdfPages(pdf) : -1;
    };
    const int full = print(Lines(300), QStringLiteral("full.pdf"));
    // 300 lines in 12-point type fill several pages.
    QVERIFY2(full >= 4, qPrintable(QString::number(full)));
    QCOMPARE(print(Lines(300) + QString(200, QLatin1Char('\n')), QStringLiteral("blank.pdf")), full);
}

QTEST_MAIN(TestSystemPrinter)
#include "tst_SystemPrinter_gui.moc"
