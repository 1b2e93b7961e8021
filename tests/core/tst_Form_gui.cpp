// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// A window's activation handling: after the platform's activation, once, and again when its dialog closes.
#include "core/WindowUtils.h"
#include "support/GuiSupport.h"

#include <QtTest>

class Plain : public Form {
    Q_OBJECT
public:
    using Form::Form;
    int activations = 0;
    void FormActivate() override { ++activations; }
};

class Outer : public Plain {
    Q_OBJECT
public:
    using Plain::Plain;
};

// A desktop that does not report activations.
class SilentDesktop : public QObject {
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::WindowActivate; }
};

class TestForm : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.Reset(); }
    void activationRunsAfterThePlatformsOnce()
    {
        Outer* parent = fx.Make<Outer>();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(parent, &activate); // the desktop's activation
        parent->RequestActivate();                      // and a closing dialog's request
        QCOMPARE(parent->activations, 0);               // not inside the platform's activation
        QCoreApplication::processEvents();
        QCOMPARE(parent->activations, 1);
        // A dialog hides its parent while it is up; when it closes, the parent's activation
        // handling runs again even where the desktop reports no activation.
        SilentDesktop desktop;
        parent->installEventFilter(&desktop);
        parent->show();
        bool parentHiddenMeanwhile = false;
        Plain* child = fx.Make<Plain>();
        QTimer::singleShot(10, [&] {
            parentHiddenMeanwhile = !parent->isVisible();
            child->Unload();
        });
        ShowChildAndWait(parent, child);
        QVERIFY(parentHiddenMeanwhile && parent->isVisible());
        QTRY_COMPARE(parent->activations, 2);
    }

private:
    GuiFixture fx;
};

QTEST_MAIN(TestForm)
#include "tst_Form_gui.moc"
