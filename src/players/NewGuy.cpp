// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "players/NewGuy.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace {
constexpr double LightBlue = 192 + 192 * 256 + 255 * 65536.0;

// A double quote or a line break would break the player list file, so a name cannot hold them.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                return Invalid;
        }
        return Acceptable;
    }
};
} // namespace

NewGuy::NewGuy(const Services& services, const PlayerRoster& roster, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , roster_(roster)
{
    setObjectName(QStringLiteral("NewGuy"));
    setWindowTitle(QStringLiteral("Numbrella"));
    SetBackColor(this, LightBlue);
    SetSize(5400, 2400);

    const QFont big = ScaledFont(this, 1.4);
    Label1 = MakeControl<QLabel>(this, "Label1", 360, 300, 4680, 420, tr("What is your name?"));
    Label1->setFont(big);

    Text1 = MakeControl<QLineEdit>(this, "Text1", 360, 840, 4680, 450);
    Text1->setFont(big);
    Text1->setValidator(new NameValidator(Text1));
    Text1->setFrame(false);
    SetBackColor(Text1, White);
    Text1->installEventFilter(this);

    Command1 = MakeControl<QPushButton>(this, "Command1", 1320, 1620, 1215, 420, tr("OK"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 2880, 1620, 1215, 420, tr("Cancel"));
    connect(Command1, &QPushButton::clicked, this, [this] { Accept(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Cancel(); });
}

void NewGuy::FormLoad()
{
    if (QWidget* back = MainWindowOf(this); back != this)
        back->raise();
    CentreForm(this);
    DrawFormBevel(this);
    Draw3DBorder(Text1, this, 2, 1);
    Text1->setFocus();
    // Cancel ends the program while the list is empty: Escape never does.
    Keyboard::SetEscapeButton(Command2, roster_.PlayerCount > 0);
}

void NewGuy::Accept()
{
    answered_ = true;
    name_ = Text1->text();
    Unload();
}

void NewGuy::Cancel()
{
    answered_ = true;
    // With nobody in the list there is no player to go on with.
    if (roster_.PlayerCount == 0)
        Os().EndProgram();
    name_.clear();
    Unload();
}

void NewGuy::closeEvent(QCloseEvent* event)
{
    // Closing the dialog any other way is a Cancel.
    if (!answered_) {
        event->ignore();
        Cancel();
        return;
    }
    Form::closeEvent(event);
}

bool NewGuy::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && IsEnterPress(event)) {
        Accept();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void NewGuy::FormUnload()
{
    emit Answered(name_);
}
