#pragma once

#include "sound.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// A sound as interleaved 16-bit samples, frame by frame.
struct DecodedSound
{
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};

// Decodes a complete WAVE file image (any encoding libsndfile reads). Empty when the bytes are
// not a WAVE sound or hold no frame.
std::optional<DecodedSound> decodeWave(const QByteArray& image);

// Resamples and remixes sound to rate and channels. Empty when the conversion is not possible.
std::optional<DecodedSound> convertSound(const DecodedSound& sound, int rate, int channels);

// Plays through the audio subsystem, which is started by the first play, not before. The output
// device stays open while the sounds keep one rate and channel count: the next Play starts at once
// and a sleeping output does not swallow the start of the word.
class SdlSound : public Sound
{
public:
    SdlSound() = default;
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void play(const QByteArray& image) override;

private:
    struct Format
    {
        int rate = 0;
        int channels = 0;
        bool operator==(const Format&) const = default;
    };

    bool startAudio();
    bool openDevice(Format wanted);
    void closeDevice();
    void waitUntilPlayed(std::int64_t soundMs);

    bool m_audioStarted = false;
    std::uint32_t m_device = 0;
    Format m_wanted;
    Format m_output;
    int m_bufferFrames = 0;
};

} // namespace platform
