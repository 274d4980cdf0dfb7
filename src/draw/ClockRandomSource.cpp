#include "ClockRandomSource.h"

#include <chrono>
#include <cstdint>

void ClockRandomSource::randomize()
{
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_engine.seed(seed);
}

float ClockRandomSource::next()
{
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(m_engine() >> 8) * scale;
}
