// Sound from the synthesizer with the General MIDI soundfont, rendered offline: the tunes
// play through, and the device volume scales each channel.
#include "music/MidiPlayback.h"
#include "music/MidiSynth.h"
#include "music/logic/MidiVolume.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {
constexpr int Rate = 22050;

QString DataDir()
{
    return qEnvironmentVariable("NUMBRELLA_DATA");
}

struct Sound {
    double left = 0; // energy: sum of squares
    double right = 0;
    float peak = 0;
    double seconds = 0;
};

// Plays the piece on a fresh offline synthesizer at the given volume for at most `limit`
// seconds, or until it ends.
Sound Render(const QByteArray& piece, std::uint32_t volume, double limit)
{
    MidiSynth synth(MidiSynth::Output::Offline, Rate);
    synth.SetVolume(volume);
    MidiPlayback playback(synth);
    Sound sound;
    if (!playback.Open(piece))
        return sound;
    playback.Play();
    constexpr int block = 4096;
    std::vector<float> left(block);
    std::vector<float> right(block);
    while (playback.IsPlaying() && sound.seconds < limit) {
        synth.Render(left.data(), right.data(), block);
        for (int i = 0; i < block; ++i) {
            sound.left += double(left[i]) * left[i];
            sound.right += double(right[i]) * right[i];
            sound.peak = std::max({sound.peak, std::fabs(left[i]), std::fabs(right[i])});
        }
        sound.seconds += double(block) / Rate;
    }
    return sound;
}

QByteArray Tune(const QString& name)
{
    return ReadBytes(QDir(DataDir()).filePath(name));
}

bool FluidSynthLoaded()
{
    return ReadBytes(QStringLiteral("/proc/self/maps")).contains("libfluidsynth");
}
} // namespace

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void libraryWaitsForTheFirstPiece(); // first: nothing may have loaded the library yet
    void eachTunePlaysThrough_data();
    void eachTunePlaysThrough();
    void volumeScalesEachChannel_data();
    void volumeScalesEachChannel();
    void soundFontWaitsForTheFirstPiece();
    void processSynthesizerIsTheDevice();
    void missingSoundFontPlaysSilently();
    void noSoundDeviceKeepsTime();
};

void TestSynthAudio::initTestCase()
{
    QVERIFY2(QFile::exists(MidiSynth::SoundFontPath()), "the General MIDI soundfont is not installed");
    QVERIFY(!DataDir().isEmpty());
}

void TestSynthAudio::libraryWaitsForTheFirstPiece()
{
    // What start-up asks of the device needs no synthesizer.
    MidiOutCaps caps;
    QCOMPARE(MidiSynth::Process().GetDevCaps(caps), MidiNoError);
    std::uint32_t volume = 0;
    QCOMPARE(MidiSynth::Process().GetVolume(volume), MidiNoError);
    MidiSynth synth(MidiSynth::Output::Offline, Rate);
    MidiPlayback playback(synth);
    QVERIFY(!FluidSynthLoaded());
    QVERIFY(playback.Open(Tune(QStringLiteral("twinkle.mid"))));
    QVERIFY(FluidSynthLoaded());
}

void TestSynthAudio::eachTunePlaysThrough_data()
{
    QTest::addColumn<QString>("file");
    const QStringList tunes = QDir(DataDir()).entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name);
    QVERIFY(tunes.size() >= 8);
    for (const QString& t : tunes)
        QTest::newRow(qPrintable(t)) << t;
}

