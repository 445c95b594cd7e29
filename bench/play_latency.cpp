// How long Play takes to get a recording to the audio device, and what each step costs.
//
// A sound shorter than one device buffer is gone from the queue as soon as the device takes its
// first samples, so its play time minus the fixed wait for the last buffers is the start latency.
// Between plays the bench idles for a random time, as a rater does, so that a play does not start
// at the same point of the device's cycle every time.
// Runs on the audio driver named by SDL_AUDIODRIVER, or on the disk driver writing to /dev/null.

#include "platform/sdlsound.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDeviceBufferFrames = 512;
constexpr int kRuns = 60;
constexpr double kPi = 3.14159265358979323846;

struct Recording
{
    const char* name;
    int rate;
    int channels;
    int bits;
    double seconds;
};

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int byte = 0; byte < size; ++byte)
        bytes.append(static_cast<char>((value >> (8 * byte)) & 0xff));
}

// A canonical PCM WAVE image holding a 440 Hz tone.
QByteArray waveImage(const Recording& recording)
{
    const int bytesPerSample = recording.bits / 8;
    const auto frames = static_cast<quint32>(std::max(1.0, recording.rate * recording.seconds));
    const quint32 dataBytes = frames * recording.channels * bytesPerSample;
    QByteArray image("RIFF");
    appendLittleEndian(image, 36 + dataBytes, 4);
    image.append("WAVEfmt ");
    appendLittleEndian(image, 16, 4);
    appendLittleEndian(image, 1, 2);
    appendLittleEndian(image, recording.channels, 2);
    appendLittleEndian(image, recording.rate, 4);
    appendLittleEndian(image, recording.rate * recording.channels * bytesPerSample, 4);
    appendLittleEndian(image, recording.channels * bytesPerSample, 2);
    appendLittleEndian(image, recording.bits, 2);
    image.append("data");
    appendLittleEndian(image, dataBytes, 4);
    const double fullScale = std::ldexp(1.0, recording.bits - 1) - 1;
    for (quint32 frame = 0; frame < frames; ++frame) {
        const double tone = 0.4 * std::sin(2 * kPi * 440 * frame / recording.rate);
        const auto sample = static_cast<qint32>(std::lrint(fullScale * tone));
        for (int channel = 0; channel < recording.channels; ++channel)
            appendLittleEndian(image, static_cast<quint32>(sample), bytesPerSample);
    }
    return image;
}

void idleLikeARater()
{
    static std::mt19937 generator(20260307);
    std::uniform_int_distribution<int> microseconds(0, 50'000);
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds(generator)));
}

double millisecondsOf(const std::function<void()>& step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What play waits after the queue is empty, for the device's last two buffers.
double tailMs(int rate)
{
    return std::floor(2.0 * kDeviceBufferFrames * 1000 / rate) + 1;
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("  %-58s median %8.3f ms   min %8.3f   max %8.3f   (%zu runs)\n", what,
                ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

void measureDecoding(const std::vector<Recording>& recordings)
{
    std::printf("Decoding a recording held in memory:\n");
    for (const Recording& recording : recordings) {
        const QByteArray image = waveImage(recording);
        if (!platform::decodeWave(image)) {
            std::printf("  %s: the made image does not decode\n", recording.name);
            continue;
        }
        std::vector<double> ms;
        for (int run = 0; run < kRuns; ++run)
            ms.push_back(millisecondsOf([&] { platform::decodeWave(image); }));
        report(recording.name, ms);
    }
}

// The first play of a fresh player starts the audio subsystem and opens the device.
void measureFirstPlay(const Recording& blip)
{
    const QByteArray image = waveImage(blip);
    std::vector<double> ms;
    for (int run = 0; run < kRuns / 3; ++run) {
        platform::SdlSound sound;
        ms.push_back(millisecondsOf([&] { sound.play(image); }) - tailMs(blip.rate));
    }
    report("first play (starts audio, opens the device)", ms);
}

void measureLaterPlays(const Recording& blip, const Recording& other)
{
    const QByteArray image = waveImage(blip);
    const QByteArray otherImage = waveImage(other);
    platform::SdlSound sound;
    sound.play(image);
    std::vector<double> kept;
    for (int run = 0; run < kRuns; ++run) {
        idleLikeARater();
        kept.push_back(millisecondsOf([&] { sound.play(image); }) - tailMs(blip.rate));
    }
    report("next play, same format (device kept open)", kept);

    std::vector<double> reopened;
    for (int run = 0; run < kRuns; ++run) {
        sound.play(otherImage);
        idleLikeARater();
        reopened.push_back(millisecondsOf([&] { sound.play(image); }) - tailMs(blip.rate));
    }
    report("next play, other format (device closed and opened)", reopened);
}

// A whole recording: decoding plus start latency, and the time beyond its own length.
void measureWholeRecording(const Recording& recording)
{
    const QByteArray image = waveImage(recording);
    platform::SdlSound sound;
    sound.play(image);
    std::vector<double> overhead;
    for (int run = 0; run < kRuns / 3; ++run) {
        idleLikeARater();
        overhead.push_back(millisecondsOf([&] { sound.play(image); }) - 1000 * recording.seconds);
    }
    report("play time beyond the recording's length", overhead);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
    std::printf("Audio driver: %s\n", qgetenv("SDL_AUDIODRIVER").constData());

    const Recording word16{"1 s, 16-bit mono 22050 Hz (44 KB)", 22050, 1, 16, 1.0};
    const Recording word24{"1 s, 24-bit stereo 44100 Hz (265 KB)", 44100, 2, 24, 1.0};
    measureDecoding({word16, word24});

    const Recording blip{"one frame", 22050, 1, 16, 0.0};
    const Recording otherBlip{"one frame", 44100, 2, 16, 0.0};
    std::printf("Time from play() to the first samples taken by the device:\n");
    measureFirstPlay(blip);
    measureLaterPlays(blip, otherBlip);

    std::printf("A 1 s, 16-bit mono 22050 Hz recording, device kept open:\n");
    measureWholeRecording(word16);
    return 0;
}
