#include "platform/sdlsound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <sndfile.h>
#include <string>
#include <type_traits>

namespace {

using platform::SdlSound;
using Samples = std::vector<std::int16_t>;

constexpr double kPi = 3.14159265358979323846;

// Two tones that start away from zero, so the first frame stands out from the device's silence;
// the channels differ, so a swap or a wrong interleave shows.
Samples testSignal(int rate, int channels, int frames)
{
    Samples samples;
    for (int n = 0; n < frames; ++n) {
        const double t = double(n) / rate;
        samples.push_back(
            static_cast<std::int16_t>(std::lrint(12000 * std::cos(2 * kPi * 440 * t))));
        if (channels == 2)
            samples.push_back(
                static_cast<std::int16_t>(std::lrint(3000 - 6000 * std::sin(2 * kPi * 660 * t))));
    }
    return samples;
}

double seconds(const Samples& samples, int rate, int channels)
{
    return double(samples.size()) / channels / rate;
}

// How far a lossy encoding may move a sample: at least absolute, or magnitude / divisor.
struct Tolerance
{
    int absolute = 0;
    int divisor = 0;
    int allowed(int expected) const
    {
        return divisor == 0 ? absolute : std::max(absolute, std::abs(expected) / divisor);
    }
};

// The output holds each sound of played, in order, each once and whole, with nothing but silence
// before, between and after them.
::testing::AssertionResult holdsInOrder(const Samples& output, const std::vector<Samples>& played,
                                        Tolerance tolerance)
{
    std::size_t at = 0;
    const auto skipSilence = [&] {
        while (at < output.size() && std::abs(output[at]) <= tolerance.allowed(0))
            ++at;
    };
    for (std::size_t sound = 0; sound < played.size(); ++sound) {
        skipSilence();
        const Samples& expected = played[sound];
        if (output.size() - at < expected.size())
            return ::testing::AssertionFailure()
                   << "sound " << sound << " is cut: " << output.size() - at << " of "
                   << expected.size() << " samples after position " << at;
        for (std::size_t i = 0; i < expected.size(); ++i, ++at) {
            if (std::abs(output[at] - expected[i]) > tolerance.allowed(expected[i]))
                return ::testing::AssertionFailure()
                       << "sound " << sound << ", sample " << i << ": played " << output[at]
                       << ", expected " << expected[i];
        }
    }
    skipSilence();
    if (at != output.size())
        return ::testing::AssertionFailure()
               << "sound after the last one, at " << at << ": " << output[at];
    return ::testing::AssertionSuccess();
}

class SdlSoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        useDriver("disk");
        sendOutputTo(QStringLiteral("out.raw"));
    }

    // Read when the audio subsystem starts, that is at the first play of an SdlSound.
    static void useDriver(const char* name) { qputenv("SDL_AUDIODRIVER", name); }

    // Read each time a device is opened.
    void sendOutputTo(const QString& name)
    {
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_dir.filePath(name)));
    }

    // The samples the disk driver was handed, empty when no device wrote the file.
    Samples output(const QString& name = QStringLiteral("out.raw")) const
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        Samples samples(static_cast<std::size_t>(bytes.size()) / sizeof(std::int16_t));
        std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(std::int16_t));
        return samples;
    }

    template <typename Sample>
    QByteArray waveImage(int format, int rate, int channels, const std::vector<Sample>& samples)
    {
        const QString path = m_dir.filePath(QStringLiteral("made.wav"));
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = format;
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (file == nullptr) {
            ADD_FAILURE() << "cannot write the sound: " << sf_strerror(nullptr);
            return {};
        }
        // Floating-point files then hold 16-bit samples at full scale 1.0.
        sf_command(file, SFC_SET_SCALE_INT_FLOAT_WRITE, nullptr, SF_TRUE);
        const auto frames = static_cast<sf_count_t>(samples.size()) / channels;
        if constexpr (std::is_same_v<Sample, float>)
            EXPECT_EQ(sf_writef_float(file, samples.data(), frames), frames);
        else
            EXPECT_EQ(sf_writef_short(file, samples.data(), frames), frames);
        EXPECT_EQ(sf_close(file), 0);
        QFile made(path);
        EXPECT_TRUE(made.open(QIODevice::ReadOnly));
        return made.readAll();
    }

    QByteArray pcm16(int rate, int channels, const Samples& samples)
    {
        return waveImage(SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, channels, samples);
    }

    QTemporaryDir m_dir;
};

// Adaptive encodings fill their last block with stale samples, so their sounds are whole blocks.
struct Encoding
{
    const char* name;
    int format;
    int rate;
    int channels;
    int frames;
    Tolerance tolerance;
};

