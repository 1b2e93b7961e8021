// The player window with its name and grade dialogs: what each action leaves in the
// shared state and in the files.
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "players/GetPlayer.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "players/logic/PlayerList.h"
#include "support/GuiSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
void TypeName(NewGuy* d, const QString& name)
{
    auto* text = Child<QLineEdit>(d, "Text1");
    text->setFocus();
    QTest::keyClicks(text, name);
    QTest::keyClick(text, Qt::Key_Return);
}

void PickGrade(Grade* d, int row)
{
    Child<QListWidget>(d, "List1")->setCurrentRow(row);
    Click(d, "Command1");
}

void Select(GetPlayer* w, int row)
{
    Child<QListWidget>(w, "List1")->setCurrentRow(row - 1);
}

QListWidget* List(GetPlayer* w) { return Child<QListWidget>(w, "List1"); }
} // namespace

class TestPlayers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStart();
    void firstStartCancelEnds();
    void nameCannotHoldQuotes();
    void twentySixthPlayerCarries();
    void noKeyAfterZZZ();
    void addedKeyIsStoredAtOnce();
    void fullListRefusesTheFortyFirst();
    void removePlayers();
    void removeChangesNothing_data();
    void removeChangesNothing();
    void editKeepsKeyAndFiles();
    void sameNames();
    void aboutPanel();

private:
    void AddRows(int count);
    void RunPlayerWindow(Script& script);
    GuiFixture fx;
};

void TestPlayers::init()
{
    fx.Reset();
    LoadSettings(fx.state, *fx.platform);
}

void TestPlayers::AddRows(int count)
{
    static const char* names[] = {"Ann", "Bob", "Cy", "Dee"};
    for (int i = 1; i <= count; ++i) {
        const QString key = QStringLiteral("AA") + QChar('A' + i) + QStringLiteral("  ");
        fx.state.Players[i] = {i <= 4 ? QString::fromLatin1(names[i - 1]) : QStringLiteral("P%1").arg(i), key};
    }
    fx.state.PlayerCount = count;
    fx.state.NextPlayerId = QStringLiteral("AA") + QChar('A' + count) + QStringLiteral("  ");
    SavePlayerList(fx.state);
}

void TestPlayers::RunPlayerWindow(Script& script)
{
    ShowAndWait<GetPlayer>();
    QCOMPARE(script.Remaining(), 0);
}

void TestPlayers::firstStart()
{
    int nameDialogs = 0;
    QString selected;
    Script s;
    s.On<NewGuy>([&](NewGuy* d) { ++nameDialogs; Click(d, "Command1"); })   // empty: asked again
        .On<NewGuy>([&](NewGuy* d) { ++nameDialogs; TypeName(d, "Ann"); })
        .On<Grade>([](Grade* d) { PickGrade(d, 3); })
        .On<GetPlayer>([&](GetPlayer* w) {
            selected = List(w)->currentItem() ? List(w)->currentItem()->text() : QString();
            Click(w, "Command1");
        });
    RunPlayerWindow(s);
    QCOMPARE(nameDialogs, 2);
    QCOMPARE(selected, QStringLiteral("Ann"));
    QCOMPARE(ReadBytes(QStringLiteral("Players")), QByteArray("1\r\n\"Ann\"\r\n\"AAB  \"\r\n"));
    QVERIFY(ReadBytes(QStringLiteral("AAB.cfg")).startsWith("\"3\"\r\n"));
    QCOMPARE(fx.state.ScoreFilePath, QStringLiteral("AAB.scr"));
    QCOMPARE(FileLines(fx.platform->IniPath()).mid(1, 2), (QStringList{"\"AAB  \"", "\"Ann\""}));
    QVERIFY(!fx.platform->ended);
}

void TestPlayers::firstStartCancelEnds()
{
    Script s;
    s.On<NewGuy>([](NewGuy* d) { Click(d, "Command2"); });
    ShowAndWait<GetPlayer>();
    QVERIFY(fx.platform->ended);
    QVERIFY(!QFile::exists(QStringLiteral("Players")));
}

void TestPlayers::nameCannotHoldQuotes()
{
    fx.state.PlayerCount = 1;
    NewGuy* d = Forms::Load<NewGuy>();
    QTimer::singleShot(10, [d] {
        QTest::keyClicks(Child<QLineEdit>(d, "Text1"), QStringLiteral("Al \"Big\" Jo"));
        Click(d, "Command1");
    });
    ShowModal(d);
    QCOMPARE(fx.state.EnteredName, QStringLiteral("Al Big Jo"));
}

