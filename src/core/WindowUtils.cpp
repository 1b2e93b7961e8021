// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/WindowUtils.h"

#include "core/logic/FileLock.h"
#include "core/logic/LineFormat.h"
#include "core/logic/ToolTipText.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

namespace {
// The windows being waited for, oldest first: the child works in the last one shown.
QList<QPointer<Form>>& Waiting()
{
    static QList<QPointer<Form>> waiting;
    return waiting;
}
} // namespace

Form* WorkingWindow()
{
    for (auto it = Waiting().crbegin(); it != Waiting().crend(); ++it)
        if (*it && !(*it)->IsUnloaded() && (*it)->isVisible())
            return *it;
    return nullptr;
}

namespace {
// Focus and the activation handling go back to the window the child was working in, so
// her next key or click reaches it (and not the background window) with it up to date.
void ReturnToWorkingWindow()
{
    Waiting().removeIf([](const QPointer<Form>& f) { return !f || f->IsUnloaded(); });
    if (Form* form = WorkingWindow()) {
        form->raise();
        form->activateWindow();
        form->RequestActivate();
    }
}
// The desktop puts a window over the one it belongs to: the window the child was working in
// when it opened (the active one, else the last one waited for), else the background.
void KeepOverOwner(Form* window)
{
    if (window->isVisible())
        return;
    QWidget* owner = qobject_cast<Form*>(QApplication::activeWindow());
    if (!owner || owner == window || !owner->isVisible())
        owner = WorkingWindow();
    if (!owner || owner == window || !owner->isVisible())
        owner = MainWindowOf(window);
    if (!owner || owner == window)
        return;
    window->winId();
    owner->winId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
}
} // namespace

void ShowAndWait(Form* window)
{
    QPointer<Form> form(window);
    if (!form || form->IsUnloaded())
        return;
    QEventLoop loop;
    QObject::connect(form, &Form::Unloaded, &loop, &QEventLoop::quit);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (DesktopPlacesWindows())
        KeepOverOwner(form);
    Waiting().append(form);
    form->show();
    form->raise();
    form->activateWindow();
    if (form && !form->IsUnloaded()) {
        const NestedWait wait;
        loop.exec();
    }
    ReturnToWorkingWindow();
}

namespace {
// Holds back what the user does to one window: clicks, keys, the wheel and its close box.
class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window)
        : window_(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!window_ || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        case QEvent::Close: // the close box only: the program's own ending goes ahead
            if (!event->spontaneous())
                return false;
            event->ignore();
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> window_;
};
} // namespace

void ShowOverAndWait(QWidget* opener, Form* window)
{
    InputBlock block(opener ? opener->window() : nullptr);
    ShowAndWait(window);
}

void ShowModal(Form* window)
{
    if (window && !window->IsUnloaded())
        window->setWindowModality(Qt::ApplicationModal);
    ShowAndWait(window);
}

void ShowChildAndWait(QWidget* parent, Form* child)
{
    QPointer<QWidget> p(parent);
    if (p)
        p->hide();
    ShowAndWait(child);
    // A parent unloaded meanwhile stays hidden: its object lives on only until the wait is over.
    if (auto* form = qobject_cast<Form*>(p.data()); p && !(form && form->IsUnloaded())) {
        p->show();
        p->raise();
        p->activateWindow();
        // The parent's activation handling runs again whenever its dialog closes, whether
        // or not the desktop reports the activation.
        if (form)
            form->RequestActivate();
    }
}

void ShowHourglass()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void PaintWhileLocksWait()
{
    SetLockWaiter([](LockWait step) {
        if (step == LockWait::Begin)
            ShowHourglass();
        else if (step == LockWait::End)
            RestorePointer();
        else
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20), QThread::msleep(10);
    });
}

void RestorePointer()
{
    QApplication::restoreOverrideCursor();
}

int OpenDocument(Platform& os, const QString& target)
{
    ShowHourglass();
    const int result = os.OpenDocument(target);
    RestorePointer();
    return result;
}

void WriteCommentsPage(Platform& os, const QString& pageText)
{
    // Without the texts the program has told the user and is ending: no page to open.
    if (os.HasEnded())
        return;
    const QString page = QStringLiteral("sendcom.htm");
    WriteFileAtomic(page, pageText.toUtf8());
    OpenDocument(os, QDir::current().absoluteFilePath(page));
}

