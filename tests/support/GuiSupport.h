// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Helpers for window tests: a fresh shared state and platform per case, and a script of
// steps that act on windows as they appear (modal dialogs block the test's own code).

#include "core/App.h"
#include "core/Form.h"
#include "core/Keyboard.h"
#include "core/M_Boxx.h"
#include "support/TestPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

struct GuiFixture {
    AppState state;
    std::unique_ptr<TestPlatform> platform;
    int run = 0; // counts the cases

    void Reset()
    {
        // Windows of an earlier case must not leak into this one, nor the end of the
        // program that closing the background window brings about.
        ++run;
        if (platform)
            platform->onEnd = nullptr;
        for (Form* f : Forms::All())
            f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state = AppState();
        platform = std::make_unique<TestPlatform>();
        platform->EnterProgramDir();
        state.AppPath = platform->programDir.path();
        // Ann (AAB), the child the cases use, is on the list: her files are written only then.
        WriteBytes(QStringLiteral("Players"), "1\r\n\"Ann\"\r\n\"AAB  \"\r\n");
        InstallApp(&state, platform.get());
        Keyboard::Install(); // the program's keys, as at start
        // The real program ends at once; here every window of this case closes so the waits return.
        platform->onEnd = [this, ended = run] {
            QTimer::singleShot(0, [this, ended] {
                if (ended != run)
                    return;
                for (Form* f : Forms::All())
                    f->Unload();
            });
        };
    }
};

// Runs each step once the window it names is visible and settled, in order. A step never acts on the
// very window instance the step before it acted on, so two steps for the same dialog wait
// for its next opening. Actions run from the event loop, so they may open modal windows.
class Script {
public:
    Script()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    template <class T> Script& On(std::function<void(T*)> action)
    {
        steps_.push_back({T::staticMetaObject.className(), [action](Form* f) { action(static_cast<T*>(f)); }});
        return *this;
    }
    int Remaining() const { return static_cast<int>(steps_.size()); }

private:
    void Poll()
    {
        if (steps_.empty() || busy_)
            return;
        Form* f = Forms::Find(steps_.front().window.constData());
        if (!f || !f->isVisible() || (!last_.isNull() && last_ == f && !f->IsUnloaded())) {
            seen_ = nullptr;
            return;
        }
        // Like a person, act only once the window has settled: activated (its activation
        // handling done), or up for a moment where the desktop activates nothing.
        if (seen_ != f) {
            seen_ = f;
            seenFor_.start();
        }
        if (f->ActivationPending() || (!f->isActiveWindow() && seenFor_.elapsed() < 200))
            return;
        auto step = steps_.front();
        steps_.pop_front();
        last_ = f;
        busy_ = true;
        QPointer<Form> target(f);
        QTimer::singleShot(0, [this, step, target] {
            busy_ = false;
            if (target)
                step.action(target);
        });
    }
    struct Step {
        QByteArray window;
        std::function<void(Form*)> action;
    };
    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<Form> last_;
    QPointer<Form> seen_;
    QElapsedTimer seenFor_;
    bool busy_ = false;
};

template <class T> T* Child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

inline void Click(QWidget* window, const char* button)
{
    Child<QAbstractButton>(window, button)->click();
}

// The program's message box, when it opens next: keeps its text and closes it with OK.
inline void AnswerMessage(Script& script, QString& message)
{
    script.On<M_Boxx>([&message](M_Boxx* box) {
        message = Child<QLabel>(box, "Label1")->text();
        Click(box, "Command1");
    });
}
