// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "audio/MidiSynth.h"

#include "audio/FluidSynth.h"

#include <QFile>
#include <QMutex>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {
QMutex messagesLock;
QStringList messages;

// FluidSynth would print to stderr, most of all when no sound card opens; keep the
// warnings and errors for whoever asks and drop the chatter.
void KeepMessage(int level, const char* message, void*)
{
    if (level > FLUID_WARN)
        return;
    QMutexLocker lock(&messagesLock);
    if (messages.size() < 100)
        messages << QString::fromLocal8Bit(message);
}

void QuietFluidSynth(const FluidSynthLibrary& fluid)
{
    static std::once_flag once;
    std::call_once(once, [&fluid] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid.fluid_set_log_function(level, KeepMessage, nullptr);
    });
}

// ALSA prints its own complaints when no card exists, so it is tried only when one does.
bool HasSoundCard()
{
    QFile cards(QStringLiteral("/proc/asound/cards"));
    if (!cards.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = cards.readAll();
    return !text.trimmed().isEmpty() && !text.contains("no soundcards");
}
} // namespace

MidiSynth::MidiSynth(Output output, int sampleRate, const QString& soundFont)
    : output_(output)
    , sampleRate_(sampleRate)
    , soundFontPath_(soundFont)
{
}

MidiSynth::~MidiSynth()
{
    StopOutput();
    if (synth_)
        fluid_->delete_fluid_synth(synth_);
    if (settings_)
        fluid_->delete_fluid_settings(settings_);
}

fluid_settings_t* MidiSynth::Settings()
{
    if (settings_ || settingsTried_)
        return settings_;
    settingsTried_ = true;
    fluid_ = Fluid();
    if (!fluid_)
        return nullptr;
    QuietFluidSynth(*fluid_);
    settings_ = fluid_->new_fluid_settings();
    if (!settings_)
        return nullptr;
    fluid_->fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate_);
    fluid_->fluid_settings_setnum(settings_, "synth.gain", SynthGain);
    // Players keep time by the frames rendered, so they run only inside the rendering (by the
    // sound card, or the silent output that keeps time without one), never in a thread of
    // their own that could still be in a player being deleted.
    fluid_->fluid_settings_setstr(settings_, "player.timing-source", "sample");
    // Two periods of 256 frames (11.6 ms at 44.1 kHz) between a note and the sound card, less
    // than one frame of the screen: the note that answers an answer comes with its sign.
    fluid_->fluid_settings_setint(settings_, "audio.period-size", AudioPeriodFrames);
    fluid_->fluid_settings_setint(settings_, "audio.periods", 2);
    return settings_;
}

MidiSynth& MidiSynth::Process()
{
    static MidiSynth* synth = [] {
        auto* made = new MidiSynth(Output::Speakers);
        // Sound threads must not outlive the libraries they use as the process ends.
        std::atexit([] { Process().StopOutput(); });
        return made;
    }();
    return *synth;
}

void MidiSynth::StopOutput()
{
    if (driver_)
        fluid_->delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    stopSilent_ = true;
    if (silent_.joinable())
        silent_.join();
}

