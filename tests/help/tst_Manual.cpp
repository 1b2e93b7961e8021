// The shipped manual "nbr.doc": its lines and its topic headings, read the way the
// program reads it.
#include "help/logic/Documentation.h"
#include "help/logic/TextSearch.h"
#include "support/TestPlatform.h"

#include <QtTest>

namespace {
QByteArray ShippedManual()
{
    return ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/nbr.doc"));
}
} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void plainAsciiWithCrLf();
    void everyStarIsAHeadingItsKeyFinds();
};

void TestManual::plainAsciiWithCrLf()
{
    const QByteArray file = ShippedManual();
    QVERIFY(file.size() > 10000);
    QVERIFY(file.endsWith("\r\n"));
    // Every line ends with CR LF: the readers look for the carriage return.
    QCOMPARE(file.count("\r\n"), file.count('\n'));
    QCOMPARE(file.count("\r\n"), file.count('\r'));
    for (const QByteArray& line : file.split('\n')) {
        for (char c : line.chopped(line.endsWith('\r') ? 1 : 0))
            QVERIFY2(c >= 32 && c < 127, line.constData());
        // Lines fit on a printed page in 12-point type, which does not wrap them again.
        QVERIFY2(line.size() <= 72, line.constData());
    }
}

void TestManual::everyStarIsAHeadingItsKeyFinds()
{
    const QString doc = DocumentationText(ShippedManual());
    QVERIFY(doc.startsWith(TopicHeadingMark));
    const QStringList toc = TableOfContents(doc);
    QVERIFY(toc.size() >= 12);
    QVERIFY(toc.contains(QStringLiteral(" Configuring")));
    QCOMPARE(doc.count(QLatin1Char('*')), toc.size());
    for (const QString& entry : toc) {
        QVERIFY2(entry.startsWith(QLatin1Char(' ')) && entry.trimmed().size() == entry.size() - 1, qPrintable(entry));
        const int heading = int(doc.indexOf(QStringLiteral("    *") + entry + QStringLiteral("\r\n")));
        QVERIFY2(heading >= 0, qPrintable(entry));
        QCOMPARE(FindText(doc, TopicKey(entry), 1), heading + 5);
    }
}

QTEST_APPLESS_MAIN(TestManual)
#include "tst_Manual.moc"
