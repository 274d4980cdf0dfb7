#include "platform/PlatformServices.h"

#include "Win32SoundPlayer.h"
#include "Win32UrlLauncher.h"

PlatformServices createPlatformServices()
{
    return {std::make_unique<Win32SoundPlayer>(), std::make_unique<Win32UrlLauncher>()};
}
