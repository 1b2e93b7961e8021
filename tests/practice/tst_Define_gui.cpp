// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The practice definition window: its presets read back, what the clicks leave in the shared
// state and on disk, and its white frames.
#include "core/WindowUtils.h"
#include "practice/Define.h"
#include "support/GuiSupport.h"

#include <QtTest>

class TestDefine : public QObject {
    Q_OBJECT
    GuiFixture fx;
    QPointer<Define> define;

    void Open(const QString& practice)
    {
        fx.SetPlayer([&practice](PlayerSettings& s) { s.CurrentPractice = practice; });
        (define = fx.Make<Define>(fx.program(), fx.player()))->show();
        QVERIFY(QTest::qWaitForWindowActive(define));
        QCoreApplication::processEvents(); // activation handling runs just after the platform's
    }
    void Press(const QStringList& names)
    {
        for (const QString& name : names) {
            auto* button = Child<QAbstractButton>(define, qPrintable(name));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        }
    }
    static QString Saved() { return FileLines(QStringLiteral("AAB.cfg")).value(1); }

private slots:
    void init()
    {
        fx.Reset();
        fx.ChooseAnn();
    }

    void readBack_data()
    {
        QTest::addColumn<QString>("practice");
        QTest::addColumn<int>("levelMinutes"); // 0: no level to advance on
        QTest::addColumn<QStringList>("clicks"); // the last closes the window
        QTest::addColumn<QString>("record");
        QTest::newRow("presets kept: division just 10, 5 min") << "3A5200603151405007009" << 0 << QStringList{"Command8"}
                                                               << "3A5200603151405007009";
        QTest::newRow("presets kept: no minutes is 3") << "2K" << 0 << QStringList{"Command8"} << "2K3200603151405000000";
        QTest::newRow("up to 9 of division") << "1D3200603151405000000" << 0 << QStringList{"Option6", "Option8_8", "Option4", "Command8"}
                                             << "3T3200603151405000000";
        QTest::newRow("up to, no number") << "2K3200603151405000000" << 0 << QStringList{"Option6", "Command8"} << "2K3200603151405000000";
        QTest::newRow("the time button already on starts") << "2K1200603151405000000" << 0 << QStringList{"Option9"} << "2K1200603151405000000";
        QTest::newRow("a level's minutes") << "2K5200603151405000000" << 4 << QStringList{"Option7", "Command8"} << "0H4200603151405000000";
    }
    void readBack()
    {
        QFETCH(QString, practice);
        QFETCH(int, levelMinutes);
        QFETCH(QStringList, clicks);
        QFETCH(QString, record);
        fx.SetPlayer([levelMinutes](PlayerSettings& s) {
            s.AutoAdvance = levelMinutes != 0;
            s.AdvanceMinutes = static_cast<Int16>(levelMinutes);
            s.LevelDef = QStringLiteral("0H3200603151405000000");
        });
        Open(practice);
        Press(clicks);
        QVERIFY(define.isNull() || define->IsUnloaded());
        QCOMPARE(fx.player().Settings().CurrentPractice, record);
        QCOMPARE(Saved(), '"' + record + '"');
    }

    void cancelLeavesNineButNotTheNextDefinition()
    {
        Open(QStringLiteral("2D3200603151405000000"));
        Press({"Option4", "Option6", "Option8_1", "Command1"});
        QCOMPARE((QList<int>{fx.player().Definition().PracticeOp, fx.player().Definition().TableNum}), (QList<int>{9, -7})); // 9: back to the player list
        QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
        // A player without a stored practice starts from her level's operation, never from the 9.
        fx.SetPlayer([](PlayerSettings& s) { s.LevelDef = QStringLiteral("2K3200603151405000000"); });
        Open(QString());
        Press({"Command8"});
        QCOMPARE(Saved(), QStringLiteral("\"2D3200603151405000000\""));
        Open(QString());
        Press({"Option2", "Command8"});
        QCOMPARE(Saved(), QStringLiteral("\"1D3200603151405000000\""));
    }

    void framesStayWhite()
    {
        fx.program().SetBackColour(0xFFFFFF);
        Open(QStringLiteral("0K1200603151405000000"));
        fx.program().SetBackColour(0x80FF80);
        define->Activate();
        QCOMPARE(BackColorOf(define).value_or(0), double(0x80FF80));
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Option1", "Option8_0", "Option14"})
            QCOMPARE(BackColorOf(Child<QWidget>(define, name)).value_or(0), double(0xFFFFFF));
    }
};

QTEST_MAIN(TestDefine)
#include "tst_Define_gui.moc"
