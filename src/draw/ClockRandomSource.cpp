#include "ClockRandomSource.h"

#include <chrono>
#include <cstdint>

void ClockRandomSource::randomize()
{
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_engine.seed(seed);
}

namespace {
constexpr float kScale = 1.0f / 16777216.0f; // 2^-24
}

float ClockRandomSource::next()
{
    return static_cast<float>(m_engine() >> 8) * kScale;
}

void ClockRandomSource::fill(float* out, int count)
{
    // One call for a whole draw rather than a virtual call a value.
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<float>(m_engine() >> 8) * kScale;
}
