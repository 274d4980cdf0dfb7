#include "platform/PlatformServices.h"

#include "SdlSoundPlayer.h"
#include "XdgUrlLauncher.h"

PlatformServices createPlatformServices()
{
    return {std::make_unique<SdlSoundPlayer>(), std::make_unique<XdgUrlLauncher>()};
}
