// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The player window with its name and grade dialogs and the message box, driven as a person
// would: what each scenario changes on disk and which player it leaves in use (only choosing a name changes her).
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "players/GetPlayer.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "support/PlayersConfigSteps.h"

#include <QDir>
#include <QtTest>
#include <sys/stat.h>

class TestGetPlayer : public QObject {
    Q_OBJECT
    GuiFixture fx;

private slots:
    void scenario_data()
    {
        // Rows with keys AAB, AAC, ... or as given ("Bob/AAB"); "/AAF": a ".cfg" without a row ("/AAF.fct": a
        // facts file, "/AAF.opt" an options file); "!": a folder where the list belongs, read at start; "!lock": a named pipe at
        // "Players.lock". Each ".cfg" holds grade 4 and 33 right.
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("next");        // NextPlayerId
        QTest::addColumn<QStringList>("steps");   // window|action|action..., each once that window is up
        QTest::addColumn<QStringList>("changed"); // what kept() below shows otherwise afterwards, new files last
        const QStringList add{"GetPlayer|Add new name", "NewGuy|Text1=Bob|OK", "Grade|#1|OK", "GetPlayer|Exit"};
        auto refused = [&add](const QString& message) { return QStringList{add[0], "M_Boxx|Label1=" + message + "|OK", add[3]}; };
        const QStringList anns{"Ann", "Ann", "Ann", "Bob"};
        QTest::newRow("first start, name dialog closed: the program ends")
            << QStringList{} << "AAA  " << QStringList{"NewGuy|close"} << QStringList{};
        QTest::newRow("the key of a row is skipped, the new one stored at once") << QStringList{"Ann"} << "AAA  " << add
            << QStringList{R"(nbr.INI: "AAC  " "Bob")", R"(Players: 2 "Ann" "AAB  " "Bob" "AAC  ")",
                           R"(AAC.cfg: "1" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAC  ")"};
        QTest::newRow("AAZ carries to ABA; typed quotes and a pasted line break refused; grade dialog closed")
            << QStringList{"Ann"} << "AAZ  " << QStringList{add[0], "NewGuy|Text1=Al \"Big\" Jo|paste|OK", "Grade|close", add[3]}
            << QStringList{R"(nbr.INI: "ABA  " "Al Big Jo")", R"(Players: 2 "Ann" "AAB  " "Al Big Jo" "ABA  ")",
                           R"(ABA.cfg: "" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "ABA  ")"};
        QTest::newRow("a damaged next key goes on after the highest key of a row or a file") << QStringList{"Ann", "/AAF"}
            << "zz{  " << add << QStringList{R"(nbr.INI: "AAG  " "Bob")", R"(Players: 2 "Ann" "AAB  " "Bob" "AAG  ")",
                                            R"(AAG.cfg: "1" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAG  ")"};
        const QStringList bobAfterF{R"(nbr.INI: "AAG  " "Bob")", R"(Players: 2 "Ann" "AAB  " "Bob" "AAG  ")",
                                    R"(AAG.cfg: "1" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAG  ")"};
        QTest::newRow("a facts file alone keeps its key") << QStringList{"Ann", "/AAF.fct"} << "AAC  " << add << bobAfterF;
        QTest::newRow("an options file alone keeps its key") << QStringList{"Ann", "/AAF.opt"} << "AAC  " << add << bobAfterF;
        QTest::newRow("a list that cannot be read is told, no first start, nothing changed") << QStringList{"!"} << "AAA  "
            << QStringList{"M_Boxx|Label1=The list of names cannot be read: the file Players is not a plain file. Nothing has "
                           "been changed. Please ask a grown-up to check the program folder.|OK", add[3]} << QStringList{};
        QTest::newRow("a named pipe at the lock: waited out, told by its own name") << QStringList{"Ann", "!lock"} << "AAA  "
            << QStringList{add[0], add[1], add[2], "M_Boxx|Label1=The list of names could not be saved: the file Players.lock cannot "
                           "be written. Please ask a grown-up to check the program folder.|OK", add[3]} << QStringList{};
        QTest::newRow("a stray ZZZ.fct blocks no new name") << QStringList{"Ann", "/ZZZ.fct"} << "AAC  " << add
            << QStringList{R"(nbr.INI: "AAD  " "Bob")", R"(Players: 2 "Ann" "AAB  " "Bob" "AAD  ")",
                           R"(AAD.cfg: "1" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAD  ")"};
        QTest::newRow("41st refused") << QStringList(40, QStringLiteral("P")) << "ABO  "
            << refused("The list is full: it holds 40 names. Please remove a name before adding a new one.") << QStringList{};
        QTest::newRow("choosing the middle of three Anns") << anns << "AAE  " << QStringList{"GetPlayer|#1|That's me"}
            << QStringList{"in use: AAC", R"(nbr.INI: "AAE  " "Ann")"};
        QTest::newRow("renaming takes the row picked before the dialogs, keeps its settings")
            << anns << "AAE  " << QStringList{"GetPlayer|#3|Edit name", "NewGuy|Text1=Robert|OK", "Grade|#5|OK", add[3]}
            << QStringList{R"(AAE.cfg: "5" "" 0 "" 33 0 0 0 12640511)",
                           R"(Players: 4 "Ann" "AAB  " "Ann" "AAC  " "Ann" "AAD  " "Robert" "AAE  ")", R"(Players.key: "AAE  ")"};
        QTest::newRow("keys: Escape never ends a first start; Return on the focused OK and on a row") << QStringList{}
            << "AAA  " << QStringList{"NewGuy|key:Escape|Text1=Bob|key:Return", "Grade|#3|key:Tab|key:Return",
                                      "GetPlayer|key:Escape|key:Return"}
            << QStringList{"in use: AAB", R"(nbr.INI: "AAB  " "Bob")", R"(Players: 1 "Bob" "AAB  ")",
                           R"(AAB.cfg: "3" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAB  ")"};
        QTest::newRow("keys: Escape is Cancel in the name and grade dialogs") << QStringList{"Ann"} << "AAC  "
            << QStringList{add[0], "NewGuy|Text1=Bob|key:Escape", add[0], "NewGuy|Text1=Cy|OK", "Grade|#2|key:Escape", add[3]}
            << QStringList{R"(nbr.INI: "AAD  " "Cy")", R"(Players: 2 "Ann" "AAB  " "Cy" "AAD  ")",
                           R"(AAD.cfg: "" "" 0 "" 0 0 0 0 12640511)", R"(Players.key: "AAD  ")"};
        const QString remove = "GetPlayer|#%1|Remove name from list";
        const QString sure = "M_Boxx|Label1=Are you sure you want to remove %1 from this list?|";
        QTest::newRow("remove: Yes takes the row and its files; the box closed is No") << QStringList{"Ann", "Bob", "/AAC.fct", "/AAC.opt"}
            << "AAC  " << QStringList{remove.arg(1), sure.arg("Bob") + "Yes", remove.arg(0), sure.arg("Ann") + "close", add[3]}
            << QStringList{"AAC.cfg: (removed)", "AAC.fct: (removed)", "AAC.opt: (removed)", R"(Players: 1 "Ann" "AAB  ")", R"(Players.key: "AAC  ")"};
        QTest::newRow("remove one of two rows with one key: the files stay with the other") << QStringList{"Ann/AAB", "Bob/AAB"}
            << "AAC  " << QStringList{remove.arg(1), sure.arg("Bob") + "Yes", add[3]}
            << QStringList{R"(Players: 1 "Ann" "AAB  ")", R"(Players.key: "AAB  ")"};
    }
    void scenario()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, next);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, changed);
        fx.Reset();
        ProgramSettings settings = fx.program().Settings();
        LoadSettings(settings, *fx.platform);
        settings.NextPlayerId = next;
        settings.LastPlayerName = QStringLiteral("Ann"); // the list comes up with the last Ann selected
        fx.program() = Program(settings);
        PlayerRoster& s = fx.parts->roster;
        for (int i = 1; i <= names.size() && !names[i - 1].startsWith('!'); ++i) {
            const QString key = names[i - 1].contains('/') ? names[i - 1].section('/', 1).left(3) + "  "
                                                           : QStringLiteral("A%1%2  ").arg(QChar('A' + i / 26), QChar('A' + i % 26));
            WriteBytes(key.left(3) + (names[i - 1].contains('.') ? names[i - 1].right(4) : QStringLiteral(".cfg")), "\"4\"\r\n\"\"\r\n0\r\n\"\"\r\n33\r\n");
            if (!names[i - 1].startsWith('/'))
                s.Players[++s.PlayerCount] = {names[i - 1].section('/', 0, 0), key};
        }
        SavePlayerList(s);
        if (names.contains("!")) // a folder where the list belongs: it cannot be read, nor written, even by the administrator
            QFile::remove(PlayerListFile), QDir().mkdir(PlayerListFile), LoadPlayerList(s);
        QVERIFY(!names.contains("!lock") || ::mkfifo("Players.lock", 0666) == 0);
        // The player in use, lines 2 and 3 of nbr.INI, then each file of the program folder with its lines.
        auto kept = [this](const QStringList& files) {
            QStringList kept{"in use: " + fx.player().Chosen().PlayerFileId, "nbr.INI: " + FileLines(fx.platform->IniPath()).mid(1, 2).join(' ')};
            for (const QString& name : files)
                kept << name + ": " + (QFile::exists(name) ? FileLines(name).join(' ') : QStringLiteral("(removed)"));
            return kept;
        };
        const QStringList files = QDir().entryList(QDir::Files), before = kept(files);
        Script script;
        for (const QString& step : steps) {
            const QStringList actions = step.split('|').mid(1);
            OnWindow<GetPlayer, NewGuy, Grade, M_Boxx>(script, step.section('|', 0, 0), [actions](QWidget* w) { Act(w, actions); });
        }
        QObject guard; // a scenario that stalls is ended after 10 s, and fails
        QTimer::singleShot(10000, &guard, [] { for (Form* f : LoadedForms()) f->Unload(); });
        // The program's wait for a lock: its timers, and so its painting, go on under the hourglass.
        PaintWhileLocksWait();
        int busyTicks = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, [&busyTicks] { busyTicks += QApplication::overrideCursor() != nullptr; });
        ticks.start(100);
        fx.windows->ChoosePlayer();
        QCOMPARE(busyTicks >= 30, names.contains("!lock"));
        QCOMPARE(script.Remaining(), 0);
        QStringList differs = kept(QStringList(files + QDir().entryList(QDir::Files)));
        differs.removeDuplicates();
        for (const QString& was : before)
            differs.removeOne(was);
        QCOMPARE(differs, changed);
        // Every scenario but a choice ends with Exit or the end of the program.
        QCOMPARE(fx.platform->ended, steps.last().endsWith("Exit") || steps.last().endsWith("close"));
    }
};

QTEST_MAIN(TestGetPlayer)
#include "tst_GetPlayer_gui.moc"
