// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Makes every window of the program, handing each the parts it reads and the services it
// calls, and keeps the ones that exist at most once. The only place that knows every window.

#include "app/ProgramParts.h"
#include "core/Form.h"
#include "core/MessageBoxes.h"
#include "core/WindowOpener.h"

#include <QPointer>
#include <memory>
#include <optional>

class BackForm;
class GetPlayer;
class HelpWindows;
class Practice;

class WindowFactory : public WindowOpener {
public:
    WindowFactory(ProgramParts& parts, Platform& platform);
    ~WindowFactory() override;

    const Services& Tools() const { return services_; }
    HelpWindows& Help() { return *help_; }
    ProgramParts& Parts() { return parts_; }

    // The background window with the menu; every other window belongs to it.
    BackForm* Background();
    // The player list; returns when a child has chosen her name (or the program ends).
    void ChoosePlayer();
    // The definition window: the practice chosen, or nothing to go back to the player list.
    std::optional<PracticeFields> ChoosePractice();
    // The drill of a practice; returns when it has ended.
    void RunDrill(const PracticeFields& practice);

    void ShowConfig() override;
    void ShowPlayerScores() override;
    void ShowProgress() override;
    void ShowMusic() override;
    void ShowHelp() override;
    void ShowAbout() override;
    void ShowHelpTopic(QWidget* opener, const QString& topic) override;
    void ShowScores(const PracticeFields& practice) override;
    void SetPlayerEntriesVisible(bool visible) override;
    void EndDrillUnlessOf(const QString& fileId) override;

private:
    // The window of this kind that is loaded, or a new one made by `make` and loaded.
    template <class T, class Make> T* Single(QPointer<T>& slot, Make make);
    QWidget* Parent() const;

    ProgramParts& parts_;
    MessageBoxes boxes_;
    Services services_;
    std::unique_ptr<HelpWindows> help_;
    QPointer<BackForm> background_;
    QPointer<GetPlayer> playerList_;
    QPointer<Practice> drill_;
    QPointer<Form> scores_, config_, progress_, music_;
};
