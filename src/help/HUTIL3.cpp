// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/HUTIL3.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "help/HUTIL2.h"
#include "help/HelpWindows.h"
#include "help/logic/Documentation.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

HUTIL3::HUTIL3(const Services& services, HelpWindows& help, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , help_(help)
{
    setObjectName(QStringLiteral("HUTIL3"));
    setWindowTitle(tr("Numbrella Help"));
    setFont(ScaledFont(this, 1.2));
    SetSize(6000, 7200);

    Label1 = MakeControl<QLabel>(this, "Label1", 240, 180, 5520, 480, tr("Table of Contents"));
    Label1->setFont(ScaledFont(this, 1.5));
    Label1->setAlignment(Qt::AlignCenter);

    Picture1 = MakeControl<PictureBox>(this, "Picture1", 240, 780, 5520, 5340);
    List1 = MakeControl<QListWidget>(Picture1, "List1", 60, 60, 5400, 5220);
    List1->setFont(ScaledFont(this, 1.1));
    List1->setFrameShape(QFrame::NoFrame);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    SetBackColor(List1, White);

    Command2 = MakeControl<QPushButton>(this, "Command2", 240, 6360, 2640, 495, tr("Display Topic"));
    Command1 = MakeControl<QPushButton>(this, "Command1", 3120, 6360, 2640, 495, tr("Exit"));

    connect(Command2, &QPushButton::clicked, this, [this] { DisplayTopic(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { DisplayTopic(); });
    Keyboard::SetEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Unload(); });
}

void HUTIL3::FormLoad()
{
    const double colour = help_.Program().BackColour;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Label1)})
        SetBackColor(w, colour);
    CentreForm(this);
    DrawFormBevel(this);
    Draw3DBorder(List1, Picture1, 2, 1);
    if (!help_.LoadDocumentation()) {
        Unload();
        return;
    }
    help_.Viewer();
    List1->addItems(TableOfContents(help_.State().DocText));
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void HUTIL3::DisplayTopic()
{
    const QListWidgetItem* item = List1->currentItem();
    help_.State().HelpSearchText = TopicKey(item ? item->text() : QString());
    HUTIL2* viewer = help_.Viewer();
    viewer->SetOpenedFromContents();
    QPointer<HUTIL3> self(this);
    ShowOverAndWait(this, viewer);
    if (self)
        CloseOnHelpFlag();
}

void HUTIL3::FormActivate()
{
    CloseOnHelpFlag();
}

void HUTIL3::CloseOnHelpFlag()
{
    HelpState& s = help_.State();
    if (IsUnloaded() || s.HelpFlag != 1)
        return;
    s.HelpFlag = 0;
    Unload();
}

void HUTIL3::FormUnload()
{
    // The viewer loaded for the next topic goes with the contents.
    if (HUTIL2* viewer = help_.LoadedViewer(); viewer && !viewer->isVisible())
        viewer->Unload();
}
