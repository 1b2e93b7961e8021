// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/Captions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {
QString TextOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return QString();
}

int WidestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

void SetScaledFont(QWidget* control, const QFont& original, double scale)
{
    QFont f = original;
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * scale)));
    else
        f.setPointSizeF(f.pointSizeF() * scale);
    control->setFont(f);
}
} // namespace

QList<QWidget*> CaptionedControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() == window && !TextOf(w).isEmpty())
            controls << w;
    }
    return controls;
}

QString ShownCaption(const QWidget* control)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return TextOf(control).replace(mnemonic, QStringLiteral("\\1"));
}

bool CaptionFits(const QWidget* control)
{
    const QString text = ShownCaption(control);
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return true;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
        return WidestLine(metrics, text) <= room.width()
               && metrics.height() * (text.count(QLatin1Char('\n')) + 1) <= room.height() + metrics.leading() + 2;
    }
    if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
        return control->sizeHint().width() <= control->width();
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (!button->icon().isNull())
            return true;
        return WidestLine(metrics, text) + button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
               <= button->width();
    }
    if (qobject_cast<const QGroupBox*>(control))
        return metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth() <= control->width();
    return true;
}

void FitCaptions(QWidget* window)
{
    for (QWidget* control : CaptionedControls(window)) {
        if (CaptionFits(control))
            continue;
        const QFont original = control->font();
        for (double scale = 0.95; scale > 0.65; scale -= 0.05) {
            SetScaledFont(control, original, scale);
            if (CaptionFits(control))
                break;
        }
    }
}

namespace {
void DumpCaptions(QWidget* window, const QString& name)
{
    QStringList texts;
    for (QWidget* control : CaptionedControls(window)) {
        if (control->isVisibleTo(window))
            texts << ShownCaption(control) + (CaptionFits(control) ? QString() : QStringLiteral("\tcut"));
    }
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* action : bar->actions()) {
            texts << action->text();
            if (action->menu()) {
                for (const QAction* item : action->menu()->actions())
                    texts << item->text();
            }
        }
    }
    const QString shownName = window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                             : window->objectName();
    QFile file(name);
    if (!file.open(QIODevice::Append))
        return;
    for (QString text : texts) {
        if (!text.isEmpty())
            file.write((shownName + QLatin1Char('\t') + text.replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n')).toUtf8());
    }
}

class CaptionDump : public QObject {
public:
    explicit CaptionDump(QString file) : QObject(qApp), file_(std::move(file)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        // Once shown, when the window has fitted its captions; as it goes, with its last texts.
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, window, [this, window] { DumpCaptions(window, file_); });
        else if (event->type() == QEvent::Hide)
            DumpCaptions(window, file_);
        return false;
    }

private:
    QString file_;
};
} // namespace

void DumpCaptionsWhenAsked()
{
    const QString file = qEnvironmentVariable("NUMBRELLA_TEXT_DUMP");
    if (!file.isEmpty())
        qApp->installEventFilter(new CaptionDump(file));
}
