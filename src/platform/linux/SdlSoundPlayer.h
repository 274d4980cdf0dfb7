#pragma once

#include "platform/SoundPlayer.h"

#include <memory>

// Plays the WAV image through SDL2's audio queue. The image is parsed once and kept while
// the same bytes come back; the device is opened on first use and kept open. Anything that
// fails (no audio device, a malformed image) is silence, remembered so it is not retried on
// every tick.
class SdlSoundPlayer final : public SoundPlayer
{
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(const QByteArray& wav) override;

private:
    struct State; // SDL types stay out of this header: SDL is a private dependency
    std::unique_ptr<State> m_state;
};
