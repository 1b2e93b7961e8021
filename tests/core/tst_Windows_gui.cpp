// Waiting for windows, one instance per window, and activation handling.
#include "core/WindowUtils.h"
#include "support/GuiSupport.h"

#include <QtTest>

class SelfClosing : public Form {
    Q_OBJECT
    void FormLoad() override { Unload(); }
};

class Plain : public Form {
    Q_OBJECT
public:
    int unloads = 0, activations = 0;
    void FormUnload() override { ++unloads; }
    void FormActivate() override { ++activations; }
};

class Outer : public Plain {
    Q_OBJECT
};

// A desktop that does not report activations.
class SilentDesktop : public QObject {
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::WindowActivate; }
};

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.Reset(); }
    void waitReturnsWhateverUnloads_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("unloaded while shown") << false;
        QTest::newRow("closed by its close box") << true;
    }
    void waitReturnsWhateverUnloads()
    {
        QFETCH(bool, closeBox);
        ShowAndWait<SelfClosing>(); // unloaded during its load: returns at once
        Plain* p = Forms::Load<Plain>();
        QCOMPARE(Forms::Load<Plain>(), p); // one instance per window
        QPointer<Plain> guard(p);
        QTimer::singleShot(10, p, [p, closeBox] { closeBox ? (void)p->close() : (p->Unload(), p->Unload()); });
        ShowAndWait(p);
        QCOMPARE(p->unloads, 1);
        QVERIFY(!Forms::Find<SelfClosing>() && !Forms::Find<Plain>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull()); // discarded, so the next load makes a new one
    }
    void activationRunsAfterThePlatformsOnce()
    {
        Outer* parent = Forms::Load<Outer>();
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
        Plain* child = Forms::Load<Plain>();
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

QTEST_MAIN(TestWindows)
#include "tst_Windows_gui.moc"
