#pragma once

#include <QByteArray>

// Plays a complete WAV file image held in memory. Returns at once; a new call restarts
// the sound from its beginning. A sound that cannot be played is silence, never an error.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QByteArray& wav) = 0;
};