void TestPlayers::twentySixthPlayerCarries()
{
    AddRows(25); // keys AAB .. AAZ
    int gradeDialogs = 0;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Click(w, "Command3"); })
        .On<NewGuy>([](NewGuy* d) { TypeName(d, "Zed"); })
        .On<Grade>([&](Grade* d) { ++gradeDialogs; PickGrade(d, 0); })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command1"); });
    RunPlayerWindow(s);
    QCOMPARE(gradeDialogs, 1);
    QCOMPARE(int(fx.state.PlayerCount), 26);
    QCOMPARE(fx.state.Players[26][1], QStringLiteral("ABA  "));
    QVERIFY(ReadBytes(QStringLiteral("ABA.cfg")).startsWith("\"0\"\r\n"));
}

void TestPlayers::noKeyAfterZZZ()
{
    QCOMPARE(NextKey(QStringLiteral("AZZ  ")).value_or(QString()), QStringLiteral("BAA  "));
    QVERIFY(!NextKey(QStringLiteral("ZZZ  ")).has_value());
}

void TestPlayers::addedKeyIsStoredAtOnce()
{
    // A settings file that lags behind the list (say, from before a crash) must not hand
    // out a key that a player still owns.
    AddRows(1);
    fx.state.NextPlayerId = QStringLiteral("AAA  ");
    WriteBytes(QStringLiteral("AAB.cfg"), "\"4\"\r\n");
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Click(w, "Command3"); })
        .On<NewGuy>([](NewGuy* d) { TypeName(d, "Bob"); })
        .On<Grade>([](Grade* d) { PickGrade(d, 1); })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(s);
    QCOMPARE(fx.state.Players[2][1], QStringLiteral("AAC  "));
    QCOMPARE(ReadBytes(QStringLiteral("AAB.cfg")), QByteArray("\"4\"\r\n"));
    // Stored although nobody was chosen before the program ended.
    QCOMPARE(FileLines(fx.platform->IniPath()).value(1), QStringLiteral("\"AAC  \""));
}

void TestPlayers::fullListRefusesTheFortyFirst()
{
    AddRows(40);
    const QByteArray before = ReadBytes(QStringLiteral("Players"));
    QString message;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Click(w, "Command3"); });
    AnswerMessage(s, message);
    s.On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(s);
    QVERIFY(message.contains(QStringLiteral("40")));
    QCOMPARE(int(fx.state.PlayerCount), 40);
    QCOMPARE(ReadBytes(QStringLiteral("Players")), before);
    QVERIFY(fx.platform->ended);
}

void TestPlayers::removePlayers()
{
    AddRows(2);
    for (const char* f : {"AAB.cfg", "AAB.scr", "AAC.cfg", "AAC.scr"})
        WriteBytes(QString::fromLatin1(f), "x");
    QString question;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Select(w, 2); Click(w, "Command2"); })
        .On<M_Boxx>([&](M_Boxx* b) {
            question = Child<QLabel>(b, "Label1")->text();
            Click(b, "Command2");
        })
        .On<GetPlayer>([](GetPlayer* w) { Select(w, 1); Click(w, "Command2"); })
        .On<M_Boxx>([](M_Boxx* b) { Click(b, "Command2"); })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(s);
    QCOMPARE(question, QStringLiteral("Are you sure you want to remove Bob from this list?"));
    QCOMPARE(fx.state.DeletePlayerName, QStringLiteral("AAB  "));
    QCOMPARE(int(fx.state.PlayerCount), 0);
    for (const char* f : {"AAB.cfg", "AAB.scr", "AAC.cfg", "AAC.scr"})
        QVERIFY2(!QFile::exists(QString::fromLatin1(f)), f);
    QCOMPARE(ReadBytes(QStringLiteral("Players")), QByteArray("0\r\n"));
}

void TestPlayers::removeChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("answered No") << "no";
    QTest::newRow("box closed") << "close";
    QTest::newRow("nothing selected") << "none";
}

