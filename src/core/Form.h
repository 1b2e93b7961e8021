// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Base of every window of the program. A window exists at most once: it is created and
// loaded on first use, and discarded when it unloads, whatever unloaded it.

#include "core/logic/Geometry.h"
#include "core/logic/Platform.h"

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

class MessageBoxes;
class WindowOpener;

// What a window may call besides the parts it is handed: the outside world, the message
// boxes and the other windows.
struct Services {
    Platform& os;
    MessageBoxes& boxes;
    WindowOpener& windows;
};

class Form : public QWidget {
    Q_OBJECT
public:
    // Every window is handed the services it calls; its parts come through its own constructor.
    // The parent is the window it belongs to (the background for the menu's windows).
    Form(const Services& services, QWidget* parent, Qt::WindowFlags flags = Qt::Dialog);
    ~Form() override;

    // Runs the window's load handling once; the window may unload itself in it.
    void Load();
    // Closes and discards the window (its unload handling runs first). Safe to call twice.
    // The object itself goes once no wait that may hold its code still runs (NestedWait).
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // Position and size in twips.
    int Left() const { return PixelsToTwips(x()); }
    int Top() const { return PixelsToTwips(y()); }
    int Width() const { return PixelsToTwips(width()); }
    int Height() const { return PixelsToTwips(height()); }
    void MoveTo(int left, int top);
    // The size as designed; drawn at the window's zoom.
    void SetSize(int width, int height);
    // Drawn larger (or smaller) than designed: the window's size, the places of its controls
    // (as PlaceTw gave them, and as it gives them later) and the fonts it and its controls
    // have of their own scale alike. Its drawing is cleared, to be drawn again at the new size.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    // Drawing that survives repaints (lines in twips), painted over the background.
    void AddDrawing(const std::vector<Segment>& segments);
    // Drops it all, for a window that draws itself anew at another size.
    void ClearDrawing();
    const std::vector<Segment>& Drawing() const { return drawing_; }

    // Runs the activation handling by hand (the platform also runs it on activation).
    void Activate() { FormActivate(); }
    // Runs the activation handling once the current event is done; requests that come
    // before it runs are one activation.
    void RequestActivate();
    bool ActivationPending() const { return activateQueued_; }
    // Runs a requested activation now.
    void ActivateIfPending();
    // Runs the activation handling now when it is due (requested, or the window was
    // deactivated since it last ran), so that it comes before the input about to be handled.
    void ActivateBeforeInput();

    const Services& Tools() const { return services_; }
    Platform& Os() const { return services_.os; }
    WindowOpener& Windows() const { return services_.windows; }
    // The program's message box over this window: a message, or a question answered 1 (yes) or 0.
    void ShowMessage(const QString& text) const;
    int AskYesNo(const QString& question) const;

signals:
    void Unloaded();

protected:
    virtual void FormLoad() {}
    virtual void FormActivate() {}
    virtual void FormUnload() {}

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class NestedWait;
    // True while a wait that started after this window was made still runs.
    bool HeldByWait() const;

    Services services_;
    // Where the window's making falls among the starts of waits.
    quint64 made_ = 0;
    bool unloaded_ = false;
    bool unloading_ = false;
    bool activateQueued_ = false;
    // Deactivated since the activation handling last ran: the next activation is due.
    bool activationDue_ = true;
    std::vector<Segment> drawing_;
    double zoom_ = 1;
    QSize designSize_;
};

// A wait in a nested event loop: a window waited for, a dialog's exec. The code waiting in it
// may be any window's that exists when it starts, so none of those is deleted before it returns:
// one unloaded meanwhile is hidden and reported unloaded at once and deleted afterwards. Code
// after a wait checks IsUnloaded() before it acts on its window again.
class NestedWait {
public:
    NestedWait();
    ~NestedWait();
    NestedWait(const NestedWait&) = delete;
    NestedWait& operator=(const NestedWait&) = delete;
};

// Runs a dialog (its exec, or a static function that runs one) as a NestedWait; returns its result.
template <class F> decltype(auto) RunNested(F&& dialog)
{
    const NestedWait wait;
    return std::forward<F>(dialog)();
}

// A picture box: a plain container that keeps what is drawn on it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void AddDrawing(const std::vector<Segment>& segments);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Segment> drawing_;
};

// Adds lines to a list, replacing earlier lines at the same place so repeated drawing stays small.
void MergeDrawing(std::vector<Segment>& drawing, const std::vector<Segment>& added);
void PaintDrawing(QWidget* surface, const std::vector<Segment>& drawing);

// The background window a window belongs to: the first of its parents that has none.
QWidget* MainWindowOf(const QWidget* window);

// A window just made, with its load handling run; it may have unloaded itself in it.
template <class T> T* LoadForm(T* form)
{
    form->Load();
    return form;
}
