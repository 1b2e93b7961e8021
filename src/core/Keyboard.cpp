// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/Keyboard.h"

#include "core/FocusRing.h"
#include "core/Form.h"
#include "core/WindowUtils.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
constexpr char EscapeProperty[] = "EscapeButton";

QAbstractButton* EscapeButton(QWidget* window)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->property(EscapeProperty).toBool() && b->isVisible() && b->isEnabled())
            return b;
    }
    return nullptr;
}

// The menu of the background that `from` belongs to.
QMenuBar* Menu(const QWidget* from)
{
    QWidget* back = from ? MainWindowOf(from) : nullptr;
    return back && back->isVisible() ? back->findChild<QMenuBar*>() : nullptr;
}

// The shown entry among `actions` whose underlined letter is the key, or nullptr.
QAction* Mnemonic(const QList<QAction*>& actions, const QKeyEvent* key)
{
    if (key->modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier))
        return nullptr;
    const QKeySequence letter(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    for (QAction* a : actions) {
        if (a->isVisible() && a->isEnabled() && QKeySequence::mnemonic(a->text()) == letter)
            return a;
    }
    return nullptr;
}

class KeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return KeyPress(qobject_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            // Alt alone, and still in the window it was pressed in (Alt+F4 closed that one).
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt && altAlone_) {
                altAlone_ = false;
                if (altWindow_ && altWindow_ == QApplication::activeWindow())
                    return OpenMenu(altWindow_);
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate: // Alt+Tab, say
        case QEvent::Close:            // Alt+F4, whose F4 only the desktop sees
            altAlone_ = false;
            return false;
        default:
            return false;
        }
    }

private:
    bool KeyPress(QWidget* target, QKeyEvent* key)
    {
        altAlone_ = key->key() == Qt::Key_Alt;
        if (!target)
            return false;
        if (altAlone_)
            altWindow_ = target->window();
        const bool enter = IsEnterPress(key);
        if (auto* bar = qobject_cast<QMenuBar*>(target))
            return MenuBarKey(bar, key, enter);
        // In a drop-down of the menu: Escape leaves the menu at once, and a letter that is
        // none of the drop-down's own picks from the menu bar.
        if (auto* menu = qobject_cast<QMenu*>(target); menu && menu->parentWidget() == Menu(menu)) {
            if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_F10) {
                menu->hide();
                return Back(Menu(menu));
            }
            return !Mnemonic(menu->actions(), key) && Pick(Menu(menu), Mnemonic(Menu(menu)->actions(), key));
        }
        // Only the program's own windows: a list that pops up from a drop-down box keeps its keys.
        auto* window = qobject_cast<Form*>(target->window());
        if (!window || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A key held down presses a button once, as Space does.
        if (key->isAutoRepeat() && (enter || key->key() == Qt::Key_Escape))
            return false;
        if (key->key() == Qt::Key_F10)
            return OpenMenu(target);
        if (enter) {
            if (auto* button = qobject_cast<QAbstractButton*>(target); button && button->isEnabled()) {
                button->click();
                return true;
            }
            if (auto* list = qobject_cast<QAbstractItemView*>(target); list && list->currentIndex().isValid()) {
                emit list->doubleClicked(list->currentIndex());
                return true;
            }
        }
        if (key->key() == Qt::Key_Escape) {
            if (QAbstractButton* button = EscapeButton(window)) {
                button->click();
                return true;
            }
        }
        return false;
    }

    // The menu bar in keyboard use: Return runs the highlighted command, Escape goes back
    // to the window the menu was opened from.
    bool MenuBarKey(QMenuBar* bar, QKeyEvent* key, bool enter)
    {
        if (enter)
            return Pick(bar, bar->activeAction());
        if (QAction* action = Mnemonic(bar->actions(), key))
            return Pick(bar, action);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_F10)
            return Back(bar);
        return false;
    }

    bool Back(QMenuBar* bar)
    {
        Leave(bar);
        if (before_)
            before_->activateWindow();
        return true;
    }

    // Opens a drop-down, or runs a command once the key is done with.
    bool Pick(QMenuBar* bar, QAction* action)
    {
        if (!action || action->menu()) {
            if (action)
                bar->setActiveAction(action);
            return action != nullptr;
        }
        Leave(bar);
        QTimer::singleShot(0, action, &QAction::trigger);
        return true;
    }

    // Puts the bar fully at rest, so that pointing at it later opens no drop-down by itself:
    // its own leave handling does that while an entry without a drop-down is highlighted.
    void Leave(QMenuBar* bar)
    {
        for (QAction* a : bar->actions()) {
            if (a->isVisible() && !a->menu()) {
                bar->setActiveAction(a);
                break;
            }
        }
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(bar, &leave);
        bar->clearFocus();
    }

    bool OpenMenu(QWidget* from)
    {
        QMenuBar* bar = Menu(from);
        // Not over an open drop-down, nor past a window that waits for an answer.
        if (!bar || QApplication::activePopupWidget() || QApplication::activeModalWidget())
            return false;
        QWidget* back = bar->window();
        before_ = from && from->window() != back ? from->window() : nullptr;
        back->activateWindow();
        bar->setFocus(Qt::ShortcutFocusReason);
        for (QAction* a : bar->actions()) {
            if (a->isVisible()) {
                bar->setActiveAction(a);
                break;
            }
        }
        return true;
    }

    bool altAlone_ = false;
    QPointer<QWidget> altWindow_;
    QPointer<QWidget> before_; // the window the menu was opened from
};

