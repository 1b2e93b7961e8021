// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "players/GetPlayer.h"

#include "core/Keyboard.h"
#include "core/WindowOpener.h"
#include "core/Palette.h"
#include "core/TextResources.h"
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PlayerOptions.h"
#include "core/Artwork.h"
#include "core/M_Boxx.h"
#include "core/logic/MakersPages.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "players/logic/PlayerList.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {
constexpr double PanelColour = 0xE0FFFF; // pale yellow

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int top, const QString& tag = {})
{
    auto* b = MakeControl<QPushButton>(parent, name, 5280, top, 2400, 495, caption);
    if (!tag.isEmpty())
        SetTag(b, tag);
    return b;
}

// Told when "Players" is there but cannot be read: nothing is changed until a grown-up has
// looked, so the names in it are never replaced by a new list.
QString ListUnreadable(const PlayerRoster& s)
{
    return QCoreApplication::translate("GetPlayer", "The list of names cannot be read: the file %1 %2. Nothing has been "
                                                    "changed. Please ask a grown-up to check the program folder.")
        .arg(PlayerListFile, s.ListUnreadable);
}

// Why no name can be added to the list, or nothing when one can.
QString CannotAdd(const PlayerRoster& s, const QString& nextPlayerId)
{
    if (!s.ListUnreadable.isEmpty())
        return ListUnreadable(s);
    if (s.PlayerCount >= MaxPlayers)
        return QCoreApplication::translate("GetPlayer",
                                           "The list is full: it holds 40 names. Please remove a name before adding a new one.");
    if (!NextFreeKey(s, nextPlayerId))
        return QCoreApplication::translate("GetPlayer",
                                           "No more names can be added to this Numbrella: every player key has been used.");
    return {};
}

// Told when a change to the list could not be written; the list shows what the file holds.
// The file named is the one that stood in the way ("Players", its lock or "Players.key").
QString ListNotSaved(const PlayerRoster& s, const QString& file)
{
    if (!s.ListUnreadable.isEmpty())
        return ListUnreadable(s);
    return QCoreApplication::translate("GetPlayer", "The list of names could not be saved: the file %1 cannot be written. "
                                                    "Please ask a grown-up to check the program folder.")
        .arg(file);
}

// A number written for a tooltip tag: followed by one blank when shorter than four characters.
QString TagNumber(int value)
{
    QString text = QString::number(value);
    if (text.size() < 4)
        text += QLatin1Char(' ');
    return text;
}
} // namespace

GetPlayer::GetPlayer(const Services& services, Program& program, PlayerRoster& roster, Player& player, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , program_(program)
    , roster_(roster)
    , player_(player)
{
    setObjectName(QStringLiteral("GetPlayer"));
    setWindowTitle(QStringLiteral("Numbrella"));
    SetBackColor(this, PanelColour);
    SetSize(7920, 5640);

    const QFont big = ScaledFont(this, 1.3);

    Image2 = MakeControl<Artwork>(this, "Image2", 240, 300, 1920, 1920);
    Image2->setCursor(Qt::ArrowCursor);

    Label1 = MakeControl<QLabel>(this, "Label1", 2400, 240, 5280, 420, tr("Please double-click on your name."));
    Label1->setFont(big);

    Picture1 = MakeControl<PictureBox>(this, "Picture1", 2400, 720, 2640, 4080);
    SetBackColor(Picture1, PanelColour);
    List1 = MakeControl<QListWidget>(Picture1, "List1", 60, 60, 2520, 3960);
    List1->setFont(ScaledFont(this, 1.6));
    List1->setFrameShape(QFrame::NoFrame);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    SetTag(List1, tr("User list"));

    Command1 = MakeButton(this, "Command1", tr("That's me"), 720,
                          tr("Click your name and click here to enter"));
    Command3 = MakeButton(this, "Command3", tr("Add new name"), 1380,
                          tr("This adds a new name to the list."));
    Command5 = MakeButton(this, "Command5", tr("Edit name"), 2040,
                          tr("Allows you to edit the selected name."));
    Command2 = MakeButton(this, "Command2", tr("Remove name from list"), 2700,
                          tr("Removes the selected name from the list."));
    Command4 = MakeButton(this, "Command4", tr("Exit"), 4305);
    Command1->setFont(big);

    // The About text above the OK button, the two page buttons in the row below it.
    Label4 = MakeControl<QLabel>(this, "Label4", 2400, 300, 5280, 3900);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setFont(big);
    Command6 = MakeControl<QPushButton>(this, "Command6", 240, 4980, 3360, 495,
                                        tr("Visit the Numbrella page"));
    Command7 = MakeControl<QPushButton>(this, "Command7", 3720, 4980, 3960, 495,
                                        tr("Notify me of 'Numbrella' updates"));
    setTabOrder(Command7, Command4); // the About panel's OK comes after the buttons above it

    Label2 = MakeControl<QLabel>(this, "Label2", 240, 2340, 1920, 600, tr("Numbrella: practice makes progress"));
    QFont italic = font();
    italic.setItalic(true);
    Label2->setFont(italic);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command5),
                       static_cast<QWidget*>(List1)})
        w->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (SelectedRow() > 0)
            ChoosePlayer();
        else
            ShowMessage(tr("Please click on your name and then click the \"That's me\" button or just "
                           "double-click on your name."));
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] {
        if (SelectedRow() > 0)
            ChoosePlayer();
    });
    connect(Command3, &QPushButton::clicked, this, [this] { Add(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Edit(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Remove(); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        if (!about_) {
            Os().EndProgram();
            return;
        }
        about_ = false;
        FormActivate();
    });
    connect(Command6, &QPushButton::clicked, this, [this] { OpenDocument(Os(), ProductPage); });
    connect(Command7, &QPushButton::clicked, this, [this] { OpenDocument(Os(), UpdatePage); });

    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, List1->viewport(), qOverload<>(&QWidget::update));
    Timer2->start();
}

