// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/PrtForm.h"

#include "core/Keyboard.h"
#include "core/WindowUtils.h"
#include "help/HUTIL2.h"
#include "help/HelpWindows.h"
#include "help/logic/Documentation.h"
#include "help/logic/Printing.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

PrtForm::PrtForm(const Services& services, HelpWindows& help, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , help_(help)
{
    setObjectName(QStringLiteral("PrtForm"));
    setWindowTitle(tr("Printing"));
    setFont(ScaledFont(this, 1.2));
    SetSize(5400, 2700);

    Label1 = MakeControl<QLabel>(this, "Label1", 360, 240, 4680, 420, tr("Print?"));
    Label1->setFont(ScaledFont(this, 1.2));
    Command2 = MakeControl<QPushButton>(this, "Command2", 360, 780, 4680, 450, tr("This topic only"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 360, 1350, 4680, 450,
                                        tr("The entire documentation"));
    Command1 = MakeControl<QPushButton>(this, "Command1", 3600, 2010, 1440, 450, tr("Cancel"));

    connect(Command2, &QPushButton::clicked, this, [this] { PrintTopic(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Print(help_.State().DocText); });
    Keyboard::SetEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Unload(); });
}

void PrtForm::FormLoad()
{
    CentreForm(this);
}

void PrtForm::PrintTopic()
{
    // The topic that holds the match on screen, from its heading to the next one.
    const HUTIL2* viewer = help_.LoadedViewer();
    const QString text = viewer ? viewer->ViewerText() : help_.State().DocText;
    Print(TopicText(text, viewer ? viewer->CurrentPosition() : 1));
}

void PrtForm::Print(const QString& text)
{
    ShowHourglass();
    repaint();
    const QString problem = PrintText(Os().Printer(), text);
    RestorePointer();
    QPointer<PrtForm> self(this);
    if (!problem.isEmpty())
        ShowMessage(problem);
    if (self)
        Unload();
}