void TestSynthAudio::eachTunePlaysThrough()
{
    QFETCH(QString, file);
    MidiSynth::TakeMessages();
    const Sound sound = Render(Tune(file), 0xFFFFFFFFu, 120);
    // The player counts a piece as playing until its last notes have died away.
    QVERIFY2(sound.seconds > 30 && sound.seconds < 95, qPrintable(QString::number(sound.seconds)));
    const double rms = std::sqrt((sound.left + sound.right) / (2 * sound.seconds * Rate));
    QVERIFY2(rms > 0.004, qPrintable(QString::number(rms)));
    QVERIFY2(sound.peak < 1.0f, qPrintable(QString::number(sound.peak))); // never clips
    const QStringList messages = MidiSynth::TakeMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void TestSynthAudio::volumeScalesEachChannel_data()
{
    QTest::addColumn<uint>("volume");
    QTest::addColumn<double>("leftShare");
    QTest::addColumn<double>("rightShare");
    // Energy goes with the square of the level.
    QTest::newRow("bar at 8") << uint(MidiVolumeValue(0x7FFF, 0x8000)) << 0.25 << 0.25;
    QTest::newRow("bar at 15") << uint(MidiVolumeValue(0x0FFF, 0x1000)) << 0.0039 << 0.0039;
    QTest::newRow("left only") << 0x0000FFFFu << 1.0 << 0.0;
    QTest::newRow("right at half") << 0x7FFFFFFFu << 1.0 << 0.25;
    QTest::newRow("silent") << 0x00000000u << 0.0 << 0.0;
}

void TestSynthAudio::volumeScalesEachChannel()
{
    QFETCH(uint, volume);
    QFETCH(double, leftShare);
    QFETCH(double, rightShare);
    const QByteArray piece = Tune(QStringLiteral("odetojoy.mid"));
    const Sound full = Render(piece, 0xFFFFFFFFu, 4);
    const Sound quieter = Render(piece, volume, 4);
    QVERIFY(full.left > 1 && full.right > 1);
    QVERIFY2(std::fabs(quieter.left / full.left - leftShare) < 0.01 + leftShare * 0.05,
             qPrintable(QString::number(quieter.left / full.left)));
    QVERIFY2(std::fabs(quieter.right / full.right - rightShare) < 0.01 + rightShare * 0.05,
             qPrintable(QString::number(quieter.right / full.right)));
}

void TestSynthAudio::soundFontWaitsForTheFirstPiece()
{
    MidiSynth synth(MidiSynth::Output::Offline, Rate);
    MidiPlayback playback(synth);
    QVERIFY(playback.Open(Tune(QStringLiteral("twinkle.mid"))));
    QVERIFY(!synth.HasSoundFont());
    playback.Play();
    QVERIFY(synth.HasSoundFont());
    QVERIFY(!synth.HasSpeakers());
}

void TestSynthAudio::processSynthesizerIsTheDevice()
{
    MidiDevice& device = MidiSynth::Process();
    MidiOutCaps caps;
    QCOMPARE(device.GetDevCaps(caps), MidiNoError);
    QVERIFY(caps.Support & MidiCapsLeftRightVolume);
    std::uint32_t volume = 0;
    QCOMPARE(device.GetVolume(volume), MidiNoError);
    QCOMPARE(volume, 0xFFFFFFFFu); // full until told otherwise
    QCOMPARE(SetVolumeFromBar(device, 15), MidiNoError);
    QCOMPARE(device.GetVolume(volume), MidiNoError);
    QCOMPARE(volume, 0x0FFF1000u);
    QCOMPARE(VolumeBarPosition(volume), 15);
}

void TestSynthAudio::missingSoundFontPlaysSilently()
{
    MidiSynth synth(MidiSynth::Output::Offline, Rate, QStringLiteral("/no/such/soundfont.sf2"));
    MidiPlayback playback(synth);
    QVERIFY(playback.Open(Tune(QStringLiteral("twinkle.mid"))));
    playback.Play();
    QVERIFY(!synth.HasSoundFont());
    std::vector<float> left(Rate);
    std::vector<float> right(Rate);
    for (int second = 0; second < 3; ++second) {
        synth.Render(left.data(), right.data(), Rate);
        // Nothing but the synthesizer's own noise floor, far below anything heard.
        const auto silent = [](float v) { return std::fabs(v) < 1e-5f; };
        QVERIFY(std::all_of(left.begin(), left.end(), silent));
        QVERIFY(std::all_of(right.begin(), right.end(), silent));
    }
    // The piece goes on in silence and obeys the controls.
    QVERIFY(playback.IsPlaying());
    QVERIFY(playback.Position() > 0);
    playback.Stop();
    QVERIFY(!playback.IsPlaying());
    playback.Rewind();
    QCOMPARE(playback.Position(), 0);
    // Bytes that are no MIDI file open as nothing.
    QVERIFY(!playback.Open(QByteArray("MThd garbage")));
}

void TestSynthAudio::noSoundDeviceKeepsTime()
{
    // No sound server to reach; a sound card is tried only when the machine lists one.
    qputenv("PULSE_SERVER", "unix:/no/such/socket");
    MidiSynth synth(MidiSynth::Output::Speakers, Rate);
    MidiPlayback playback(synth);
    QVERIFY(playback.Open(Tune(QStringLiteral("twinkle.mid"))));
    playback.Play();
    if (synth.HasSpeakers())
        QSKIP("this machine has a sound card");
    QVERIFY(synth.HasSoundFont());
    QTRY_VERIFY_WITH_TIMEOUT(playback.Position() > 0, 5000);
    QVERIFY(playback.IsPlaying());
    playback.Close();
    QVERIFY(!playback.IsOpen());
}

QTEST_GUILESS_MAIN(TestSynthAudio)
#include "tst_Synth_audio.moc"