void TestPlayers::removeChangesNothing()
{
    QFETCH(QString, how);
    AddRows(2);
    WriteBytes(QStringLiteral("AAB.scr"), "x");
    const QByteArray before = ReadBytes(QStringLiteral("Players"));
    bool asked = false;
    Script s;
    s.On<GetPlayer>([&](GetPlayer* w) {
        if (how == "none")
            List(w)->clearSelection();
        else
            Select(w, 1);
        Click(w, "Command2");
        if (how == "none")
            QTimer::singleShot(50, [w] { Click(w, "Command4"); });
    });
    if (how != "none") {
        s.On<M_Boxx>([&](M_Boxx* b) {
            asked = true;
            if (how == "no")
                Click(b, "Command3");
            else
                b->close();
        }).On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    }
    RunPlayerWindow(s);
    QCOMPARE(asked, how != "none");
    QCOMPARE(int(fx.state.PlayerCount), 2);
    QCOMPARE(ReadBytes(QStringLiteral("Players")), before);
    QVERIFY(QFile::exists(QStringLiteral("AAB.scr")));
}

void TestPlayers::editKeepsKeyAndFiles()
{
    AddRows(2);
    fx.state.PlayerFileId = QStringLiteral("AAC");
    fx.state.PlayerGrade = QStringLiteral("1");
    fx.state.AdvanceNum = 33;
    SavePlayerConfig(fx.state);
    fx.state.AdvanceNum = 0;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Select(w, 2); Click(w, "Command5"); })
        .On<NewGuy>([](NewGuy* d) { TypeName(d, "Robert"); })
        .On<Grade>([](Grade* d) { PickGrade(d, 5); })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(s);
    QCOMPARE(ReadBytes(QStringLiteral("Players")),
             QByteArray("2\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Robert\"\r\n\"AAC  \"\r\n"));
    // The player's own settings are kept; only the grade changes.
    const QByteArray cfg = ReadBytes(QStringLiteral("AAC.cfg"));
    QVERIFY(cfg.startsWith("\"5\"\r\n"));
    QVERIFY(cfg.contains("\r\n33\r\n"));
}

void TestPlayers::sameNames()
{
    AddRows(2);
    fx.state.Players[2][0] = QStringLiteral("Ann");
    SavePlayerList(fx.state);
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Select(w, 2); Click(w, "Command1"); });
    RunPlayerWindow(s);
    // The Ann that was picked, not the first one of that name.
    QCOMPARE(fx.state.PlayerFileId, QStringLiteral("AAC"));

    Script rename;
    rename.On<GetPlayer>([](GetPlayer* w) { Select(w, 1); Click(w, "Command5"); })
        .On<NewGuy>([](NewGuy* d) { TypeName(d, "Annie"); })
        .On<Grade>([](Grade* d) { PickGrade(d, 2); })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(rename);
    QCOMPARE(fx.state.Players[1][0], QStringLiteral("Annie"));
    QCOMPARE(fx.state.Players[2][0], QStringLiteral("Annie"));
    QVERIFY(ReadBytes(QStringLiteral("AAB.cfg")).startsWith("\"2\"\r\n"));
    QVERIFY(ReadBytes(QStringLiteral("AAC.cfg")).startsWith("\"2\"\r\n"));
}

void TestPlayers::aboutPanel()
{
    fx.CopyData(QStringLiteral("nbr.txx"));
    AddRows(1);
    fx.state.AboutRequest = 1;
    bool aboutShown = false, listShownAfterOk = false;
    Script s;
    s.On<GetPlayer>([&](GetPlayer* w) {
        aboutShown = Child<QLabel>(w, "Label4")->text().contains(QStringLiteral("Numbrella"))
            && !Child<QWidget>(w, "Picture1")->isVisible();
        Click(w, "Command7"); // the update page
        Click(w, "Command4"); // OK: the player list
        listShownAfterOk = Child<QWidget>(w, "Picture1")->isVisible() && !Child<QLabel>(w, "Label4")->isVisible();
        Click(w, "Command4"); // now Exit
    });
    RunPlayerWindow(s);
    QVERIFY(aboutShown);
    QVERIFY(listShownAfterOk);
    QCOMPARE(int(fx.state.AboutRequest), 0);
    QCOMPARE(fx.platform->opened.size(), 1);
    QVERIFY(fx.platform->opened.first().endsWith(QStringLiteral("mupdate.htm")));
    QVERIFY(fx.platform->ended);
}

QTEST_MAIN(TestPlayers)
#include "tst_Players_gui.moc"