void GetPlayer::FormLoad()
{
    // The list's tip is placed relative to its frame.
    SetTag(List1, QStringLiteral("*") + TagNumber(PixelsToTwips(Picture1->y())) + TagNumber(PixelsToTwips(Picture1->x()))
                      + TagOf(List1));
    CentreForm(this);
    DrawFormBevel(this);
    if (program_.Settings().DisplayColours == 256)
        SetBackColor(List1, ButtonGrey);
}

void GetPlayer::SetPlayerEntriesVisible(bool visible)
{
    Windows().SetPlayerEntriesVisible(visible);
}

void GetPlayer::FormActivate()
{
    SetPlayerEntriesVisible(false);
    ShowToolTip(this, nullptr, 0);
    const PlayerRoster& s = roster_;
    const bool about = about_;
    ShowPanel(about);
    if (about)
        return;
    Draw3DBorder(List1, Picture1, 2, 1);
    if (!s.ListUnreadable.isEmpty()) {
        // Told once; the first start's name dialog is not shown over a list that is there.
        FillList();
        if (!toldUnreadable_)
            toldUnreadable_ = true, ShowMessage(ListUnreadable(s));
    } else if (!enteredName_.isEmpty())
        FillList();
    else if (s.PlayerCount == 0)
        Add();
    else
        FillList();
}

void GetPlayer::ShowPanel(bool about)
{
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command5), static_cast<QWidget*>(Picture1)})
        w->setVisible(!about);
    Command6->setVisible(about);
    Command7->setVisible(about);
    Label4->setVisible(about);
    Command4->setText(about ? tr("OK") : tr("Exit"));
    // Escape closes the About panel; it never ends the program.
    Keyboard::SetEscapeButton(Command4, about);
    // Never left on "Exit" once OK has turned back into it: one Return would end the program.
    (about ? static_cast<QWidget*>(Command4) : List1)->setFocus();
    if (about)
        Label4->setText(ShownText(GetTxt(Os(), program_.Settings(), 12)));
}

void GetPlayer::FillList()
{
    const PlayerRoster& s = roster_;
    List1->clear();
    for (int k = 1; k <= s.PlayerCount; ++k)
        List1->addItem(s.Players[k][0]);
    for (int k = 1; k <= s.PlayerCount; ++k) {
        if (s.Players[k][0] == program_.Settings().LastPlayerName)
            List1->setCurrentRow(k - 1);
    }
}

int GetPlayer::SelectedRow() const
{
    const auto selected = List1->selectedItems();
    return selected.isEmpty() ? 0 : List1->row(selected.first()) + 1;
}

void GetPlayer::ChoosePlayer()
{
    const int row = SelectedRow();
    if (row == 0)
        return;
    // The selected row decides, also when another player has the same name.
    const QString name = roster_.Players[row][0];
    const QString fileId = RowFileId(roster_, row);
    // A drill running behind the About panel is the child's who started it: another child
    // ends it first, as its Cancel does, so it is filed under nobody else.
    Windows().EndDrillUnlessOf(fileId);
    program_.SetLastPlayer(name);
    player_.Choose(name, fileId);
    SetPlayerEntriesVisible(true);
    Unload();
}

QString GetPlayer::AskName()
{
    QString answer;
    auto* dialog = new NewGuy(Tools(), roster_, parentWidget());
    connect(dialog, &NewGuy::Answered, this, [&answer](const QString& name) { answer = name; });
    LoadForm(dialog);
    ShowChildAndWait(this, dialog);
    return answer;
}

QString GetPlayer::AskGrade()
{
    QString answer;
    auto* dialog = new Grade(Tools(), program_.Settings(), parentWidget());
    connect(dialog, &Grade::Answered, this, [&answer](const QString& grade) { answer = grade; });
    LoadForm(dialog);
    ShowChildAndWait(this, dialog);
    return answer;
}

