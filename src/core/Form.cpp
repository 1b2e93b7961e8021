#include "core/Form.h"

#include "core/WindowUtils.h"

#include <QCloseEvent>
#include <QHash>
#include <QPainter>

namespace {
QHash<QByteArray, QPointer<Form>>& Registry()
{
    static QHash<QByteArray, QPointer<Form>> registry;
    return registry;
}
QPointer<QWidget> gMainWindow;
} // namespace

void Forms::SetMainWindow(QWidget* window) { gMainWindow = window; }
QWidget* Forms::MainWindow() { return gMainWindow; }

Form* Forms::Find(const char* className)
{
    auto it = Registry().find(className);
    if (it == Registry().end() || it->isNull() || (*it)->IsUnloaded())
        return nullptr;
    return it->data();
}

void Forms::Register(const char* className, Form* form)
{
    Registry().insert(className, form);
}

QList<Form*> Forms::All()
{
    QList<Form*> forms;
    for (const auto& f : Registry()) {
        if (!f.isNull() && !f->IsUnloaded())
            forms << f.data();
    }
    return forms;
}

Form::Form(AppContext& app, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent ? parent : Forms::MainWindow(), flags)
    , app_(app)
{
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
    deleteLater();
}

void Form::MoveTo(int left, int top)
{
    move(TwipsToPixels(left), TwipsToPixels(top));
}

void Form::SetSize(int width, int height)
{
    resize(TwipsToPixels(width), TwipsToPixels(height));
}

void Form::AddDrawing(const std::vector<Segment>& segments)
{
    MergeDrawing(drawing_, segments);
    update();
}

void Form::RequestActivate()
{
    // After the platform has finished activating: the handler may open windows and wait
    // for them, which must not happen inside the platform's own activation.
    if (activateQueued_ || unloaded_)
        return;
    activateQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] {
            activateQueued_ = false;
            if (!unloaded_)
                FormActivate();
        },
        Qt::QueuedConnection);
}

void Form::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window like any other way of closing it.
    event->accept();
    Unload();
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        RequestActivate();
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
