// The player window with its name and grade dialogs: what each action leaves in the
// shared state and in the files.
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "mainwin/M_Boxx.h"
#include "players/GetPlayer.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "players/logic/PlayerList.h"
#include "support/GuiSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
    Child<QPushButton>(d, "Command1")->click();
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
    void nameDialog_data();
    void nameDialog();
    void gradeDialog_data();
    void gradeDialog();
    void twentySixthPlayerCarries();
    void keys_data();
    void keys();
    void addedKeyIsStoredAtOnce();
    void fullListRefusesTheFortyFirst();
    void removePlayers();
    void removeChangesNothing_data();
    void removeChangesNothing();
    void editKeepsKeyAndFiles();
    void sameNames();
    void thatsMeWithoutSelection();
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
    QCOMPARE(fx.state.PlayerFileId, QStringLiteral("AAB"));
    QCOMPARE(fx.state.PlayerName, QStringLiteral("Ann"));
    QCOMPARE(fx.state.PlayerGrade, QStringLiteral("3"));
    const QList<QByteArray> ini = ReadBytes(fx.platform->IniPath()).split('\n');
    QCOMPARE(ini.at(1), QByteArray("\"AAB  \"\r"));
    QCOMPARE(ini.at(2), QByteArray("\"Ann\"\r"));
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

void TestPlayers::nameDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("entered");
    QTest::newRow("blanks kept, Enter accepts") << "  Ann Lee " << "enter" << "  Ann Lee ";
    QTest::newRow("OK accepts") << "Bob" << "ok" << "Bob";
    QTest::newRow("double quotes refused") << "Al \"Big\" Jo" << "ok" << "Al Big Jo";
    QTest::newRow("Cancel with players") << "Cy" << "cancel" << "";
    QTest::newRow("closed with players") << "Cy" << "close" << "";
}

void TestPlayers::nameDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, entered);
    fx.state.PlayerCount = 1;
    fx.state.EnteredName = QStringLiteral("old");
    NewGuy* d = Forms::Load<NewGuy>();
    QTimer::singleShot(10, [&] {
        auto* text = Child<QLineEdit>(d, "Text1");
        QTest::keyClicks(text, typed);
        if (how == "enter")
            QTest::keyClick(text, Qt::Key_Return);
        else if (how == "ok")
            Click(d, "Command1");
        else if (how == "cancel")
            Click(d, "Command2");
        else
            d->close();
    });
    ShowModal(d);
    QCOMPARE(fx.state.EnteredName, entered);
    QVERIFY(!fx.platform->ended);
}

void TestPlayers::gradeDialog_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("grade");
    QTest::newRow("N/A is 0") << "pick0 ok" << "0";
    QTest::newRow("9") << "pick9 ok" << "9";
    QTest::newRow("cancel") << "pick5 cancel" << "";
    QTest::newRow("double-click 4 then cancel") << "double4 cancel" << "";
    QTest::newRow("double-click 4 then OK") << "double4 ok" << "4";
    QTest::newRow("OK without a choice stays open") << "ok pick2 ok" << "2";
}

void TestPlayers::gradeDialog()
{
    QFETCH(QString, steps);
    QFETCH(QString, grade);
    fx.state.NewGrade = QStringLiteral("old");
    Grade* d = Forms::Load<Grade>();
    QTimer::singleShot(10, [&] {
        auto* list = Child<QListWidget>(d, "List1");
        for (const QString& step : steps.split(' ')) {
            if (step.startsWith("pick"))
                list->setCurrentRow(step.mid(4).toInt());
            else if (step.startsWith("double")) {
                const int row = step.mid(6).toInt();
                list->setCurrentRow(row);
                emit list->itemDoubleClicked(list->item(row));
                QVERIFY(Forms::Find<Grade>() != nullptr);
            } else if (step == "ok") {
                Click(d, "Command1");
            } else {
                Click(d, "Command2");
            }
        }
    });
    ShowModal(d);
    QCOMPARE(fx.state.NewGrade, grade);
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
    QCOMPARE(fx.state.PlayerFileId, QStringLiteral("ABA"));
    QVERIFY(QFile::exists(QStringLiteral("ABA.cfg")));
    QVERIFY(ReadBytes(QStringLiteral("ABA.cfg")).startsWith("\"0\"\r\n"));
}

