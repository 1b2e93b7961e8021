// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// MIDI output device 0 as the program reaches it: its capabilities and its two-channel
// volume. Results follow the platform's convention: 0 is success.

#include <QString>

#include <cstdint>

// Capabilities of MIDI output device 0; only the support flags are looked at.
struct MidiOutCaps {
    std::uint16_t Mid = 0;
    std::uint16_t Pid = 0;
    std::uint32_t DriverVersion = 0;
    QString ProductName; // at most 32 characters
    std::uint16_t Technology = 0;
    std::uint16_t Voices = 0;
    std::uint16_t Notes = 0;
    std::uint16_t ChannelMask = 0;
    std::uint32_t Support = 0;
};

constexpr int MidiNoError = 0;
constexpr int MidiNotSupported = 8;

// Support flags of the capabilities: the volume can be set, and each channel on its own.
constexpr std::uint32_t MidiCapsVolume = 0x0001;
constexpr std::uint32_t MidiCapsLeftRightVolume = 0x0002;

class MidiDevice {
public:
    virtual ~MidiDevice() = default;
    virtual int GetDevCaps(MidiOutCaps& caps) = 0;
    // Low 16 bits the left channel, high 16 bits the right; 0 silent, 0xFFFF full.
    virtual int GetVolume(std::uint32_t& volume) = 0;
    virtual int SetVolume(std::uint32_t volume) = 0;
};
