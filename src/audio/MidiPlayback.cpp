// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "audio/MidiPlayback.h"

#include "audio/FluidSynth.h"


MidiPlayback::MidiPlayback(MidiSynth& synth)
    : synth_(synth)
{
}

MidiPlayback::~MidiPlayback()
{
    Close();
}

bool MidiPlayback::Open(const QByteArray& file)
{
    Close();
    if (file.size() < 14 || !file.startsWith("MThd") || !synth_.Synth())
        return false;
    file_ = file;
    return Restart();
}

void MidiPlayback::Close()
{
    Release();
    file_.clear();
}

bool MidiPlayback::Restart()
{
    Release();
    player_ = synth_.Library().new_fluid_player(synth_.Synth());
    if (player_ && synth_.Library().fluid_player_add_mem(player_, file_.constData(), static_cast<size_t>(file_.size())) != FLUID_OK)
        Release();
    return player_ != nullptr;
}

void MidiPlayback::Release()
{
    if (!player_)
        return;
    // The player runs inside the rendering: it goes while nothing is rendered, and the
    // notes it left sounding are let go at once rather than on a tick it will not have.
    const auto hold = synth_.HoldRendering();
    synth_.Library().fluid_player_stop(player_);
    synth_.Library().delete_fluid_player(player_);
    synth_.Library().fluid_synth_all_notes_off(synth_.Synth(), -1);
    player_ = nullptr;
    started_ = false;
    paused_ = false;
}

bool MidiPlayback::Finished() const
{
    // A player whose piece ended cannot run again; nor can one whose file did not load.
    if (!started_ || !paused_)
        return started_;
    const int total = synth_.Library().fluid_player_get_total_ticks(player_);
    return total == 0 || synth_.Library().fluid_player_get_current_tick(player_) >= total;
}

void MidiPlayback::Play()
{
    if (!player_ || IsPlaying())
        return;
    synth_.StartSound();
    if (Finished() && !Restart())
        return;
    synth_.Library().fluid_player_play(player_);
    started_ = true;
    paused_ = false;
}

void MidiPlayback::Stop()
{
    if (!player_ || !started_)
        return;
    if (IsPlaying())
        paused_ = true;
    synth_.Library().fluid_player_stop(player_);
}

void MidiPlayback::Rewind()
{
    if (!player_)
        return;
    const bool wasPlaying = IsPlaying();
    if (started_ && !Restart())
        return;
    if (wasPlaying)
        Play();
}

bool MidiPlayback::IsPlaying() const
{
    return player_ && synth_.Library().fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

int MidiPlayback::Position() const
{
    return player_ ? synth_.Library().fluid_player_get_current_tick(player_) : 0;
}
