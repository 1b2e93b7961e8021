// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/Get_Str.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Get_Str::Get_Str(const Services& services, const ProgramSettings& program, HelpState& help, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
    , help_(help)
{
    setObjectName(QStringLiteral("Get_Str"));
    setWindowTitle(tr("Find"));
    SetBackColor(this, DefaultBackColour);
    SetSize(5400, 2400);

    const QFont big = ScaledFont(this, 1.3);
    Label1 = MakeControl<QLabel>(this, "Label1", 360, 300, 4680, 420, tr("String to search for: "));
    Label1->setFont(big);
    Text1 = MakeControl<QLineEdit>(this, "Text1", 360, 840, 4680, 450);
    Text1->setFont(big);
    SetBackColor(Text1, White);
    Text1->installEventFilter(this);

    Command1 = MakeControl<QPushButton>(this, "Command1", 1320, 1620, 1215, 420, tr("OK"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 2880, 1620, 1215, 420, tr("Cancel"));
    Keyboard::SetEscapeButton(Command2);
    connect(Command1, &QPushButton::clicked, this, [this] { Answer(Text1->text()); });
    connect(Command2, &QPushButton::clicked, this, [this] { Answer(QString()); });
}

void Get_Str::FormLoad()
{
    ApplyBackColour(this, program_.BackColour);
    CentreForm(this);
    Text1->setFocus();
}

void Get_Str::Answer(const QString& text)
{
    answered_ = true;
    help_.HelpSearchText = text;
    Unload();
}

void Get_Str::closeEvent(QCloseEvent* event)
{
    // Closing the dialog any other way is a Cancel.
    if (!answered_) {
        event->ignore();
        Answer(QString());
        return;
    }
    Form::closeEvent(event);
}

bool Get_Str::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && IsEnterPress(event)) {
        Answer(Text1->text());
        return true;
    }
    return Form::eventFilter(watched, event);
}