// The controls of one Keyboard::ArrowGroup; it lives as long as the first of them.
class Group : public QObject {
public:
    Group(const QList<QWidget*>& members, int columns)
        : QObject(members.front())
        , columns_(std::max(1, columns))
    {
        for (QWidget* w : members) {
            members_ << w;
            w->installEventFilter(this);
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                connect(b, &QAbstractButton::toggled, this, [this] { FixTabStop(); });
        }
        FixTabStop();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int at = members_.indexOf(qobject_cast<QWidget*>(watched));
        if (at < 0)
            return false;
        if (event->type() == QEvent::FocusIn)
            last_ = members_[at];
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            FixTabStop();
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        int step = 0;
        switch (key->key()) {
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Right: step = 1; break;
        case Qt::Key_Up: step = -columns_; break;
        case Qt::Key_Down: step = columns_; break;
        default: return false;
        }
        const int n = static_cast<int>(members_.size());
        for (int i = 1, next = at; i < n; ++i) {
            next = ((next + step) % n + n) % n;
            QWidget* w = members_[next];
            if (w && w->isVisible() && w->isEnabled()) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        return true;
    }

private:
    QWidget* TabStop() const
    {
        for (QWidget* w : members_)
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isChecked())
                return w;
        if (last_)
            return last_;
        return members_.isEmpty() ? nullptr : members_.front().data();
    }

    // Only the stop takes Tab (a focused option button makes itself the stop when the focus
    // comes in, and this undoes it as the focus leaves).
    void FixTabStop()
    {
        QWidget* focused = QApplication::focusWidget();
        QWidget* stop = members_.contains(focused) ? focused : TabStop();
        for (QWidget* w : members_) {
            if (w)
                w->setFocusPolicy(w == stop ? Qt::FocusPolicy(w->focusPolicy() | Qt::TabFocus)
                                            : Qt::FocusPolicy(w->focusPolicy() & ~Qt::TabFocus));
        }
    }

    QList<QPointer<QWidget>> members_;
    QPointer<QWidget> last_;
    int columns_;
};
} // namespace

void Keyboard::Install()
{
    static KeyFilter* filter = nullptr;
    if (filter)
        return;
    filter = new KeyFilter(qApp);
    qApp->installEventFilter(filter);
    FocusRing::Install();
}

void Keyboard::ArrowGroup(const QList<QWidget*>& members, int columns)
{
    if (!members.isEmpty())
        new Group(members, columns);
}

void Keyboard::SetEscapeButton(QAbstractButton* button, bool on)
{
    button->setProperty(EscapeProperty, on);
}
