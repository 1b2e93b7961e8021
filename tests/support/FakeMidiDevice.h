// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A MIDI output device for tests: set capabilities, a volume it keeps or ignores, chosen
// failures, and a record of every volume and message sent to it.

#include "core/logic/MidiDevice.h"

#include <vector>

class FakeMidiDevice : public MidiDevice {
public:
    FakeMidiDevice() { caps.Support = MidiCapsVolume | MidiCapsLeftRightVolume; }

    int GetDevCaps(MidiOutCaps& out) override
    {
        if (capsResult == MidiNoError)
            out = caps;
        return capsResult;
    }
    int GetVolume(std::uint32_t& out) override
    {
        if (getResult == MidiNoError)
            out = volume;
        return getResult;
    }
    int SetVolume(std::uint32_t value) override
    {
        sent.push_back(value);
        if (setResult == MidiNoError && keepsVolume)
            volume = value;
        return setResult;
    }

    int Open() override { return ++opened, MidiNoError; }
    int ShortMsg(std::uint32_t message) override { return messages.push_back(message), MidiNoError; }

    MidiOutCaps caps;
    std::uint32_t volume = 0xFFFFFFFFu;
    int capsResult = MidiNoError;
    int getResult = MidiNoError;
    int setResult = MidiNoError;
    bool keepsVolume = true; // false: accepts a volume but stays as it was
    std::vector<std::uint32_t> sent;
    int opened = 0;
    std::vector<std::uint32_t> messages;
};
