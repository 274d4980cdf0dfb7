#pragma once

#include <cstdint>
#include <optional>

// 64 bits from the system's entropy (getrandom or /dev/urandom on Linux, BCryptGenRandom on
// Windows), to seed one shuffle. Empty when the system gives none: a draw must then not
// start, rather than run from a seed that could be guessed.
std::optional<std::uint64_t> freshSeed();
