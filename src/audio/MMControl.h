// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The media-control player that windows place as "MM": it opens a MIDI file, plays it
// without holding up the window, stops where it is, goes back to the start and closes,
// and tells by its mode whether a piece is playing. Its Prev, Play, Pause and Stop buttons
// only report presses; the window decides what they do. No command reports an error to
// the user: a file that cannot be opened simply does not play.

#include "audio/MidiPlayback.h"

#include <QWidget>
#include <memory>

class QToolButton;

class MMControl : public QWidget {
    Q_OBJECT
public:
    // Modes as the windows test them; only ModePlay means playing.
    static constexpr int ModeNotOpen = 524;
    static constexpr int ModeStop = 525;
    static constexpr int ModePlay = 526;
    // Results of the last command.
    static constexpr int ErrorNone = 0;
    static constexpr int ErrorUnknownCommand = 261;
    static constexpr int ErrorNotOpen = 263;
    static constexpr int ErrorCannotOpen = 275;

    explicit MMControl(QWidget* parent = nullptr);
    ~MMControl() override;

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }
    // When set, the next command returns only once it has completed (a "Play" when the
    // piece has ended); it applies to that one command.
    bool Wait() const { return wait_; }
    void SetWait(bool wait) { wait_ = wait; }
    // The file is read whole when opened, so sharing it changes nothing; kept as set.
    bool Shareable() const { return shareable_; }
    void SetShareable(bool shareable) { shareable_ = shareable; }

    // Runs "Open", "Play", "Stop", "Prev" or "Close" at once (any case).
    void SetCommand(const QString& command);
    QString Command() const { return command_; }

    int Mode() const;
    int Error() const { return error_; }
    // MIDI ticks from the start of the open piece.
    int Position() const { return playback_->Position(); }

    bool PrevEnabled() const;
    void SetPrevEnabled(bool enabled);
    bool PlayEnabled() const;
    void SetPlayEnabled(bool enabled);
    bool PauseEnabled() const;
    void SetPauseEnabled(bool enabled);
    bool StopEnabled() const;
    void SetStopEnabled(bool enabled);

signals:
    void PrevClick();
    void PlayClick();
    void PauseClick();
    void StopClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int Run(const QString& command);
    void WaitForEnd();
    QToolButton* AddButton(const char* name, const QString& accessibleName, int kind);

    QString fileName_;
    QString command_;
    bool wait_ = false;
    bool shareable_ = false;
    int error_ = ErrorNone;
    std::unique_ptr<MidiPlayback> playback_;
    QToolButton* prev_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* pause_ = nullptr;
    QToolButton* stop_ = nullptr;
};
