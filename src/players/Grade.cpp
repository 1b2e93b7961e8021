// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "players/Grade.h"

#include "core/Keyboard.h"
#include "core/WindowUtils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

Grade::Grade(const Services& services, const ProgramSettings& program, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , program_(program)
{
    setObjectName(QStringLiteral("Grade"));
    setWindowTitle(QStringLiteral("Numbrella"));
    SetBackColor(this, DefaultBackColour);
    SetSize(4800, 4200);

    const QFont big = ScaledFont(this, 1.4);
    Label1 = MakeControl<QLabel>(this, "Label1", 360, 240, 4080, 420, tr("What grade are you in?"));
    Label1->setFont(big);
    SetBackColor(Label1, DefaultBackColour);

    List1 = MakeControl<QListWidget>(this, "List1", 360, 780, 1800, 3060);
    List1->setFont(big);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);

    Command1 = MakeControl<QPushButton>(this, "Command1", 2640, 1380, 1455, 450, tr("OK"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 2640, 2100, 1455, 450, tr("Cancel"));
    Keyboard::SetEscapeButton(Command2);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (TakeSelection()) {
            answered_ = true;
            Unload();
        }
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { TakeSelection(); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        answered_ = true;
        grade_.clear();
        Unload();
    });
}

void Grade::FormLoad()
{
    if (QWidget* back = MainWindowOf(this); back != this)
        back->raise();
    CentreForm(this);
    DrawFormBevel(this);
    ApplyBackColour(this, program_.BackColour);
    List1->addItem(tr("N/A"));
    for (int g = 1; g <= 9; ++g)
        List1->addItem(QString::number(g));
    List1->setCurrentRow(-1);
    List1->clearSelection();
}

bool Grade::TakeSelection()
{
    const auto selected = List1->selectedItems();
    if (selected.isEmpty()) {
        List1->setFocus();
        return false;
    }
    grade_ = QString::number(List1->row(selected.first()));
    return true;
}

void Grade::closeEvent(QCloseEvent* event)
{
    // Closing the dialog any other way is a Cancel.
    if (!answered_)
        grade_.clear();
    answered_ = true;
    Form::closeEvent(event);
}

void Grade::FormUnload()
{
    emit Answered(grade_);
}
