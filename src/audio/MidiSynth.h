// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A FluidSynth synthesizer with a General MIDI soundfont. One per process stands for MIDI
// output device 0: it keeps the device's two channel levels and applies them to its sound.
// Nothing heavy happens before the first piece plays, so start-up stays fast.

#include "core/logic/MidiDevice.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <thread>

// FluidSynth's handles, named as its header names them; only the files that load and call
// the library include that header.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
struct FluidSynthLibrary;

// The synthesizer's gain: with the shipped tunes' channel volumes it brings them to about
// -16 LUFS with true peaks below -1 dBFS at the top of the volume bar, as tools/loudness.sh
// measures (and reads this line). FluidSynth's default, 0.2, is 15.6 dB quieter.
constexpr double SynthGain = 1.2;
// Frames the sound card is handed at a time (two such periods are buffered).
constexpr int AudioPeriodFrames = 256;

class MidiSynth : public MidiDevice {
public:
    enum class Output {
        // Sound card when one opens, otherwise a silent output that keeps time, so that
        // pieces still play through and end.
        Speakers,
        // No sound by itself: Render() makes the sound and players follow the frames rendered.
        Offline,
    };

    // Without the soundfont file the synthesizer still runs, silently.
    explicit MidiSynth(Output output, int sampleRate = 44100, const QString& soundFont = SoundFontPath());
    ~MidiSynth() override;
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // The process's synthesizer. Never destroyed: players of windows not yet deleted at
    // exit may still use it.
    static MidiSynth& Process();
    static QString SoundFontPath();

    int GetDevCaps(MidiOutCaps& caps) override;
    int GetVolume(std::uint32_t& volume) override;
    int SetVolume(std::uint32_t volume) override;
    // StartSound.
    int Open() override;
    // Note on and off, program change and controller messages; others are not supported.
    int ShortMsg(std::uint32_t message) override;

    Output GetOutput() const { return output_; }
    // The synthesizer, made on first use; nullptr when FluidSynth cannot make one.
    fluid_synth_t* Synth();
    // FluidSynth's functions once the synthesizer exists.
    const FluidSynthLibrary& Library() const { return *fluid_; }
    // Loads the soundfont and opens the output, once; the first piece played calls it.
    void StartSound();
    bool HasSoundFont() const { return soundFont_ != NoSoundFont; }
    // True when a sound card took the output.
    bool HasSpeakers() const { return driver_ != nullptr; }

    // Held while sound is rendered: a player deleted while holding it is never in use by
    // the thread that renders.
    std::unique_lock<std::mutex> HoldRendering() { return std::unique_lock<std::mutex>(rendering_); }

    // Stereo frames with the channel levels applied.
    void Render(float* left, float* right, int frames);

    // Warnings and errors FluidSynth reported since the last call (it does not print them).
    static QStringList TakeMessages();

private:
    static int AudioCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
    int Mix(int frames, int channels, float* out[]);
    void OpenSpeakers();
    void StopOutput();
    void RunSilentOutput();
    // Loads FluidSynth and makes the settings, once; nullptr when it cannot.
    fluid_settings_t* Settings();

    Output output_;
    int sampleRate_;
    QString soundFontPath_;
    const FluidSynthLibrary* fluid_ = nullptr;
    bool settingsTried_ = false;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    static constexpr int NoSoundFont = -1; // FluidSynth's FLUID_FAILED
    int soundFont_ = NoSoundFont;
    bool started_ = false;
    std::atomic<std::uint32_t> volume_{0xFFFFFFFFu};
    std::atomic<bool> stopSilent_{false};
    std::mutex rendering_;
    std::thread silent_;
};
