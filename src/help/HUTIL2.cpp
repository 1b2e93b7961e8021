// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/HUTIL2.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "help/Get_Str.h"
#include "help/HelpWindows.h"
#include "help/HUTIL3.h"
#include "help/PrtForm.h"
#include "help/logic/TextSearch.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

namespace {

const char* const NotFound = QT_TRANSLATE_NOOP("HUTIL2", "String not found.");

// "Find Next" lies over the right part of "Find" at its full width. The pair is measured
// in units half as large again as twips, to hold the large captions.
constexpr int FindTw(int units) { return units * 3 / 2; }
constexpr int FindLeft = 240;
constexpr int FindFullWidth = 1815;
constexpr int FindNarrowWidth = 800;
constexpr int FindWideWidth = 1810;
constexpr int FindNextOffset = 840;
constexpr int FindNextWidth = 975;
constexpr int ButtonTop = 6960;
constexpr int ButtonHeight = 495;

constexpr int AheadOnActivate = 800;
constexpr int AheadOnFind = 200;

// A button whose caption stays centred in the part that another button does not cover.
class FindButton : public QPushButton {
public:
    FindButton(const QString& caption, int uncoveredWidth, QWidget* parent)
        : QPushButton(caption, parent)
        , uncovered_(uncoveredWidth)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        option.rect.setWidth(std::min(option.rect.width(), uncovered_));
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
    }

private:
    int uncovered_;
};

} // namespace

HUTIL2::HUTIL2(const Services& services, HelpWindows& help, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , help_(help)
{
    setObjectName(QStringLiteral("HUTIL2"));
    setWindowTitle(tr("Numbrella Help"));
    setFont(ScaledFont(this, 1.2));
    SetSize(10800, 7740);

    Text1 = MakeControl<QPlainTextEdit>(this, "Text1", 240, 240, 10320, 6480);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(ScaledFont(this, 1.1));
    SetBackColor(Text1, White);
    // The match stays highlighted while a button has the focus.
    QPalette pal = Text1->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    Text1->setPalette(pal);

    Command4 = new FindButton(tr("Find"), TwipsToPixels(FindTw(FindNextOffset)), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    PlaceTw(Command4, FindLeft, ButtonTop, FindTw(FindFullWidth), ButtonHeight);
    Command5 = MakeControl<QPushButton>(this, "Command5", FindLeft + FindTw(FindNextOffset), ButtonTop,
                                        FindTw(FindNextWidth), ButtonHeight, tr("Find Next"));
    Command5->raise();
    Command1 = MakeControl<QPushButton>(this, "Command1", 3240, ButtonTop, 1575, ButtonHeight, tr("Print"));
    Command2 = MakeControl<QPushButton>(this, "Command2", 6240, ButtonTop, 2400, ButtonHeight,
                                        tr("Table of Contents"));
    Command3 = MakeControl<QPushButton>(this, "Command3", 8880, ButtonTop, 1680, ButtonHeight, tr("Exit"));

    connect(Command4, &QPushButton::clicked, this, [this] { FindClick(); });
    connect(Command5, &QPushButton::clicked, this, [this] { FindNextClick(); });
    connect(Command1, &QPushButton::clicked, this, [this] { ShowDialog(LoadForm(new PrtForm(Tools(), help_, parentWidget()))); });
    connect(Command2, &QPushButton::clicked, this, [this] { Unload(); });
    Keyboard::SetEscapeButton(Command3);
    connect(Command3, &QPushButton::clicked, this, [this] { ExitClick(); });
}

void HUTIL2::FormLoad()
{
    Text1->setPlainText(help_.State().DocText);
    SetBackColor(this, help_.Program().BackColour);
    CentreForm(this);
    DrawFormBevel(this);
}

QString HUTIL2::ViewerText() const
{
    return Text1->toPlainText();
}

int HUTIL2::CurrentPosition() const
{
    return Text1->textCursor().selectionStart() + 1;
}

void HUTIL2::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    // Laid out by now, so the match can be scrolled into view even before activation.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void HUTIL2::FormActivate()
{
    // Only coming up counts: a message box of the viewer leaves the view where it was.
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    SearchFromTop();
}

void HUTIL2::SearchFromTop()
{
    FoundPos = FindText(ViewerText(), help_.State().HelpSearchText, 1);
    if (FoundPos > 0)
        ShowMatch(AheadOnActivate);
    Text1->raise();
}

void HUTIL2::ShowDialog(Form* dialog)
{
    QPointer<HUTIL2> self(this);
    ShowModal(dialog);
    if (self && !IsUnloaded())
        SearchFromTop();
}

void HUTIL2::ShowMatch(int ahead)
{
    const MatchSelection m =
        SelectMatch(FoundPos, ahead, static_cast<int>(help_.State().HelpSearchText.size()), ViewerText().size());
    QTextCursor cursor(Text1->document());
    cursor.setPosition(m.aheadStart);
    cursor.setPosition(m.aheadStart + m.aheadLength, QTextCursor::KeepAnchor);
    Text1->setTextCursor(cursor);
    Text1->ensureCursorVisible();
    cursor.setPosition(m.matchStart);
    cursor.setPosition(m.matchStart + m.matchLength, QTextCursor::KeepAnchor);
    Text1->setTextCursor(cursor);
    Text1->ensureCursorVisible();
}

void HUTIL2::SetFindWidth(int width)
{
    Command4->resize(TwipsToPixels(FindTw(width)), Command4->height());
}

void HUTIL2::FindClick()
{
    QPointer<HUTIL2> self(this);
    ShowDialog(LoadForm(new Get_Str(Tools(), help_.Program(), help_.State(), parentWidget())));
    if (!self || IsUnloaded())
        return;
    FoundPos = FindText(ViewerText(), help_.State().HelpSearchText, 1);
    if (FoundPos > 0) {
        ShowMatch(AheadOnFind);
        SetFindWidth(FindNarrowWidth);
        Text1->viewport()->update();
    } else {
        ShowMessage(tr(NotFound));
    }
}

void HUTIL2::FindNextClick()
{
    FoundPos = FindText(ViewerText(), help_.State().HelpSearchText, FoundPos + 1);
    if (FoundPos > 0) {
        ShowMatch(AheadOnFind);
        Text1->viewport()->update();
        return;
    }
    QPointer<HUTIL2> self(this);
    ShowMessage(tr(NotFound));
    if (self && !IsUnloaded())
        SetFindWidth(FindWideWidth);
}

void HUTIL2::ExitClick()
{
    // The table of contents that opened the viewer closes too.
    if (fromContents_ && help_.LoadedContents())
        help_.State().HelpFlag = 1;
    Unload();
}
