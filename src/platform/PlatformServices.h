#pragma once

#include "SoundPlayer.h"
#include "UrlLauncher.h"

#include <memory>

// The desktop services the program uses, as the platform it was built for provides them.
struct PlatformServices
{
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<UrlLauncher> launcher;
};

// One definition per platform: linux/ (SDL2, xdg-utils) or windows/ (winmm, shell32).
PlatformServices createPlatformServices();