QString MidiSynth::SoundFontPath()
{
    return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

int MidiSynth::GetDevCaps(MidiOutCaps& caps)
{
    caps = MidiOutCaps{};
    caps.Mid = 0xFFFF; // no registered maker
    caps.Pid = 0xFFFF;
    caps.DriverVersion = (FLUIDSYNTH_VERSION_MAJOR << 8) | FLUIDSYNTH_VERSION_MINOR;
    caps.ProductName = QStringLiteral("FluidSynth");
    caps.Technology = 7; // software synthesizer
    // FluidSynth's default; asking the settings would load the library at every start.
    int polyphony = 256;
    if (settings_)
        fluid_->fluid_settings_getint(settings_, "synth.polyphony", &polyphony);
    caps.Voices = static_cast<std::uint16_t>(polyphony);
    caps.Notes = static_cast<std::uint16_t>(polyphony);
    caps.ChannelMask = 0xFFFF;
    caps.Support = MidiCapsVolume | MidiCapsLeftRightVolume;
    return MidiNoError;
}

int MidiSynth::GetVolume(std::uint32_t& volume)
{
    volume = volume_;
    return MidiNoError;
}

int MidiSynth::SetVolume(std::uint32_t volume)
{
    volume_ = volume;
    return MidiNoError;
}

int MidiSynth::Open()
{
    StartSound();
    return synth_ ? MidiNoError : MidiNotSupported;
}

int MidiSynth::ShortMsg(std::uint32_t message)
{
    StartSound();
    if (!synth_)
        return MidiNotSupported;
    const int status = message & 0xF0, channel = message & 0x0F;
    const int data1 = (message >> 8) & 0x7F, data2 = (message >> 16) & 0x7F;
    int done = FLUID_FAILED;
    switch (status) {
    case MidiNoteOn:
        done = data2 > 0 ? fluid_->fluid_synth_noteon(synth_, channel, data1, data2)
                         : fluid_->fluid_synth_noteoff(synth_, channel, data1);
        break;
    case MidiNoteOff:
        done = fluid_->fluid_synth_noteoff(synth_, channel, data1);
        break;
    case MidiProgram:
        done = fluid_->fluid_synth_program_change(synth_, channel, data1);
        break;
    case MidiControl:
        done = fluid_->fluid_synth_cc(synth_, channel, data1, data2);
        break;
    default:
        return MidiNotSupported;
    }
    // A note off for a note that has ended already is no failure.
    return done == FLUID_OK || status == MidiNoteOff ? MidiNoError : MidiNotSupported;
}

fluid_synth_t* MidiSynth::Synth()
{
    if (!synth_ && Settings())
        synth_ = fluid_->new_fluid_synth(settings_);
    return synth_;
}

void MidiSynth::StartSound()
{
    if (started_ || !Synth())
        return;
    started_ = true;
    if (QFile::exists(soundFontPath_))
        soundFont_ = fluid_->fluid_synth_sfload(synth_, QFile::encodeName(soundFontPath_).constData(), 1);
    if (output_ == Output::Speakers)
        OpenSpeakers();
}

void MidiSynth::OpenSpeakers()
{
    QList<const char*> drivers{"pulseaudio"};
    if (HasSoundCard())
        drivers << "alsa";
    for (const char* name : drivers) {
        fluid_->fluid_settings_setstr(settings_, "audio.driver", name);
        driver_ = fluid_->new_fluid_audio_driver2(settings_, AudioCallback, this);
        if (driver_)
            return;
    }
    // Voices end only when rendered, and a piece counts as playing until they have.
    silent_ = std::thread([this] { RunSilentOutput(); });
}

void MidiSynth::RunSilentOutput()
{
    constexpr int frames = 1024;
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    const auto period = std::chrono::microseconds(frames * 1000000LL / sampleRate_);
    auto next = std::chrono::steady_clock::now();
    while (!stopSilent_) {
        Render(left.data(), right.data(), frames);
        next += period;
        std::this_thread::sleep_until(next);
    }
}

int MidiSynth::AudioCallback(void* data, int len, int, float*[], int nout, float* out[])
{
    // Effects are mixed into the main output so the channel levels cover them too.
    return static_cast<MidiSynth*>(data)->Mix(len, nout, out);
}

int MidiSynth::Mix(int frames, int channels, float* out[])
{
    const std::lock_guard<std::mutex> hold(rendering_);
    if (fluid_->fluid_synth_process(synth_, frames, channels, out, channels, out) != FLUID_OK)
        return FLUID_FAILED;
    const std::uint32_t volume = volume_;
    const float left = static_cast<float>(volume & 0xFFFFu) / 65535.0f;
    const float right = static_cast<float>(volume >> 16) / 65535.0f;
    for (int c = 0; c < channels; ++c) {
        if (!out[c])
            continue;
        const float level = c % 2 == 0 ? left : right;
        for (int i = 0; i < frames; ++i)
            out[c][i] *= level;
    }
    return FLUID_OK;
}

void MidiSynth::Render(float* left, float* right, int frames)
{
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    if (!Synth())
        return;
    float* out[2] = {left, right};
    Mix(frames, 2, out);
}

QStringList MidiSynth::TakeMessages()
{
    QMutexLocker lock(&messagesLock);
    QStringList taken;
    taken.swap(messages);
    return taken;
}