void GetPlayer::Add()
{
    // One name at a time: an activation while the dialogs are up must not add it twice.
    if (busy_)
        return;
    const QScopedValueRollback<bool> busy(busy_, true);
    if (const QString why = CannotAdd(roster_, program_.Settings().NextPlayerId); !why.isEmpty()) {
        ShowMessage(why);
        return;
    }
    QPointer<GetPlayer> self(this);
    enteredName_ = AskName();
    if (!self || enteredName_.isEmpty() || Os().HasEnded())
        return;
    const QString name = enteredName_;
    List1->addItem(name);
    const QString grade = AskGrade();
    if (!self)
        return;
    // The key is taken from the list as it is on disk now (another copy may have added a
    // name meanwhile) and stored at once, so a key is never handed out twice.
    QString why, failed, key;
    const bool saved = UpdatePlayerList(roster_, [&](PlayerRoster& list) {
        why = CannotAdd(list, program_.Settings().NextPlayerId);
        if (!why.isEmpty())
            return false;
        key = *NextFreeKey(list, program_.Settings().NextPlayerId);
        program_.SetNextPlayerId(key);
        return AddPlayerRow(list, name, key);
    }, &failed);
    if (!saved)
        why = ListNotSaved(roster_, failed);
    if (!why.isEmpty()) {
        FillList();
        ShowMessage(why);
        return;
    }
    program_.SetLastPlayer(name);
    // The new child starts from the settings now in memory, with her own grade.
    PlayerSettings settings = player_.Settings();
    settings.PlayerGrade = grade;
    SavePlayerConfig(key.left(3), settings, program_.Settings().BackColour);
    FillList();
}

void GetPlayer::Edit()
{
    if (busy_)
        return;
    const QScopedValueRollback<bool> busy(busy_, true);
    // Taken before the dialogs: the list is refilled while they are open.
    const int selected = SelectedRow();
    QPointer<GetPlayer> self(this);
    enteredName_ = AskName();
    if (!self || enteredName_.isEmpty())
        return;
    const QString name = enteredName_;
    const QString grade = AskGrade();
    if (!self)
        return;
    const QString oldName = selected > 0 ? roster_.Players[selected][0] : QString();
    QStringList renamed;
    QString failed;
    const bool saved = UpdatePlayerList(roster_, [&](PlayerRoster& list) {
        for (int i = 1; selected > 0 && i <= list.PlayerCount; ++i) {
            if (list.Players[i][0] == oldName) {
                list.Players[i][0] = name;
                renamed << RowFileId(list, i);
            }
        }
        return !renamed.isEmpty();
    }, &failed);
    if (!saved)
        renamed.clear();
    // Each renamed child keeps her settings, with the grade given.
    for (const QString& fileId : renamed) {
        PlayerSettings settings = player_.Settings();
        double colour = program_.Settings().BackColour;
        LoadPlayerConfig(fileId, settings, colour);
        settings.PlayerGrade = grade;
        SavePlayerConfig(fileId, settings, colour);
    }
    FillList();
    if (!saved)
        ShowMessage(ListNotSaved(roster_, failed));
}

void GetPlayer::Remove()
{
    const PlayerRoster& s = roster_;
    const int row = SelectedRow();
    if (row == 0)
        return;
    const QString name = s.Players[row][0];
    const QString key = s.Players[row][1];
    if (AskYesNo(tr("Are you sure you want to remove %1 from this list?").arg(name)) != 1)
        return;
    bool removed = false;
    QString failed;
    const bool saved = UpdatePlayerList(roster_, [&](PlayerRoster& list) {
        for (int i = 1; i <= list.PlayerCount && !removed; ++i) {
            if (list.Players[i][0] == name && list.Players[i][1] == key)
                RemovePlayerRow(list, i), removed = true;
        }
        return removed;
    }, &failed);
    // Files another row still names (a damaged list gave two rows one key) stay with it.
    if (saved && removed && !KeyInUse(s, key)) {
        QFile::remove(PlayerScoreFile(key.left(3)));
        QFile::remove(PlayerConfigFile(key.left(3)));
        QFile::remove(PlayerFactsFile(key.left(3)));
        QFile::remove(PlayerOptionsFile(key.left(3)));
    }
    FillList();
    if (!saved)
        ShowMessage(ListNotSaved(s, failed));
}

bool GetPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        ShowToolTip(this, static_cast<QWidget*>(watched), 1);
    else if (event->type() == QEvent::Leave)
        ShowToolTip(this, static_cast<QWidget*>(watched), 0);
    return Form::eventFilter(watched, event);
}

void GetPlayer::closeEvent(QCloseEvent* event)
{
    // The title bar's close (and Alt+F4) is the panel's own way out: "Exit" ends the
    // program, "OK" leaves the About panel; the window never closes with nobody chosen.
    event->ignore();
    Command4->click();
}