void PrintTo(const Encoding& encoding, std::ostream* out)
{
    *out << encoding.name;
}

class SdlSoundEncodingTest : public SdlSoundTest, public ::testing::WithParamInterface<Encoding>
{
};

TEST_P(SdlSoundEncodingTest, PlaysEverySampleToTheEndBeforeReturning)
{
    const Encoding& encoding = GetParam();
    const Samples signal = testSignal(encoding.rate, encoding.channels, encoding.frames);
    const QByteArray image = waveImage(encoding.format, encoding.rate, encoding.channels, signal);

    QElapsedTimer clock;
    {
        SdlSound sound;
        clock.start();
        sound.play(image);
        EXPECT_GE(clock.elapsed(), 0.9 * 1000 * seconds(signal, encoding.rate, encoding.channels));
    }
    EXPECT_TRUE(holdsInOrder(output(), {signal}, encoding.tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, SdlSoundEncodingTest,
    ::testing::Values(
        Encoding{"Pcm16Mono22050", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 3300, {}},
        Encoding{
            "Pcm24StereoExtensible44100", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 44100, 2, 6600, {}},
        Encoding{"Pcm32Stereo48000", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 48000, 2, 7200, {}},
        Encoding{"Unsigned8Mono11025", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1, 1650, {256, 0}},
        Encoding{
            "FloatStereoExtensible48000", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT, 48000, 2, 7200, {}},
        Encoding{"DoubleMono16000", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 16000, 1, 2400, {}},
        Encoding{"ALawMono8000", SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 1, 1200, {16, 16}},
        Encoding{"MuLawStereo8000", SF_FORMAT_WAV | SF_FORMAT_ULAW, 8000, 2, 1200, {16, 16}},
        Encoding{"ImaAdpcmMono22050",
                 SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM,
                 22050,
                 1,
                 3 * 1017,
                 {2500, 0}},
        Encoding{"MsAdpcmStereo22050",
                 SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM,
                 22050,
                 2,
                 2 * 2036,
                 {200, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SdlSoundTest, ReturnsAtOnceWithoutSoundForBytesThatAreNotAWaveSound)
{
    const Samples signal = testSignal(22050, 1, 22050);
    const QByteArray wave = pcm16(22050, 1, signal);
    const QByteArray aiff = waveImage(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 22050, 1, signal);
    const struct
    {
        const char* name;
        QByteArray image;
    } cases[] = {
        {"empty", {}},
        {"text", QByteArrayLiteral("17_07_ball\r\nnot a recording\r\n")},
        {"zeros", QByteArray(4096, '\0')},
        {"header without its data", wave.left(44)},
        {"data chunk missing", wave.left(36)},
        {"a sound, but not WAVE", aiff},
    };
    SdlSound sound;
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.name);
        QElapsedTimer clock;
        clock.start();
        sound.play(bad.image);
        EXPECT_LT(clock.elapsed(), 200);
    }
    EXPECT_TRUE(output().empty());
}

TEST_F(SdlSoundTest, ReturnsAtOnceWhenNoAudioDeviceCanBeUsed)
{
    const QByteArray image = pcm16(22050, 1, testSignal(22050, 1, 22050));
    const struct
    {
        const char* driver;
        QString output;
    } cases[] = {
        {"no-such-driver", QStringLiteral("out.raw")},
        {"disk", QStringLiteral("missing-folder/out.raw")},
    };
    for (const auto& unusable : cases) {
        SCOPED_TRACE(unusable.driver);
        useDriver(unusable.driver);
        sendOutputTo(unusable.output);
        SdlSound sound;
        QElapsedTimer clock;
        clock.start();
        sound.play(image);
        sound.play(image);
        EXPECT_LT(clock.elapsed(), 500);
    }
}

TEST_F(SdlSoundTest, PlaysOnADeviceThatKeepsNoOutput)
{
    useDriver("dummy");
    const Samples signal = testSignal(22050, 1, 4410);
    SdlSound sound;
    QElapsedTimer clock;
    clock.start();
    sound.play(pcm16(22050, 1, signal));
    EXPECT_GE(clock.elapsed(), 180);
}

TEST_F(SdlSoundTest, PlaysSoundsOfOneFormatOneAfterTheOtherOnOneDevice)
{
    const Samples first = testSignal(22050, 2, 2205);
    Samples second = testSignal(22050, 2, 1100);
    for (std::int16_t& sample : second)
        sample = static_cast<std::int16_t>(-sample);
    {
        SdlSound sound;
        sound.play(pcm16(22050, 2, first));
        sound.play(pcm16(22050, 2, second));
        sound.play(pcm16(22050, 2, first));
    }
    EXPECT_TRUE(holdsInOrder(output(), {first, second, first}, {}));
}

TEST_F(SdlSoundTest, OpensTheDeviceAgainForAnotherFormat)
{
    const Samples mono = testSignal(16000, 1, 1600);
    const Samples stereo = testSignal(44100, 2, 4410);
    {
        SdlSound sound;
        sound.play(pcm16(16000, 1, mono));
        sendOutputTo(QStringLiteral("second.raw"));
        sound.play(pcm16(44100, 2, stereo));
    }
    EXPECT_TRUE(holdsInOrder(output(), {mono}, {}));
    EXPECT_TRUE(holdsInOrder(output(QStringLiteral("second.raw")), {stereo}, {}));
}

TEST_F(SdlSoundTest, KeepsHandlingEventsWhilePlaying)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&ticks] { ++ticks; });
    timer.start(10);
    SdlSound sound;
    sound.play(pcm16(22050, 1, testSignal(22050, 1, 6615)));
    EXPECT_GE(ticks, 10);
}

