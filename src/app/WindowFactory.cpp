// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/WindowFactory.h"

#include "config/Config.h"
#include "core/WindowUtils.h"
#include "core/logic/PracticeRecord.h"
#include "help/HelpWindows.h"
#include "mainwin/BackForm.h"
#include "music/Music.h"
#include "players/GetPlayer.h"
#include "practice/Define.h"
#include "practice/Practice.h"
#include "scores/Progress.h"
#include "scores/ShowScores.h"

WindowFactory::WindowFactory(ProgramParts& parts, Platform& platform)
    : parts_(parts)
    , boxes_(parts.program.Settings())
    , services_{platform, boxes_, *this}
{
    boxes_.SetServices(&services_, nullptr);
    help_ = std::make_unique<HelpWindows>(services_, parts_.program.Settings());
}

WindowFactory::~WindowFactory() = default;

QWidget* WindowFactory::Parent() const
{
    return background_;
}

template <class T, class Make> T* WindowFactory::Single(QPointer<T>& slot, Make make)
{
    if (!slot || slot->IsUnloaded())
        slot = LoadForm(make());
    return slot;
}

BackForm* WindowFactory::Background()
{
    if (!background_) {
        background_ = LoadForm(new BackForm(services_, parts_.program.Settings()));
        boxes_.SetServices(&services_, background_);
        help_->SetBackground(background_);
    }
    return background_;
}

void WindowFactory::ChoosePlayer()
{
    ShowAndWait(Single(playerList_, [this] {
        return new GetPlayer(services_, parts_.program, parts_.roster, parts_.player, Parent());
    }));
}

std::optional<PracticeFields> WindowFactory::ChoosePractice()
{
    ShowAndWait(LoadForm(new Define(services_, parts_.program, parts_.player, Parent())));
    const PracticeFields& chosen = parts_.player.Definition();
    if (chosen.PracticeOp == 9)
        return std::nullopt;
    return Definition(chosen);
}

void WindowFactory::RunDrill(const PracticeFields& practice)
{
    // The drill is given its definition; nothing another window does changes it.
    drill_ = LoadForm(new Practice(services_, parts_.program.Settings(), parts_.player, practice, Parent()));
    // Progress, when open, shows the answers just written.
    QObject::connect(drill_, &Practice::Saved, drill_, [this] {
        if (auto* progress = qobject_cast<Progress*>(progress_.data()); progress && !progress->IsUnloaded())
            progress->Refresh();
    });
    ShowAndWait(drill_);
}

void WindowFactory::ShowConfig()
{
    ShowAndWait(Single(config_, [this]() -> Form* {
        return new Config(services_, parts_.program.Settings(), parts_.player, Parent());
    }));
}

void WindowFactory::ShowPlayerScores()
{
    // The chart opens at the chosen player's current practice; a drill running meanwhile
    // keeps its own.
    PracticeFields set = Definition(parts_.player.Definition());
    UnpackPractice(set, parts_.player.Settings().CurrentPractice);
    ShowScores(set);
}

void WindowFactory::ShowScores(const PracticeFields& practice)
{
    ShowAndWait(Single(scores_, [this, &practice]() -> Form* {
        return new ::ShowScores(services_, parts_.program.Settings(), parts_.player, practice, Parent());
    }));
}

void WindowFactory::ShowProgress()
{
    ShowAndWait(Single(progress_, [this]() -> Form* {
        return new Progress(services_, parts_.roster, parts_.player, Parent());
    }));
}

void WindowFactory::ShowMusic()
{
    ShowAndWait(Single(music_, [this]() -> Form* { return new Music(services_, parts_.midi, Parent()); }));
}

void WindowFactory::ShowHelp()
{
    help_->ShowContents();
}

void WindowFactory::ShowHelpTopic(QWidget* opener, const QString& topic)
{
    help_->ShowTopic(opener, topic);
}

void WindowFactory::ShowAbout()
{
    const bool open = playerList_ && !playerList_->IsUnloaded();
    GetPlayer* window = Single(playerList_, [this] {
        return new GetPlayer(services_, parts_.program, parts_.roster, parts_.player, Parent());
    });
    window->SetAbout(true);
    // Already open for choosing a player: it turns into the About panel at once.
    if (open && window->isVisible())
        window->Activate();
    QPointer<GetPlayer> about(window);
    ShowAndWait(window);
    if (about)
        about->SetAbout(false);
}

void WindowFactory::SetPlayerEntriesVisible(bool visible)
{
    if (background_)
        background_->SetPlayerEntriesVisible(visible);
}

void WindowFactory::EndDrillUnlessOf(const QString& fileId)
{
    if (drill_ && !drill_->IsUnloaded() && drill_->FileId() != fileId)
        drill_->Unload();
}
