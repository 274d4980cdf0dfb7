#include "Win32SoundPlayer.h"

#include "Win32Sound.h"

#include <utility>

Win32SoundPlayer::~Win32SoundPlayer()
{
    stopWaveImage();
}

void Win32SoundPlayer::play(const QByteArray& wav)
{
    if (wav.isEmpty())
        return;
    // Start the new sound (which stops the old one) before letting go of the old bytes.
    QByteArray next = wav;
    playWaveImage(next.constData());
    m_playing = std::move(next);
}
