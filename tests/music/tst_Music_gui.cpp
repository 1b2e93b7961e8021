// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The music break on the process's synthesizer: a random piece whenever the window comes up
// with nothing playing, the player's buttons, the volume bar and Exit; no sound device needed.
#include "audio/MMControl.h"
#include "music/Music.h"
#include "support/GuiSupport.h"

#include <QComboBox>
#include <QScrollBar>
#include <QtTest>

class TestMusic : public QObject {
    Q_OBJECT
    GuiFixture fx;
    static MMControl* MM(QWidget* w) { return Child<MMControl>(w, "MM"); }
    static void Press(QWidget* w, const char* button) { QTest::mouseClick(Child<QAbstractButton>(w, button), Qt::LeftButton); }
    Music* Open()
    {
        Music* w = fx.Make<Music>(fx.parts->midi);
        w->show();
        if (!QTest::qWaitForWindowActive(w))
            w->Activate();
        (void)QTest::qWaitFor([w] { return !w->ActivationPending(); }, 1000); // its activation handling done
        return w;
    }
private slots:
    void init()
    {
        fx.Reset();
        // No sound server to reach: a silent output keeps time, so the pieces play on as if heard
        // (a sound card is tried only when the machine lists one).
        qputenv("PULSE_SERVER", "unix:/no/such/socket");
        WriteBytes(QStringLiteral("brook.mid"), MidiPiece(40));
        WriteBytes(QStringLiteral("brook.txt"), "The Brook\r\nA tune about water.\r\n");
        WriteBytes(QStringLiteral("clock.mid"), MidiPiece(40));
        fx.platform->randoms = {0.1, 0.8}; // the brook first, then the clock
    }
    // A button pressed while the first piece plays: the buttons then offered (Prev, Play, Pause,
    // Stop) and the place kept; then the window comes up again.
    void buttonsAndActivation_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QList<bool>>("buttons");
        QTest::addColumn<QString>("next");
        QTest::newRow("none: it plays on") << "" << QList<bool>{true, false, true, true} << "brook.mid";
        QTest::newRow("Pause keeps the place; a new piece") << "Pause" << QList<bool>{true, true, false, true} << "clock.mid";
        QTest::newRow("Stop rewinds; a new piece") << "Stop" << QList<bool>{false, true, false, false} << "clock.mid";
        QTest::newRow("Prev rewinds; a new piece") << "Prev" << QList<bool>{false, true, false, false} << "clock.mid";
    }
    void buttonsAndActivation()
    {
        QFETCH(QString, press);
        Music* w = Open();
        QCOMPARE(Child<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("The Brook"));
        QCOMPARE(Child<QLabel>(w, "Label2")->text(), QStringLiteral("A tune about water.\r\n"));
        QVERIFY(!Child<QScrollBar>(w, "VScroll1")->isVisible()); // no volume bar without the start-up probe's support
        QTRY_VERIFY(MM(w)->Position() > 0);
        if (!press.isEmpty())
            Press(MM(w), qPrintable(press));
        const int position = MM(w)->Position();
        w->Timer2Tick(); // the end-of-piece watch leaves a paused or stopped piece where it is
        QTEST(QList<bool>({MM(w)->PrevEnabled(), MM(w)->PlayEnabled(), MM(w)->PauseEnabled(), MM(w)->StopEnabled()}), "buttons");
        QVERIFY(press.isEmpty() ? MM(w)->Position() >= position : MM(w)->Position() == (press == "Pause" ? position : 0));
        w->Activate();
        QTEST(MM(w)->FileName(), "next");
        QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    }
    // With the start-up probe's support the bar shows the volume and its bottom is silence (and
    // showing sends nothing); Exit stops the piece.
    void volumeBarAndExit()
    {
        fx.parts->midi.MidiVolumeSupport = 1;
        fx.platform->midi.volume = 0x10261027u; // -24 dB: the bar's middle
        Music* w = Open();
        QPointer<MMControl> mm = MM(w);
        auto* bar = Child<QScrollBar>(w, "VScroll1");
        QVERIFY(bar->isVisible() && bar->value() == 8 && mm->Mode() == MMControl::ModePlay);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(fx.platform->midi.sent, std::vector<std::uint32_t>{0u});
        Press(w, "Command1");
        QVERIFY(!FindForm<Music>() && mm);
        QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    }
};

QTEST_MAIN(TestMusic)
#include "tst_Music_gui.moc"
