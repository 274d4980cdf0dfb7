#pragma once

// The most names a list holds (a list box's counts are 16-bit). The list box, the name-list
// files, the draw and the messages about a full list all keep to this one number.
inline constexpr int kMaxNames = 32767;
