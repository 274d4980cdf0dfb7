#include "platform/ReducedMotion.h"

#include <windows.h>

// "Show animations in Windows" off is the closest Windows has to a wish for less motion.
bool desktopPrefersReducedMotion()
{
    BOOL animations = TRUE;
    return SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animations, 0) && !animations;
}
