#include "core/WindowUtils.h"

#include "core/App.h"
#include "core/logic/FileLock.h"
#include "core/logic/LineFormat.h"
#include "core/logic/ToolTipText.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QToolTip>

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
} // namespace

void ShowAndWait(Form* window)
{
    QPointer<Form> form(window);
    if (!form || form->IsUnloaded())
        return;
    QEventLoop loop;
    QObject::connect(form, &Form::Unloaded, &loop, &QEventLoop::quit);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    Waiting().append(form);
    form->show();
    form->raise();
    form->activateWindow();
    if (form && !form->IsUnloaded())
        loop.exec();
    ReturnToWorkingWindow();
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
    if (p) {
        p->show();
        p->raise();
        p->activateWindow();
        // The parent's activation handling runs again whenever its dialog closes, whether
        // or not the desktop reports the activation.
        if (auto* form = qobject_cast<Form*>(p.data()))
            form->RequestActivate();
    }
}

void ShowHourglass()
{
    // "#" black, "." white, " " clear; the neck is the hot spot.
    static const char* const rows[] = {
        "################", "################", " #............# ", " #.##########.# ",
        "  #.########.#  ", "   #.######.#   ", "    #.####.#    ", "     #.##.#     ",
        "     #....#     ", "    #..##..#    ", "   #........#   ", "  #..........#  ",
        " #.....##.....# ", " #...######...# ", "################", "################"};
    static const QCursor hourglass = [] {
        QImage bits(16, 16, QImage::Format_Mono), mask(16, 16, QImage::Format_Mono);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                bits.setPixel(x, y, rows[y][x] == '#' ? 1 : 0);
                mask.setPixel(x, y, rows[y][x] == ' ' ? 0 : 1);
            }
        return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 8, 8);
    }();
    QApplication::setOverrideCursor(hourglass);
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

int OpenDocument(const QString& target)
{
    ShowHourglass();
    const int result = System().OpenDocument(target);
    RestorePointer();
    return result;
}

void WriteCommentsPage(const QString& pageText)
{
    const QString page = QStringLiteral("sendcom.htm");
    WriteFileAtomic(page, pageText.toUtf8());
    OpenDocument(QDir::current().absoluteFilePath(page));
}

void CentreForm(Form* window)
{
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

int GetDisplayColours()
{
    return System().DisplayColours();
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

void PlaceTw(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
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
