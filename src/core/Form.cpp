// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/Form.h"

#include "core/Captions.h"
#include "core/MessageBoxes.h"
#include "core/WindowUtils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>

namespace {
// The makings of windows and the starts of waits, numbered in one sequence.
quint64 gSequence = 0;
// The start of each wait still running, the innermost last.
QList<quint64> gWaits;
// Unloaded windows that a running wait still holds.
QList<QPointer<Form>> gHeld;

// A click or key meant for a window whose activation is due runs that activation first:
// the desktop reports the activation only after the click that caused it, and a list
// refilled after the click would lose what the click chose.
class InputBeforeActivation : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress)
            && watched->isWidgetType()) {
            if (auto* form = qobject_cast<Form*>(static_cast<QWidget*>(watched)->window()))
                form->ActivateBeforeInput();
        }
        return false;
    }
};
} // namespace

QWidget* MainWindowOf(const QWidget* window)
{
    const QWidget* w = window;
    while (w && w->parentWidget())
        w = w->parentWidget();
    return const_cast<QWidget*>(w);
}

Form::Form(const Services& services, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , services_(services)
    , made_(++gSequence)
{
    static InputBeforeActivation* filter = nullptr;
    if (!filter && QCoreApplication::instance()) {
        filter = new InputBeforeActivation(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

Form::~Form() = default;

void Form::Load()
{
    // The desktop (and whoever drives the program from outside) can tell the windows apart.
    setWindowRole(objectName());
    FormLoad();
}

void Form::Unload()
{
    if (unloaded_ || unloading_)
        return;
    unloading_ = true;
    FormUnload();
    unloaded_ = true;
    hide();
    emit Unloaded();
    if (HeldByWait())
        gHeld.append(this);
    else
        deleteLater();
}

bool Form::HeldByWait() const
{
    return !gWaits.isEmpty() && gWaits.last() > made_;
}

NestedWait::NestedWait()
{
    gWaits.append(++gSequence);
}

NestedWait::~NestedWait()
{
    gWaits.removeLast();
    gHeld.removeIf([](const QPointer<Form>& form) {
        if (form && form->HeldByWait())
            return false;
        if (form)
            form->deleteLater();
        return true;
    });
}

void Form::MoveTo(int left, int top)
{
    move(TwipsToPixels(left), TwipsToPixels(top));
}

void Form::SetSize(int width, int height)
{
    designSize_ = QSize(width, height);
    resize(TwipsToPixels(width * zoom_), TwipsToPixels(height * zoom_));
}

void Form::SetZoom(double zoom)
{
    zoom_ = zoom;
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* w : widgets) {
        if (w != this && w->window() != this)
            continue; // a dialog of its own
        if (const QRect place = DesignPlace(w); place.isValid())
            PlaceTw(w, place);
        if (w == this || w->testAttribute(Qt::WA_SetFont))
            w->setFont(ZoomedFont(w, zoom));
    }
    if (designSize_.isValid())
        SetSize(designSize_.width(), designSize_.height());
    FitCaptions(this);
    drawing_.clear();
    update();
}

void Form::AddDrawing(const std::vector<Segment>& segments)
{
    MergeDrawing(drawing_, segments);
    update();
}

void Form::ClearDrawing()
{
    drawing_.clear();
    update();
}

void Form::RequestActivate()
{
    // After the platform has finished activating: the handler may open windows and wait
    // for them, which must not happen inside the platform's own activation.
    if (activateQueued_ || unloaded_)
        return;
    activateQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { ActivateIfPending(); }, Qt::QueuedConnection);
}

void Form::ActivateBeforeInput()
{
    if (unloaded_ || !isVisible() || !(activateQueued_ || activationDue_))
        return;
    activateQueued_ = true;
    ActivateIfPending();
}

void Form::ActivateIfPending()
{
    if (!activateQueued_ || unloaded_)
        return;
    activateQueued_ = false;
    activationDue_ = false;
    FormActivate();
}

void Form::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window like any other way of closing it.
    event->accept();
    Unload();
}

bool Form::event(QEvent* event)
{
    // Every window's captions fit the language it is shown in.
    if (event->type() == QEvent::Show)
        FitCaptions(this);
    // The desktop's report of an activation often comes after the program has already
    // brought the window back (and run its activation): that one is not run twice.
    if (event->type() == QEvent::WindowActivate && activationDue_)
        RequestActivate();
    else if (event->type() == QEvent::WindowDeactivate)
        activationDue_ = true;
    return QWidget::event(event);
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    PaintDrawing(this, drawing_);
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::AddDrawing(const std::vector<Segment>& segments)
{
    MergeDrawing(drawing_, segments);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    PaintDrawing(this, drawing_);
}

void MergeDrawing(std::vector<Segment>& drawing, const std::vector<Segment>& added)
{
    for (const Segment& s : added) {
        std::erase_if(drawing, [&](const Segment& d) {
            return d.x1 == s.x1 && d.y1 == s.y1 && d.x2 == s.x2 && d.y2 == s.y2;
        });
        drawing.push_back(s);
    }
}

void PaintDrawing(QWidget* surface, const std::vector<Segment>& drawing)
{
    if (drawing.empty())
        return;
    QPainter painter(surface);
    for (const Segment& s : drawing) {
        painter.setPen(QPen(ToQColor(s.colour), 1));
        painter.drawLine(TwipsToPixels(s.x1), TwipsToPixels(s.y1), TwipsToPixels(s.x2), TwipsToPixels(s.y2));
    }
}

void Form::ShowMessage(const QString& text) const
{
    services_.boxes.ShowMessage(text);
}

int Form::AskYesNo(const QString& question) const
{
    return services_.boxes.AskYesNo(question);
}
