#include "sdlsound.h"

#include <QCoreApplication>
#include <SDL.h>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <sndfile.h>
#include <utility>

namespace platform {

namespace {

constexpr int kBufferFrames = 512;
constexpr sf_count_t kReadFrames = 4096;
constexpr std::int64_t kStallMs = 2000;

// libsndfile reads the image through these callbacks, as if it were a file.
struct MemoryImage
{
    const QByteArray& bytes;
    sf_count_t position = 0;
};

MemoryImage& imageOf(void* user)
{
    return *static_cast<MemoryImage*>(user);
}

sf_count_t imageLength(void* user)
{
    return imageOf(user).bytes.size();
}

sf_count_t seekImage(sf_count_t offset, int whence, void* user)
{
    MemoryImage& image = imageOf(user);
    const sf_count_t base = whence == SEEK_CUR   ? image.position
                            : whence == SEEK_END ? image.bytes.size()
                                                 : 0;
    if (base + offset < 0)
        return -1;
    image.position = base + offset;
    return image.position;
}

sf_count_t readImage(void* destination, sf_count_t count, void* user)
{
    MemoryImage& image = imageOf(user);
    const sf_count_t available = std::max<sf_count_t>(image.bytes.size() - image.position, 0);
    const sf_count_t length = std::clamp<sf_count_t>(count, 0, available);
    if (length > 0)
        std::memcpy(destination, image.bytes.constData() + image.position, length);
    image.position += length;
    return length;
}

sf_count_t writeNothing(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t tellImage(void* user)
{
    return imageOf(user).position;
}

using SoundFile = std::unique_ptr<SNDFILE, decltype(&sf_close)>;

bool isWave(const SF_INFO& info)
{
    const int container = info.format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX;
}

bool isFloatingPoint(const SF_INFO& info)
{
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}

// Floating-point samples are full scale at 1.0, the same scale libsndfile reads 16-bit data at.
std::int16_t toInt16(float sample)
{
    if (std::isnan(sample))
        return 0;
    return static_cast<std::int16_t>(
        std::lrint(std::clamp(sample * 32768.0f, -32768.0f, 32767.0f)));
}

// Integer encodings are read as 16-bit by libsndfile itself; floating point would come out as
// near silence that way, so it is scaled here.
std::vector<std::int16_t> readAllFrames(SNDFILE* file, const SF_INFO& info)
{
    const bool floatingPoint = isFloatingPoint(info);
    const auto blockSamples = static_cast<std::size_t>(kReadFrames * info.channels);
    std::vector<float> floats(floatingPoint ? blockSamples : 0);
    std::vector<std::int16_t> samples;
    sf_count_t frames = 0;
    do {
        const std::size_t offset = samples.size();
        samples.resize(offset + blockSamples);
        std::int16_t* block = samples.data() + offset;
        if (floatingPoint) {
            frames = std::max<sf_count_t>(sf_readf_float(file, floats.data(), kReadFrames), 0);
            std::transform(floats.begin(), floats.begin() + frames * info.channels, block, toInt16);
        } else {
            frames = std::max<sf_count_t>(sf_readf_short(file, block, kReadFrames), 0);
        }
        samples.resize(offset + static_cast<std::size_t>(frames * info.channels));
    } while (frames == kReadFrames);
    return samples;
}

// The audio subsystem takes up to eight channels.
bool isPlayableChannelCount(int channels)
{
    return channels >= 1 && channels <= 8;
}

std::int64_t durationMs(const DecodedSound& sound)
{
    const auto frames = static_cast<std::int64_t>(sound.samples.size()) / sound.channels;
    return frames * 1000 / sound.rate;
}

// Keeps the windows painting while a sound plays; user input waits until it has ended.
template <typename Condition> void waitWhile(Condition busy)
{
    while (busy()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        SDL_Delay(2);
    }
}

} // namespace

std::optional<DecodedSound> decodeWave(const QByteArray& image)
{
    SF_VIRTUAL_IO io{imageLength, seekImage, readImage, writeNothing, tellImage};
    MemoryImage memory{image};
    SF_INFO info{};
    const SoundFile file(sf_open_virtual(&io, SFM_READ, &info, &memory), sf_close);
    if (!file || !isWave(info) || info.channels < 1 || info.samplerate < 1)
        return std::nullopt;
    DecodedSound sound{info.samplerate, info.channels, readAllFrames(file.get(), info)};
    if (sound.samples.empty())
        return std::nullopt;
    return sound;
}

// The whole sound is converted in one go: a streaming resampler keeps back its tail.
std::optional<DecodedSound> convertSound(const DecodedSound& sound, int rate, int channels)
{
    if (!isPlayableChannelCount(sound.channels) || !isPlayableChannelCount(channels))
        return std::nullopt;
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, AUDIO_S16SYS, static_cast<Uint8>(sound.channels), sound.rate,
                          AUDIO_S16SYS, static_cast<Uint8>(channels), rate) < 0)
        return std::nullopt;
    const std::size_t bytes = sound.samples.size() * sizeof(std::int16_t);
    if (bytes > INT_MAX / static_cast<std::size_t>(conversion.len_mult))
        return std::nullopt;
    std::vector<std::int16_t> converted(sound.samples.size() *
                                        static_cast<std::size_t>(conversion.len_mult));
    std::copy(sound.samples.begin(), sound.samples.end(), converted.begin());
    conversion.buf = reinterpret_cast<Uint8*>(converted.data());
    conversion.len = static_cast<int>(bytes);
    if (SDL_ConvertAudio(&conversion) != 0)
        return std::nullopt;
    converted.resize(static_cast<std::size_t>(conversion.len_cvt) / sizeof(std::int16_t));
    return DecodedSound{rate, channels, std::move(converted)};
}

