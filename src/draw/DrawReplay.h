#pragma once

#include <cstdint>
#include <vector>

// The most re-orders a record may count: a shuffle re-orders 100 times a second, so this is
// a day of one. No shuffle reaches more, and replaying a count past it would take hours.
inline constexpr std::int64_t kMaxReorders = std::int64_t(100) * 60 * 60 * 24;

// The order a shuffle of n names (0 <= n <= kMaxNames) ends in when its source was seeded
// with seed and it made reorders re-orders, each applied to the list as the window does:
// element j is the position, in the list before the shuffle, of the name drawn j-th.
// Plain C++, without Qt, so that the Windows build checks the same draws.
std::vector<int> replayDraw(int n, std::uint64_t seed, std::int64_t reorders);
