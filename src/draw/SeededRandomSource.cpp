#include "SeededRandomSource.h"

void SeededRandomSource::seed(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    m_engine.seed(sequence);
}

namespace {
constexpr float kScale = 1.0f / 16777216.0f; // 2^-24
}

float SeededRandomSource::next()
{
    return static_cast<float>(m_engine() >> 8) * kScale;
}

void SeededRandomSource::fill(float* out, int count)
{
    // One call for a whole draw rather than a virtual call a value.
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<float>(m_engine() >> 8) * kScale;
}