TEST_F(SdlSoundTest, LeavesTerminationSignalsToTheProgram)
{
    const auto handlerOf = [](int signal) {
        struct sigaction action
        {
        };
        EXPECT_EQ(sigaction(signal, nullptr, &action), 0);
        return action.sa_handler;
    };
    const auto interruptBefore = handlerOf(SIGINT);
    const auto terminateBefore = handlerOf(SIGTERM);
    SdlSound sound;
    sound.play(pcm16(22050, 1, testSignal(22050, 1, 1100)));
    EXPECT_EQ(handlerOf(SIGINT), interruptBefore);
    EXPECT_EQ(handlerOf(SIGTERM), terminateBefore);
}

TEST_F(SdlSoundTest, DecodesFloatingPointAtFullScaleAndClampsBeyondIt)
{
    const std::vector<float> stored = {0.5f, -0.25f, 1.5f, -2.0f,
                                       std::numeric_limits<float>::quiet_NaN()};
    const Samples expected = {16384, -8192, 32767, -32768, 0};
    for (const int format : {SF_FORMAT_WAV | SF_FORMAT_FLOAT, SF_FORMAT_WAVEX | SF_FORMAT_DOUBLE}) {
        SCOPED_TRACE(format);
        const auto sound = platform::decodeWave(waveImage(format, 8000, 1, stored));
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->samples, expected);
    }
}

// The test signal at rate, mixed the way a device of toChannels hears it.
Samples mixedSignal(int rate, int fromChannels, int toChannels, int frames)
{
    const Samples signal = testSignal(rate, fromChannels, frames);
    if (fromChannels == toChannels)
        return signal;
    Samples mixed;
    for (std::size_t at = 0; at < signal.size(); at += fromChannels) {
        int sum = 0;
        for (int channel = 0; channel < fromChannels; ++channel)
            sum += signal[at + channel];
        mixed.insert(mixed.end(), toChannels, static_cast<std::int16_t>(sum / fromChannels));
    }
    return mixed;
}

TEST(ConvertSound, ResamplesAndRemixesTheWholeSound)
{
    const struct
    {
        int fromRate, fromChannels, toRate, toChannels;
    } cases[] = {
        {22050, 1, 44100, 2}, {8000, 1, 48000, 2}, {44100, 2, 48000, 2}, {48000, 2, 44100, 1}};
    constexpr double kSeconds = 0.2;
    for (const auto& conversion : cases) {
        SCOPED_TRACE(::testing::Message()
                     << conversion.fromRate << "/" << conversion.fromChannels << " to "
                     << conversion.toRate << "/" << conversion.toChannels);
        const platform::DecodedSound sound{conversion.fromRate, conversion.fromChannels,
                                           testSignal(conversion.fromRate, conversion.fromChannels,
                                                      int(kSeconds * conversion.fromRate))};
        const auto converted =
            platform::convertSound(sound, conversion.toRate, conversion.toChannels);
        ASSERT_TRUE(converted.has_value());
        EXPECT_EQ(converted->rate, conversion.toRate);
        EXPECT_EQ(converted->channels, conversion.toChannels);
        const Samples expected =
            mixedSignal(conversion.toRate, conversion.fromChannels, conversion.toChannels,
                        int(kSeconds * conversion.toRate));
        ASSERT_EQ(converted->samples.size(), expected.size());
        // The resampler's filter rings at both ends of the sound.
        const std::size_t edge = 64 * conversion.toChannels;
        for (std::size_t at = edge; at < expected.size() - edge; ++at)
            ASSERT_NEAR(converted->samples[at], expected[at], 100) << "sample " << at;
    }
}

} // namespace
