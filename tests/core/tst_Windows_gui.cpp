// Waiting for windows, one instance per window, activation handling, colouring, and the main
// loop's order.
#include "core/MainProgram.h"
#include "core/WindowUtils.h"
#include "support/GuiSupport.h"

#include <QLineEdit>
#include <QtTest>

class SelfClosing : public Form {
    Q_OBJECT
protected:
    void FormLoad() override { Unload(); }
};

class Plain : public Form {
    Q_OBJECT
public:
    int unloads = 0;
protected:
    void FormUnload() override { ++unloads; }
};

class Outer : public Form {
    Q_OBJECT
public:
    int activations = 0;
protected:
    void FormActivate() override { ++activations; }
};

// A desktop that does not report activations.
class SilentDesktop : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::WindowActivate; }
};

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void waitReturnsWhateverUnloads_data();
    void waitReturnsWhateverUnloads();
    void nestedWaitsReturnInnerFirst();
    void oneInstancePerWindow();
    void activationRequestsCoalesce();
    void childWaitHidesAndReactivatesParent();
    void applyBackColourKeepsOtherColours();
    void drawingIsKeptOnce();
    void mainLoopOrder_data();
    void mainLoopOrder();

private:
    GuiFixture fx;
};

void TestWindows::init()
{
    fx.Reset();
}

void TestWindows::waitReturnsWhateverUnloads_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("unloaded during its load") << "load";
    QTest::newRow("unloaded while shown") << "unload";
    QTest::newRow("closed by its close box") << "close";
}

void TestWindows::waitReturnsWhateverUnloads()
{
    QFETCH(QString, how);
    QElapsedTimer t;
    t.start();
    if (how == "load") {
        ShowAndWait<SelfClosing>();
    } else {
        Plain* p = Forms::Load<Plain>();
        QPointer<Plain> guard(p);
        int unloads = -1;
        QTimer::singleShot(10, p, [p, how, &unloads] {
            how == "close" ? (void)p->close() : p->Unload();
            unloads = p->unloads;
        });
        ShowAndWait(p);
        QCOMPARE(unloads, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull()); // discarded
    }
    QVERIFY(t.elapsed() < 1000);
    QVERIFY(!Forms::Find<SelfClosing>() && !Forms::Find<Plain>());
}

void TestWindows::nestedWaitsReturnInnerFirst()
{
    QStringList order;
    Outer* outer = Forms::Load<Outer>();
    QTimer::singleShot(10, [&] {
        Plain* inner = Forms::Load<Plain>();
        // The outer window goes first, yet the inner wait must still return first.
        QTimer::singleShot(10, [&] { Forms::Find<Outer>()->Unload(); });
        QTimer::singleShot(30, [&] { Forms::Find<Plain>()->Unload(); });
        ShowAndWait(inner);
        order << "inner";
    });
    ShowAndWait(outer);
    order << "outer";
    QCOMPARE(order, QStringList({"inner", "outer"}));
}

void TestWindows::oneInstancePerWindow()
{
    Plain* a = Forms::Load<Plain>();
    QCOMPARE(Forms::Load<Plain>(), a);
    a->Unload();
    a->Unload();
    QCOMPARE(a->unloads, 1);
    QVERIFY(Forms::Find<Plain>() == nullptr);
    Plain* b = Forms::Load<Plain>();
    QCOMPARE(b->unloads, 0);
    b->Unload();
}

void TestWindows::activationRequestsCoalesce()
{
    Outer* w = Forms::Load<Outer>();
    w->RequestActivate();
    w->RequestActivate();
    QCOMPARE(w->activations, 0); // once the current event is done
    QCoreApplication::processEvents();
    QCOMPARE(w->activations, 1);
}

void TestWindows::childWaitHidesAndReactivatesParent()
{
    SilentDesktop desktop;
    Outer* parent = Forms::Load<Outer>();
    parent->installEventFilter(&desktop);
    parent->show();
    bool parentHiddenMeanwhile = false;
    Plain* child = Forms::Load<Plain>();
    QTimer::singleShot(10, [&] {
        parentHiddenMeanwhile = !parent->isVisible();
        child->Unload();
    });
    ShowChildAndWait(parent, child);
    QVERIFY(parentHiddenMeanwhile);
    QVERIFY(parent->isVisible());
    // Its activation handling runs again once the dialog has closed.
    QTRY_COMPARE(parent->activations, 1);
}

void TestWindows::applyBackColourKeepsOtherColours()
{
    Plain* f = Forms::Load<Plain>();
    auto* label1 = new QLabel(f);
    auto* text = new QLineEdit(f);
    auto* noColour = new QLabel(f);
    SetBackColor(f, 12640511);
    SetBackColor(label1, 12640511);
    SetBackColor(text, 0xFFFFFF);
    ApplyBackColour(f, 0xC0C0C0);
    QCOMPARE(*BackColorOf(f), double(0xC0C0C0));
    QCOMPARE(*BackColorOf(label1), double(0xC0C0C0));
    QCOMPARE(*BackColorOf(text), double(0xFFFFFF));
    QVERIFY(!BackColorOf(noColour).has_value());
    QCOMPARE(label1->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    // Red sits in the low byte.
    SetBackColor(label1, 0x0000FF);
    QCOMPARE(label1->palette().color(QPalette::Window), QColor(255, 0, 0));
    f->Unload();
}

void TestWindows::drawingIsKeptOnce()
{
    Plain* f = Forms::Load<Plain>();
    f->SetSize(4725, 2000);
    DrawFormBevel(f);
    DrawFormBevel(f);
    QCOMPARE(f->Drawing().size(), std::size_t(8));
    auto* box = new QLabel(f);
    PlaceTw(box, 300, 300, 1500, 600);
    Draw3DBorder(box, f, 2, 1);
    QCOMPARE(f->Drawing().size(), std::size_t(16));
    // Erasing draws over the same places instead of adding more lines.
    Draw3DBorder(box, f, 2, 3);
    QCOMPARE(f->Drawing().size(), std::size_t(16));
    f->Unload();
}

void TestWindows::mainLoopOrder_data()
{
    QTest::addColumn<QList<int>>("opsAfterDefine");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("log");
    QTest::newRow("practise twice, then exit from the definition")
        << QList<int>{0, 2, -1} << "P D R D R D" << "\"h\"\r\n";
    QTest::newRow("operation 9 goes back to the player list")
        << QList<int>{1, 9, -1} << "P D R D P D" << "\"h\"\r\n\"h\"\r\n";
}

void TestWindows::mainLoopOrder()
{
    QFETCH(QList<int>, opsAfterDefine);
    QFETCH(QString, expected);
    QFETCH(QString, log);
    fx.state.LogEnabled = -1;
    QStringList seen;
    int defines = 0;
    MainLoopWindows w;
    w.ShowPlayer = [&] { seen << "P"; };
    w.ShowDefine = [&] {
        seen << "D";
        const int op = opsAfterDefine.value(defines++, -1);
        if (op < 0)
            fx.platform->EndProgram();
        else
            fx.state.PracticeOp = op;
    };
    w.ShowPractice = [&] { seen << "R"; };
    RunMainLoop(fx.state, *fx.platform, w);
    QCOMPARE(seen.join(' '), expected);
    QCOMPARE(ReadBytes(fx.platform->LogFilePath()), log.toLatin1());
}

QTEST_MAIN(TestWindows)
#include "tst_Windows_gui.moc"
