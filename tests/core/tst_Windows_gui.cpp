// Waiting for windows, one instance per window, activation handling, drawing and the main
// loop's order.
#include "core/MainProgram.h"
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
    void nestedWaitsReturnInnerFirst()
    {
        QStringList order;
        QTimer::singleShot(10, [&] {
            // The outer window goes first, yet the inner wait must still return first.
            QTimer::singleShot(10, [] { Forms::Find<Outer>()->Unload(); });
            QTimer::singleShot(30, [] { Forms::Find<Plain>()->Unload(); });
            ShowAndWait<Plain>();
            order << "inner";
        });
        ShowAndWait<Outer>();
        order << "outer";
        QCOMPARE(order, QStringList({"inner", "outer"}));
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
    void drawingIsKeptOnce()
    {
        Plain* f = Forms::Load<Plain>();
        f->SetSize(4725, 2000);
        DrawFormBevel(f);
        DrawFormBevel(f);
        QCOMPARE(f->Drawing().size(), std::size_t(8));
        auto* box = new QLabel(f);
        PlaceTw(box, 300, 300, 1500, 600);
        Draw3DBorder(box, f, 2, 1);
        Draw3DBorder(box, f, 2, 3); // erasing draws over the same places
        QCOMPARE(f->Drawing().size(), std::size_t(16));
    }
    void mainLoopOrder_data()
    {
        QTest::addColumn<QList<int>>("opsAfterDefine"); // the operation each definition chooses; -1 ends the program
        QTest::addColumn<QString>("expected");
        QTest::newRow("practise twice, then exit from the definition") << QList<int>{0, 2, -1} << "P D R D R D";
        QTest::newRow("operation 9 goes back to the player list") << QList<int>{1, 9, -1} << "P D R D P D";
    }
    void mainLoopOrder()
    {
        QFETCH(QList<int>, opsAfterDefine);
        QStringList seen;
        MainLoopWindows w;
        w.ShowPlayer = [&] { seen << "P"; };
        w.ShowDefine = [&] {
            const int op = opsAfterDefine.value(seen.count("D"));
            seen << "D";
            op < 0 ? fx.platform->EndProgram() : void(fx.state.PracticeOp = op);
        };
        w.ShowPractice = [&] { seen << "R"; };
        RunMainLoop(fx.state, *fx.platform, w);
        QTEST(seen.join(' '), "expected");
    }

private:
    GuiFixture fx;
};

QTEST_MAIN(TestWindows)
#include "tst_Windows_gui.moc"
