// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "music/logic/MidiVolume.h"

#include "core/logic/ActivityLog.h"

#include <algorithm>
#include <cmath>

std::uint32_t MidiVolumeValue(std::int32_t high, std::int32_t low)
{
    if (high == 0)
        high = -1;
    if (low == 0)
        low = -1;
    const std::uint32_t right = static_cast<std::uint32_t>(high) & 0xFFFFu;
    const std::uint32_t left = static_cast<std::uint32_t>(low) & 0xFFFFu;
    return (right << 16) | left;
}

int SetMidiVolume(MidiDevice& device, std::int32_t high, std::int32_t low)
{
    return device.SetVolume(MidiVolumeValue(high, low));
}

namespace {
// Each step of the bar is the same number of decibels, so each sounds the same step quieter.
constexpr double DecibelsPerStep = 3.0;
}

int SetVolumeFromBar(MidiDevice& device, int position)
{
    position = std::clamp(position, 0, VolumeBarBottom);
    if (position == VolumeBarBottom)
        return device.SetVolume(0);
    const int level = static_cast<int>(std::lround(65535.0 * std::pow(10.0, -DecibelsPerStep * position / 20.0)));
    return SetMidiVolume(device, level - 1, level);
}

int VolumeBarPosition(std::uint32_t volume)
{
    const int left = static_cast<int>(volume & 0xFFFFu);
    if (left == 0)
        return VolumeBarBottom;
    const double decibels = -20.0 * std::log10(left / 65535.0);
    return std::clamp(static_cast<int>(std::lround(decibels / DecibelsPerStep)), 0, VolumeBarBottom);
}

void ProbeMidiVolume(MidiState& state, const ProgramSettings& program, Platform& platform)
{
    MidiDevice& device = platform.MidiOut();
    state.MidiVolumeSupport = 0;
    LogEvent(program, platform, QStringLiteral("v1"));
    if (device.GetDevCaps(state.MidiCaps) != MidiNoError)
        return;
    LogEvent(program, platform, QStringLiteral("v2"));
    if (state.MidiCaps.Support == 0)
        return;
    LogEvent(program, platform, QStringLiteral("v3"));
    std::uint32_t before = 0;
    if (device.GetVolume(before) != MidiNoError)
        return;
    LogEvent(program, platform, QStringLiteral("v4"));
    const std::int32_t left = static_cast<std::int32_t>(before & 0xFFFFu);
    const std::int32_t right = static_cast<std::int32_t>(before >> 16);
    // The same volume with the right channel one step lower shows whether a change takes.
    if (SetMidiVolume(device, right - 1, left) != MidiNoError)
        return;
    state.MidiVolumeSupport = 1;
    LogEvent(program, platform, QStringLiteral("v5"));
    std::uint32_t after = 0;
    device.GetVolume(after);
    LogEvent(program, platform, QStringLiteral("v6"));
    if (after != before)
        LogEvent(program, platform, QStringLiteral("v7"));
}
