// The shipped manual "nbr.doc": its lines, its topic headings and what the help windows
// find in it, read the way the program reads it.
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
    void firstThreeCharactersAreNotTheManual();
    void everyStarIsAHeading();
    void everyKeyFindsItsOwnHeading();
    void coversEveryWindow_data();
    void coversEveryWindow();
};

void TestManual::plainAsciiWithCrLf()
{
    const QByteArray file = ShippedManual();
    QVERIFY(file.size() > 10000);
    for (qsizetype i = 0; i < file.size(); ++i) {
        const char c = file[i];
        QVERIFY2(c == '\r' || c == '\n' || (c >= 32 && c < 127), qPrintable(QStringLiteral("byte %1").arg(i)));
        // Every line ends with CR LF: the readers look for the carriage return.
        if (c == '\r')
            QVERIFY2(i + 1 < file.size() && file[i + 1] == '\n', qPrintable(QStringLiteral("CR at %1").arg(i)));
        if (c == '\n')
            QVERIFY2(i > 0 && file[i - 1] == '\r', qPrintable(QStringLiteral("LF at %1").arg(i)));
    }
    QVERIFY(file.endsWith("\r\n"));
    // Lines fit on a printed page in 12-point type, which does not wrap them again.
    for (const QByteArray& line : file.split('\n'))
        QVERIFY2(line.size() <= 72, line.constData());
}

void TestManual::firstThreeCharactersAreNotTheManual()
{
    const QString doc = DocumentationText(ShippedManual());
    QVERIFY(doc.startsWith(TopicHeadingMark));
    QVERIFY(!doc.contains(QStringLiteral("NBR")));
}

void TestManual::everyStarIsAHeading()
{
    const QString doc = DocumentationText(ShippedManual());
    const QStringList toc = TableOfContents(doc);
    QVERIFY(toc.size() >= 12);
    QCOMPARE(doc.count(QLatin1Char('*')), toc.size());
    for (const QString& entry : toc) {
        QVERIFY2(doc.contains(QStringLiteral("    *") + entry + QStringLiteral("\r\n")), qPrintable(entry));
        QVERIFY2(entry.startsWith(QLatin1Char(' ')) && entry.trimmed().size() == entry.size() - 1, qPrintable(entry));
    }
    QVERIFY(toc.contains(QStringLiteral(" Configuring")));
}

void TestManual::everyKeyFindsItsOwnHeading()
{
    const QString doc = DocumentationText(ShippedManual());
    for (const QString& entry : TableOfContents(doc)) {
        const int at = FindText(doc, TopicKey(entry), 1);
        QCOMPARE(at, int(doc.indexOf(QStringLiteral("    *") + entry + QStringLiteral("\r\n"))) + 5);
    }
    const int configuring = FindText(doc, QStringLiteral("* Configuring"), 1);
    QCOMPARE(doc.mid(configuring - 5, 20), QStringLiteral("    * Configuring\r\n\r"));
}

void TestManual::coversEveryWindow_data()
{
    QTest::addColumn<QString>("caption");
    const char* captions[] = {
        "That's me", "Add new name", "Edit name", "Remove name from list", "What is your name?",
        "What grade are you in?", "Okay", "Up to...", "Just...", "10 minutes", "Show Answer",
        "Incorrect.  Please try again.", "Correct", "Get Scores", "Most Recent",
        "Good job!  You just got your best score!", "Problem Format", "Colors", "Auto Advance",
        "Current Level", "Advancement Criteria", "Please set Advancement Criteria", "Music Break",
        "Sorry, but there are no music files.", "Send us your comments", "Update Notification",
        "Display Topic", "Find Next", "String not found.", "This topic only", "The entire documentation",
        "Unable to open nbr.DOC", "Table of Contents"};
    for (const char* c : captions)
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestManual::coversEveryWindow()
{
    QFETCH(QString, caption);
    // Whole, on one line, so a search for it finds it.
    QVERIFY(DocumentationText(ShippedManual()).contains(caption, Qt::CaseInsensitive));
}

QTEST_APPLESS_MAIN(TestManual)
#include "tst_Manual.moc"
