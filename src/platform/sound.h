#pragma once

#include <QByteArray>

namespace platform {

class Sound
{
public:
    virtual ~Sound() = default;
    // Plays a complete sound file image to its end before returning. Silent, without any
    // message, when the image is not a playable sound or no audio device can be opened.
    virtual void play(const QByteArray& image) = 0;
};

} // namespace platform
