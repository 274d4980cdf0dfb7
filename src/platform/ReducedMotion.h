#pragma once

// Whether the desktop asks programs for less motion (GNOME's "animations" switched off, KDE's
// animation speed at "instant", Windows' "show animations" off). Asked once at start-up; it
// answers within a fraction of a second, false when the desktop does not say.
bool desktopPrefersReducedMotion();
