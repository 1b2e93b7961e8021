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

// A channel message as the device takes it: the status byte (the kind of message and the
// channel, 0 to 15) in the low byte, then the two data bytes.
constexpr std::uint32_t MidiMessage(int status, int channel, int data1, int data2 = 0)
{
    return static_cast<std::uint32_t>((status | (channel & 0x0F)) | ((data1 & 0x7F) << 8) | ((data2 & 0x7F) << 16));
}
constexpr int MidiNoteOff = 0x80;
constexpr int MidiNoteOn = 0x90;
constexpr int MidiControl = 0xB0;
constexpr int MidiProgram = 0xC0;
constexpr int MidiAllNotesOff = 123; // the controller that ends every note of a channel

class MidiDevice {
public:
    virtual ~MidiDevice() = default;
    virtual int GetDevCaps(MidiOutCaps& caps) = 0;
    // Low 16 bits the left channel, high 16 bits the right; 0 silent, 0xFFFF full.
    virtual int GetVolume(std::uint32_t& volume) = 0;
    virtual int SetVolume(std::uint32_t volume) = 0;
    // Makes the device ready to sound, so that the next message sounds without delay (a
    // synthesizer loads its instruments and opens the sound card here, once).
    virtual int Open() = 0;
    // Sends one channel message (MidiMessage), sounding at once.
    virtual int ShortMsg(std::uint32_t message) = 0;
};