void TestPlayers::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("next");
    QTest::newRow("AAA") << "AAA  " << "AAB  ";
    QTest::newRow("AAZ carries") << "AAZ  " << "ABA  ";
    QTest::newRow("AZZ carries twice") << "AZZ  " << "BAA  ";
    QTest::newRow("ZZY") << "ZZY  " << "ZZZ  ";
    QTest::newRow("nothing after ZZZ") << "ZZZ  " << "";
}

void TestPlayers::keys()
{
    QFETCH(QString, key);
    QFETCH(QString, next);
    QCOMPARE(NextKey(key).value_or(QString()), next);
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
    QCOMPARE(ReadBytes(fx.platform->IniPath()).split('\n').at(1), QByteArray("\"AAC  \"\r"));
}

void TestPlayers::fullListRefusesTheFortyFirst()
{
    AddRows(40);
    const QByteArray before = ReadBytes(QStringLiteral("Players"));
    QString message;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { Click(w, "Command3"); })
        .On<M_Boxx>([&](M_Boxx* b) {
            message = Child<QLabel>(b, "Label1")->text();
            Click(b, "Command1");
        })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
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
    QCOMPARE(fx.state.Players[2][0], QStringLiteral("Robert"));
    QCOMPARE(fx.state.Players[2][1], QStringLiteral("AAC  "));
    QCOMPARE(fx.state.Players[1][0], QStringLiteral("Ann"));
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
    s.On<GetPlayer>([](GetPlayer* w) { Select(w, 1); Click(w, "Command1"); });
    RunPlayerWindow(s);
    // The Ann that was picked, not the other one.
    QCOMPARE(fx.state.PlayerFileId, QStringLiteral("AAB"));

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

void TestPlayers::thatsMeWithoutSelection()
{
    AddRows(1);
    fx.state.LastPlayerName = QStringLiteral("nobody");
    QString message;
    Script s;
    s.On<GetPlayer>([](GetPlayer* w) { List(w)->clearSelection(); Click(w, "Command1"); })
        .On<M_Boxx>([&](M_Boxx* b) {
            message = Child<QLabel>(b, "Label1")->text();
            Click(b, "Command1");
        })
        .On<GetPlayer>([](GetPlayer* w) { Click(w, "Command4"); });
    RunPlayerWindow(s);
    QCOMPARE(message, QStringLiteral("Please click on your name and then click the \"That's me\" button or just "
                                     "double-click on your name."));
    QVERIFY(fx.state.PlayerFileId.isEmpty());
}

void TestPlayers::aboutPanel()
{
    QFile::copy(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/nbr.txx"), QStringLiteral("nbr.txx"));
    AddRows(1);
    fx.state.AboutRequest = 1;
    bool aboutShown = false, listHidden = false, listShownAfterOk = false;
    QString okCaption, exitCaption;
    Script s;
    s.On<GetPlayer>([&](GetPlayer* w) {
        aboutShown = Child<QLabel>(w, "Label4")->isVisible()
            && Child<QLabel>(w, "Label4")->text().contains(QStringLiteral("Numbrella"));
        listHidden = !Child<QWidget>(w, "Picture1")->isVisible();
        okCaption = Child<QPushButton>(w, "Command4")->text();
        Click(w, "Command7");
        Click(w, "Command4");
        listShownAfterOk = Child<QWidget>(w, "Picture1")->isVisible() && !Child<QLabel>(w, "Label4")->isVisible();
        exitCaption = Child<QPushButton>(w, "Command4")->text();
        Click(w, "Command4");
    });
    RunPlayerWindow(s);
    QVERIFY(aboutShown);
    QVERIFY(listHidden);
    QCOMPARE(okCaption, QStringLiteral("OK"));
    QVERIFY(listShownAfterOk);
    QCOMPARE(exitCaption, QStringLiteral("Exit"));
    QCOMPARE(int(fx.state.AboutRequest), 0);
    QCOMPARE(fx.platform->opened.size(), 1);
    QVERIFY(fx.platform->opened.first().endsWith(QStringLiteral("mupdate.htm")));
    QVERIFY(fx.platform->ended);
}

QTEST_MAIN(TestPlayers)
#include "tst_Players_gui.moc"
