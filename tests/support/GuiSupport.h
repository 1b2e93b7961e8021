// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Helpers for window tests: a fresh shared state and platform per case, and a script of
// steps that act on windows as they appear (modal dialogs block the test's own code).

#include "app/WindowFactory.h"
#include "help/SystemPrinter.h"
#include "core/Form.h"
#include "core/Keyboard.h"
#include "core/M_Boxx.h"
#include "core/logic/PlayerFiles.h"
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

// Every window loaded now (the windows of the program are the only Forms of a test).
inline QList<Form*> LoadedForms()
{
    QList<Form*> forms;
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* f = qobject_cast<Form*>(w); f && !f->IsUnloaded())
            forms << f;
    }
    return forms;
}

// The loaded window of a class, or nullptr.
inline Form* FindForm(const QByteArray& className)
{
    for (Form* f : LoadedForms()) {
        if (className == f->metaObject()->className())
            return f;
    }
    return nullptr;
}
template <class T> T* FindForm()
{
    return static_cast<T*>(FindForm(QByteArray(T::staticMetaObject.className())));
}

// A fresh program per case: its parts, a test platform and the windows wired as the program
// wires them.
struct GuiFixture {
    std::unique_ptr<ProgramParts> parts;
    std::unique_ptr<TestPlatform> platform;
    std::unique_ptr<WindowFactory> windows;
    int run = 0; // counts the cases

    // A fresh program on a test platform, or on the one given (a test platform of another kind).
    void Reset(std::unique_ptr<TestPlatform> made = nullptr)
    {
        // Windows of an earlier case must not leak into this one, nor the end of the
        // program that closing the background window brings about.
        ++run;
        if (platform)
            platform->onEnd = nullptr;
        for (Form* f : LoadedForms())
            f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        windows.reset();
        parts = std::make_unique<ProgramParts>();
        platform = made ? std::move(made) : std::make_unique<TestPlatform>();
        platform->EnterProgramDir();
        platform->pdfFile = [](const QString& file) { return std::make_unique<SystemPrinter>(file); };
        SetProgram([this](ProgramSettings& s) { s.AppPath = platform->programDir.path(); });
        // Ann (AAB), the child the cases use, is on the list: her files are written only then.
        WriteBytes(QStringLiteral("Players"), "1\r\n\"Ann\"\r\n\"AAB  \"\r\n");
        windows = std::make_unique<WindowFactory>(*parts, *platform);
        Keyboard::Install(); // the program's keys, as at start
        // The real program ends at once; here every window of this case closes so the waits return.
        platform->onEnd = [this, ended = run] {
            QTimer::singleShot(0, [this, ended] {
                if (ended != run)
                    return;
                for (Form* f : LoadedForms())
                    f->Unload();
            });
        };
    }

    // The program's settings as a case starts them.
    void SetProgram(const std::function<void(ProgramSettings&)>& change)
    {
        ProgramSettings s = parts->program.Settings();
        change(s);
        parts->program = Program(s);
    }
    // Ann chosen, her settings in memory as `change` leaves them; her file stays as it was.
    void ChooseAnn(const std::function<void(PlayerSettings&)>& change = {})
    {
        parts->player.Choose(QStringLiteral("Ann"), QStringLiteral("AAB"));
        if (change)
            SetPlayer(change);
    }
    // The chosen player's settings in memory as `change` leaves them; her file stays as it was.
    void SetPlayer(const std::function<void(PlayerSettings&)>& change)
    {
        const QString file = QStringLiteral("AAB.cfg");
        const bool had = QFile::exists(file);
        const QByteArray bytes = had ? ReadBytes(file) : QByteArray();
        parts->player.Change(change);
        if (had)
            WriteBytes(file, bytes);
        else
            QFile::remove(file);
    }
    // A window made as the program makes it, with no window behind it, and loaded.
    template <class T, class... Args> T* Make(Args&&... args)
    {
        return LoadForm(new T(Tools(), std::forward<Args>(args)..., nullptr));
    }
    const Services& Tools() const { return windows->Tools(); }
    Program& program() { return parts->program; }
    Player& player() { return parts->player; }
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
        Form* f = FindForm(steps_.front().window);
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
