// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The music volume: the two-channel volume of MIDI output device 0, set from the music
// window's volume bar and probed once at start-up.

#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"
#include "core/logic/MidiDevice.h"

#include <cstdint>

// The device volume for two channel values: 0 stands for -1, and only the low 16 bits of
// each value count; high is the right channel, low the left.
std::uint32_t MidiVolumeValue(std::int32_t high, std::int32_t low);
// Sends that volume to the device; returns the device's result (0 = success).
int SetMidiVolume(MidiDevice& device, std::int32_t high, std::int32_t low);

// The volume bar runs from 0 (top, loudest) to 16 (bottom); each step down is 3 dB quieter.
constexpr int VolumeBarBottom = 16;
// Sets the volume for a bar position. The bottom is silence (volume 0): as a channel value,
// 0 would stand for full volume.
int SetVolumeFromBar(MidiDevice& device, int position);
// The bar position that shows a device volume (its left channel).
int VolumeBarPosition(std::uint32_t volume);

// Start-up's check of the device, step by step in the activity log ("v1" to "v7").
// Leaves MidiCaps filled and MidiVolumeSupport 1 when the device took a new volume.
// MIDI output device 0 as start-up found it.
struct MidiState {
    MidiOutCaps MidiCaps;
    Int16 MidiVolumeSupport = 0; // 1 when start-up's probe could set the volume
};

void ProbeMidiVolume(MidiState& state, const ProgramSettings& program, Platform& platform);