bool DesktopPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CentreForm(Form* window)
{
    // There the desktop centres the window over its parent; a move would be ignored.
    if (DesktopPlacesWindows())
        return;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect s = screen->geometry();
    const QPoint p = CentredPosition(PixelsToTwips(s.width()), PixelsToTwips(s.height()),
                                     window->Width(), window->Height());
    window->MoveTo(p.x(), p.y());
}

void ApplyBackColour(QWidget* window, double colour)
{
    const std::optional<double> current = BackColorOf(window);
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* c : controls) {
        const std::optional<double> own = BackColorOf(c);
        if (own && current && *own == *current)
            SetBackColor(c, colour);
    }
    SetBackColor(window, colour);
}

void DrawFormBevel(Form* window)
{
    window->AddDrawing(BevelSegments(0, 0, window->Width(), window->Height()));
}

void Draw3DBorder(QWidget* control, QWidget* surface, int width, int style)
{
    const QRect g = control->geometry();
    const std::optional<double> back = BackColorOf(surface);
    const unsigned backColour = back ? static_cast<unsigned>(*back) : 0xFFFFFF;
    auto* form = qobject_cast<Form*>(surface);
    const auto rings = BorderSegments(PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()),
                                      PixelsToTwips(g.height()), width, style, backColour, form != nullptr);
    if (form)
        form->AddDrawing(rings);
    else if (auto* box = qobject_cast<PictureBox*>(surface))
        box->AddDrawing(rings);
}

void ShowToolTip(QWidget* /*window*/, QWidget* control, int show)
{
    if (show == 0) {
        QToolTip::hideText();
        return;
    }
    const QString text = ToolTipText(TagOf(control));
    if (text.isEmpty())
        return;
    // Just below the control, as the platform places its own tips.
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height() + TwipsToPixels(40))), text, control);
}

QColor ToQColor(double colour)
{
    const auto c = static_cast<unsigned>(static_cast<qint64>(colour) & 0xFFFFFF);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::optional<double> BackColorOf(const QWidget* control)
{
    const QVariant v = control->property("BackColor");
    if (!v.isValid())
        return std::nullopt;
    return v.toDouble();
}

void SetBackColor(QWidget* control, double colour)
{
    control->setProperty("BackColor", colour);
    QPalette pal = control->palette();
    const QColor c = ToQColor(colour);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
}

void SetForeColor(QWidget* control, double colour)
{
    QPalette pal = control->palette();
    const QColor c = ToQColor(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    control->setPalette(pal);
}

void SetTag(QWidget* control, const QString& tag)
{
    control->setProperty("Tag", tag);
    control->setToolTip(ToolTipText(tag));
}

QString TagOf(const QWidget* control)
{
    return control->property("Tag").toString();
}

namespace {
constexpr char DesignPlaceProperty[] = "DesignPlace";
constexpr char DesignFontProperty[] = "DesignFont";
} // namespace

void PlaceTw(QWidget* control, int left, int top, int width, int height)
{
    control->setProperty(DesignPlaceProperty, QRect(left, top, width, height));
    const auto* form = qobject_cast<const Form*>(control->window());
    const double z = form && form != control ? form->Zoom() : 1;
    control->setGeometry(TwipsToPixels(left * z), TwipsToPixels(top * z), TwipsToPixels(width * z), TwipsToPixels(height * z));
}

QRect DesignPlace(const QWidget* control)
{
    return control->property(DesignPlaceProperty).toRect();
}

QFont ZoomedFont(QWidget* control, double zoom)
{
    QVariant kept = control->property(DesignFontProperty);
    if (!kept.isValid()) {
        kept = control->font();
        control->setProperty(DesignFontProperty, kept);
    }
    QFont f = kept.value<QFont>();
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * zoom + 0.5)));
    else
        f.setPointSizeF(f.pointSizeF() * zoom);
    return f;
}

int ScreenPixelWidth(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->geometry().width() * screen->devicePixelRatio() + 0.5) : 0;
}

bool IsEnterPress(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QFont ScaledFont(const QWidget* widget, double factor)
{
    QFont f = widget->font();
    f.setPointSizeF(f.pointSizeF() * factor);
    return f;
}
