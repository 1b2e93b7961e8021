// The player window with its name and grade dialogs and the message box, driven as a person
// would: what each scenario leaves in "Players", the ".cfg" files, nbr.INI and the shared state.
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "players/GetPlayer.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "support/PlayersConfigSteps.h"

#include <QtTest>

class TestGetPlayer : public QObject {
    Q_OBJECT
    GuiFixture fx;

private slots:
    void init()
    {
        fx.Reset();
        LoadSettings(fx.state, *fx.platform);
        fx.state.NewGrade = QStringLiteral("5"); // left from an earlier grade dialog
    }

    void scenario_data()
    {
        QTest::addColumn<QStringList>("names"); // rows with keys AAB, AAC, ...; each ".cfg" holds grade 4 and 33 right
        QTest::addColumn<QString>("next");      // NextPlayerId
        QTest::addColumn<QStringList>("steps"); // window|actions, each when that window is up
        QTest::addColumn<QString>("message");   // the message box's text
        QTest::addColumn<QString>("players");   // the lines of "Players"; none: unchanged
        QTest::addColumn<QString>("state");     // the player file in use; lines 2 and 3 of nbr.INI
        QTest::addColumn<QString>("cfg");       // a ".cfg" and its lines
        const QStringList add{"GetPlayer|Add new name", "NewGuy|Text1=Bob|OK", "Grade|#1|OK", "GetPlayer|Exit"};
        const QStringList anns{"Ann", "Ann", "Ann", "Bob"};
        QTest::newRow("first start, name dialog closed: the program ends")
            << QStringList{} << "AAA  " << QStringList{"NewGuy|close"} << "" << "" << R"( "AAA  " "")" << "AAB.cfg=";
        QTest::newRow("the key of a row is skipped, the new one stored at once")
            << QStringList{"Ann"} << "AAA  " << add << "" << R"(2 "Ann" "AAB  " "Bob" "AAC  ")" << R"(AAC "AAC  " "Bob")"
            << R"(AAC.cfg="1" "" 0 "" 0 0 0 0 12640511)";
        QTest::newRow("AAZ carries to ABA; typed quotes and a pasted line break refused; grade dialog closed")
            << QStringList{"Ann"} << "AAZ  " << QStringList{add[0], "NewGuy|Text1=Al \"Big\" Jo|paste|OK", "Grade|close", add[3]} << ""
            << R"(2 "Ann" "AAB  " "Al Big Jo" "ABA  ")" << R"(ABA "ABA  " "Al Big Jo")" << R"(ABA.cfg="" "" 0 "" 0 0 0 0 12640511)";
        QTest::newRow("no key after ZZZ") << QStringList{"Ann"} << "ZZZ  " << QStringList{add[0], "M_Boxx|OK", add[3]}
            << "No more names can be added to this Numbrella: every player key has been used." << ""
            << R"( "AAA  " "")" << R"(AAB.cfg="4" "" 0 "" 33)";
        QTest::newRow("41st refused") << QStringList(40, QStringLiteral("P")) << "ABO  " << QStringList{add[0], "M_Boxx|OK", add[3]}
            << "The list is full: it holds 40 names. Please remove a name before adding a new one." << ""
            << R"( "AAA  " "")" << R"(ABO.cfg="4" "" 0 "" 33)";
        QTest::newRow("choosing the middle of three Anns") << anns << "AAE  " << QStringList{"GetPlayer|#1|That's me"}
            << "" << "" << R"(AAC "AAE  " "Ann")" << R"(AAC.cfg="4" "" 0 "" 33)";
        QTest::newRow("renaming takes the row picked before the dialogs, keeps its settings")
            << anns << "AAE  " << QStringList{"GetPlayer|#3|Edit name", "NewGuy|Text1=Robert|OK", "Grade|#5|OK", add[3]} << ""
            << R"(4 "Ann" "AAB  " "Ann" "AAC  " "Ann" "AAD  " "Robert" "AAE  ")" << R"(AAE "AAA  " "")"
            << R"(AAE.cfg="5" "" 0 "" 33 0 0 0 12640511)";
        const QString sure = QStringLiteral("Are you sure you want to remove Bob from this list?");
        const QStringList remove{"GetPlayer|#1|Remove name from list", "M_Boxx|Yes", add[3]};
        QTest::newRow("remove: Yes") << QStringList{"Ann", "Bob"} << "AAC  " << remove << sure << R"(1 "Ann" "AAB  ")"
            << R"( "AAA  " "")" << "AAC.cfg=";
        QTest::newRow("remove: box closed is No") << QStringList{"Ann", "Bob"} << "AAC  "
            << QStringList{remove[0], "M_Boxx|close", add[3]} << sure << "" << R"( "AAA  " "")" << R"(AAC.cfg="4" "" 0 "" 33)";
    }
    void scenario()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, next);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QString, players);
        QFETCH(QString, state);
        QFETCH(QString, cfg);
        AppState& s = fx.state;
        for (int i = 1; i <= names.size(); ++i) {
            s.Players[i] = {names[i - 1], QStringLiteral("A%1%2  ").arg(QChar('A' + i / 26), QChar('A' + i % 26))};
            WriteBytes(s.Players[i][1].left(3) + QStringLiteral(".cfg"), "\"4\"\r\n\"\"\r\n0\r\n\"\"\r\n33\r\n");
        }
        s.PlayerCount = Int16(names.size()), s.NextPlayerId = next;
        s.LastPlayerName = QStringLiteral("Ann"); // the list comes up with the last Ann selected
        if (!names.isEmpty())
            SavePlayerList(s);
        const QStringList before = FileLines(QStringLiteral("Players"));
        QString shown;
        Script script;
        for (const QString& step : steps) {
            const QStringList actions = step.split('|').mid(1);
            OnWindow<GetPlayer, NewGuy, Grade, M_Boxx>(script, step.section('|', 0, 0), [&shown, actions](QWidget* w) {
                if (qobject_cast<M_Boxx*>(w))
                    shown = Child<QLabel>(w, "Label1")->text();
                Act(w, actions);
            });
        }
        QObject guard; // a scenario that stalls is ended after 10 s, and fails
        QTimer::singleShot(10000, &guard, [] { for (Form* f : Forms::All()) f->Unload(); });
        ShowAndWait<GetPlayer>();
        QCOMPARE(script.Remaining(), 0);
        QCOMPARE(shown, message);
        QCOMPARE(FileLines(QStringLiteral("Players")).join(' '), players.isEmpty() ? before.join(' ') : players);
        QCOMPARE(s.PlayerFileId + ' ' + FileLines(fx.platform->IniPath()).mid(1, 2).join(' '), state);
        QCOMPARE(FileLines(cfg.section('=', 0, 0)).join(' '), cfg.section('=', 1));
        // Every scenario but a choice ends with Exit or the end of the program.
        QCOMPARE(fx.platform->ended, !steps.last().endsWith("That's me"));
    }
};

QTEST_MAIN(TestGetPlayer)
#include "tst_GetPlayer_gui.moc"
