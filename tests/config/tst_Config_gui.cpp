// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The configuration window: what the clicks and keys make of the player's settings file, what
// Save makes of the two criteria boxes and of the options boxes, and that closing it leaves a
// drill under way as it was.
#include "config/Config.h"
#include "core/WindowUtils.h"
#include "support/PlayersConfigSteps.h"

#include <QtTest>

class TestConfig : public QObject {
    Q_OBJECT
    GuiFixture fx;

private slots:
    void save_data()
    {
        QTest::addColumn<QString>("settings");  // PlayerGrade, AutoAdvance and AdvanceMinutes before
        QTest::addColumn<QStringList>("steps"); // widget or button clicked, list=entry picked, box=text typed
        QTest::addColumn<QString>("file");      // the lines of AAB.cfg, or the message shown | the box given the keyboard
        QTest::newRow("grade 8 kept, 4 minutes have no entry: 0; the level opens as addition, all; swatch 10, second format")
            << "8 1 4" << QStringList{"Label13_10", "Option2", "Save"}
            << R"("8" "1L2202401020304011012" 1 "0K3202403051407020021" 27 0 4 2 8421631)";
        QTest::newRow("tick with 0, grade 0 is N/A: only the minutes; the drill's level")
            << "0 0 30" << QStringList{"Text1=0", "Check1", "Save"}
            << R"("N/A" "1L2202401020304011012" 1 "2E5202403051407033035" 0 3 4 1 12640511)";
        QTest::newRow("grade 4 overwrites typed values") << "3 1 10" << QStringList{"Text1=50", "Combo6=4", "Save"}
            << R"("4" "1L2202401020304011012" 1 "0K3202403051407020021" 36 3 7 1 12640511)";
        QTest::newRow("just 7 of multiplication via all: the number still shown")
            << "3 1 7" << QStringList{"Combo1=2", "Combo2=2", "Combo3=6", "Combo2=0", "Combo2=2", "Save"}
            << R"("3" "1L2202401020304011012" 1 "2D3202403051407020021" 27 7 4 1 12640511)";
        QTest::newRow("blanks round 999 are taken, a blank second box becomes 7")
            << "3 1 7" << QStringList{"Text1= 999 ", "Text2= ", "Save"}
            << R"("3" "1L2202401020304011012" 1 "0K3202403051407020021" 999 7 7 1 12640511)";
        QTest::newRow("blank first box") << "3 1 7" << QStringList{"Text1= ", "Save"} << "Please set Advancement Criteria | Text1";
        const QString badRight = QStringLiteral("Please type the number of problems right as a whole number from 0 to 999. | Text1");
        QTest::newRow("1.5 refused: the box gets the keyboard") << "3 1 7" << QStringList{"Text1=1.5", "Save"} << badRight;
        QTest::newRow("1000 too big") << "3 1 7" << QStringList{"Text1=1000", "Save"} << badRight;
        QTest::newRow("beyond 32 bits") << "3 1 7" << QStringList{"Text1=99999999999", "Save"} << badRight;
        QTest::newRow("second box negative") << "3 1 7" << QStringList{"Text2=-3", "Save"}
            << "Please type the number of exercises as a whole number from 0 to 999. | Text2";
        // On the test's screen, 800 pixels wide, "Big drill" starts ticked for N/A, 1 and 2; a box stored
        // in AAB.opt (after "|") once it differs from how it started.
        QTest::newRow("grade 3: Big drill ticked, answer sounds ticked") << "3 0 3" << QStringList{"Check2", "Check3", "Save"}
            << R"("3" "1L2202401020304011012" 0 "2E5202403051407033035" 27 3 4 1 12640511 | BigDrill=1 AnswerSounds=1)";
        QTest::newRow("grade 2: Big drill unticked") << "2 0 3" << QStringList{"Check2", "Save"}
            << R"("2" "1L2202401020304011012" 0 "2E5202403051407033035" 27 3 4 1 12640511 | BigDrill=0)";
        // Her own language, handed to the program at once.
        QTest::newRow("German for her") << "3 0 3" << QStringList{"Combo7=2", "Save"}
            << R"("3" "1L2202401020304011012" 0 "2E5202403051407033035" 27 3 4 1 12640511 | Language=de | speaks de)";
        QTest::newRow("Cancel") << "3 1 7" << QStringList{"Combo1=3", "Label13_10", "Check2", "Cancel"} << "";
    }
    void save()
    {
        QFETCH(QString, settings);
        QFETCH(QStringList, steps);
        QFETCH(QString, file);
        fx.Reset();
        fx.platform->now = QDateTime(QDate(2024, 3, 5), QTime(14, 7));
        fx.ChooseAnn([&settings](PlayerSettings& s) {
            s.CurrentPractice = QStringLiteral("1L2202401020304011012");
            s.LevelDef = QStringLiteral("9@3202312010800020021"); // operation 9 and table -11 cannot be
            s.AdvanceNum = 27, s.AdvanceRight = 4, s.ProblemFormat = 1;
            s.PlayerGrade = settings.section(' ', 0, 0), s.AutoAdvance = Int16(settings.section(' ', 1, 1).toInt());
            s.AdvanceMinutes = Int16(settings.section(' ', 2).toInt());
        });
        // The definition held now, a drill's under way say: the level offered when advancement is off.
        fx.player().SetDefinition(PracticeFields{2, -6, 5, 33, 35});
        QPointer<Config> config = fx.Make<Config>(fx.program().Settings(), fx.player());
        config->show();
        QString message, spoken;
        fx.program().OnLanguage([&spoken](const QString& language) { spoken = language; });
        Script script;
        AnswerMessage(script, message);
        Act(config, steps);
        if (!message.isEmpty())
            message += " | " + config->focusWidget()->objectName();
        message += spoken.isEmpty() ? QString() : " | speaks " + spoken;
        if (QFile::exists(QStringLiteral("AAB.opt")))
            message = " | " + FileLines(QStringLiteral("AAB.opt")).join(' ') + message;
        QCOMPARE(FileLines(QStringLiteral("AAB.cfg")).join(' ') + message, file);
        if (!QFile::exists(QStringLiteral("AAB.cfg")))
            QCOMPARE(fx.program().Settings().BackColour, DefaultBackColour);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_Config_gui.moc"