SdlSound::~SdlSound()
{
    closeDevice();
    if (m_audioStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::play(const QByteArray& image)
{
    std::optional<DecodedSound> sound = decodeWave(image);
    if (!sound || !isPlayableChannelCount(sound->channels) || !startAudio() ||
        !openDevice({sound->rate, sound->channels}))
        return;
    if (m_output != Format{sound->rate, sound->channels})
        sound = convertSound(*sound, m_output.rate, m_output.channels);
    if (!sound)
        return;
    const std::size_t bytes = sound->samples.size() * sizeof(std::int16_t);
    if (bytes > UINT32_MAX ||
        SDL_QueueAudio(m_device, sound->samples.data(), static_cast<Uint32>(bytes)) != 0)
        return;
    // A paused device sends silence, so the sound starts the moment it is queued.
    SDL_PauseAudioDevice(m_device, 0);
    waitUntilPlayed(durationMs(*sound));
}

bool SdlSound::startAudio()
{
    if (m_audioStarted)
        return true;
    // SIGINT and SIGTERM keep ending the program instead of becoming events nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME,
                QCoreApplication::applicationName().toUtf8().constData());
    m_audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return m_audioStarted;
}

bool SdlSound::openDevice(Format wanted)
{
    if (m_device != 0 && m_wanted == wanted &&
        SDL_GetAudioDeviceStatus(m_device) != SDL_AUDIO_STOPPED)
        return true;
    closeDevice();
    SDL_AudioSpec request{};
    request.freq = wanted.rate;
    request.format = AUDIO_S16SYS;
    request.channels = static_cast<Uint8>(wanted.channels);
    request.samples = kBufferFrames;
    SDL_AudioSpec obtained{};
    m_device =
        SDL_OpenAudioDevice(nullptr, 0, &request, &obtained,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (m_device == 0)
        return false;
    m_wanted = wanted;
    m_output = {obtained.freq, obtained.channels};
    m_bufferFrames = obtained.samples;
    return true;
}

void SdlSound::closeDevice()
{
    if (m_device == 0)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

void SdlSound::waitUntilPlayed(std::int64_t soundMs)
{
    const Uint64 giveUp = SDL_GetTicks64() + static_cast<Uint64>(soundMs + kStallMs);
    waitWhile([&] {
        return SDL_GetQueuedAudioSize(m_device) > 0 &&
               SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_PLAYING && SDL_GetTicks64() < giveUp;
    });
    // A device that stalled or went away drops the rest; the next play opens a new one.
    if (SDL_GetQueuedAudioSize(m_device) > 0) {
        closeDevice();
        return;
    }
    // The device still holds up to two buffers on their way to the speaker.
    const Uint64 tailEnd =
        SDL_GetTicks64() + static_cast<Uint64>(2 * m_bufferFrames * 1000 / m_output.rate + 1);
    waitWhile([&] { return SDL_GetTicks64() < tailEnd; });
}

} // namespace platform
