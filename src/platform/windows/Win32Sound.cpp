#include "Win32Sound.h"

#include <windows.h>

#include <mmsystem.h>

bool playWaveImage(const void* image)
{
    if (!image)
        return false;
    return sndPlaySoundA(static_cast<LPCSTR>(image), SND_ASYNC | SND_MEMORY) != FALSE;
}

void stopWaveImage()
{
    sndPlaySoundA(nullptr, 0);
}
