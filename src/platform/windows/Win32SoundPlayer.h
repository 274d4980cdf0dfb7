#pragma once

#include "platform/SoundPlayer.h"

// Plays the WAV image with the system's own player. The player keeps the image it was
// last given (a shared copy of the bytes) until the next sound has started or the player
// is gone, because the system reads it while playing.
class Win32SoundPlayer final : public SoundPlayer
{
public:
    Win32SoundPlayer() = default;
    ~Win32SoundPlayer() override;
    Win32SoundPlayer(const Win32SoundPlayer&) = delete;
    Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

    void play(const QByteArray& wav) override;

private:
    QByteArray m_playing;
};
