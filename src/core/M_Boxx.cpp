// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/M_Boxx.h"


#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "core/logic/MessageLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr double BoxGrey = 0xE0E0E0;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int width)
{
    auto* b = MakeControl<QPushButton>(parent, name, left, 0, width, 375, caption);
    SetBackColor(b, ButtonGrey);
    return b;
}
} // namespace

M_Boxx::M_Boxx(const Services& services, const ProgramSettings& program, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::FramelessWindowHint)
    , program_(program)
{
    setObjectName(QStringLiteral("M_Boxx"));
    SetBackColor(this, BoxGrey);
    setFont(ScaledFont(this, 1.2));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackColor(Label1, BoxGrey);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();

    Command1 = MakeButton(this, "Command1", tr("OK"), 1560, 1575);
    Command2 = MakeButton(this, "Command2", tr("Yes"), 960, 1215);
    Command3 = MakeButton(this, "Command3", tr("No"), 2520, 1215);
    Command2->hide();
    Command3->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Unload(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Choose(3); });
    connect(Command3, &QPushButton::clicked, this, [this] { Choose(2); });
    SetSize(MessageInnerWidth, 2000);
}

void M_Boxx::SetMessage(const QString& text, bool question)
{
    question_ = question;
    answer_ = 0;
    Label2->setText(text);
    Label2->adjustSize();
}

void M_Boxx::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    Arrange();
}

void M_Boxx::Arrange()
{
    if (program_.DisplayColours == 256)
        ApplyBackColour(this, ButtonGrey);
    Label1->setText(Label2->text());
    const int wrapped = PixelsToTwips(Label1->heightForWidth(TwipsToPixels(MessageLabelWidth)));
    const MessageLayout m = LayOutMessage(PixelsToTwips(Label2->width()), PixelsToTwips(Label2->height()), wrapped);
    PlaceTw(Label1, MessageLabelLeft, MessageLabelTop, MessageLabelWidth, m.label1Height);
    for (QPushButton* b : {Command1, Command2, Command3})
        b->move(b->x(), TwipsToPixels(m.buttonTop));
    const bool yesNo = question_;
    Command1->setVisible(!yesNo);
    Command2->setVisible(yesNo);
    Command3->setVisible(yesNo);
    SetSize(MessageInnerWidth, m.windowHeight);
    CentreForm(this);
    DrawFormBevel(this);
    // A question opens on "No": one stray key never answers yes to removing a child.
    (yesNo ? Command3 : Command1)->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange); // the focused button shows its ring from the start
}

void M_Boxx::Choose(int result)
{
    answer_ = result;
    Unload();
}

void M_Boxx::keyPressEvent(QKeyEvent* event)
{
    // The answer's letter works whichever button has the focus; Escape says no, or OK.
    // Each language names its own letters, the first of its word for the answer.
    const QString key = event->text().toLower();
    const bool escape = event->key() == Qt::Key_Escape;
    const QString okKey = tr("O", "OK key").toLower();
    const QString yesKey = tr("Y", "Yes key").toLower();
    const QString noKey = tr("N", "No key").toLower();
    if (Command1->isVisible() && (key == okKey || escape))
        Unload();
    else if (Command2->isVisible() && key == yesKey)
        Choose(3);
    else if (Command3->isVisible() && (key == noKey || escape))
        Choose(2);
    else
        Form::keyPressEvent(event);
}
