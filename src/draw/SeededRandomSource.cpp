#include "SeededRandomSource.h"

#include <algorithm>
#include <random>

namespace {

constexpr int kShift = 397; // the word each new one is mixed with lies this far ahead
constexpr std::uint32_t kMatrix = 0x9908b0dfu;
constexpr std::uint32_t kUpper = 0x80000000u;
constexpr std::uint32_t kLower = 0x7fffffffu;
constexpr float kScale = 1.0f / 16777216.0f; // 2^-24

// New word from the words at i, i + 1 and i + kShift of the state as it stands.
inline std::uint32_t mixed(std::uint32_t at, std::uint32_t next, std::uint32_t ahead)
{
    const std::uint32_t y = (at & kUpper) | (next & kLower);
    return ahead ^ (y >> 1) ^ (kMatrix & (0u - (y & 1u)));
}

inline float value(std::uint32_t word)
{
    word ^= word >> 11;
    word ^= (word << 7) & 0x9d2c5680u;
    word ^= (word << 15) & 0xefc60000u;
    word ^= word >> 18;
    return static_cast<float>(word >> 8) * kScale;
}

} // namespace

SeededRandomSource::SeededRandomSource()
{
    seed(0);
}

void SeededRandomSource::seed(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    sequence.generate(m_state.begin(), m_state.end());
    // A state of all zeros would stay zero; the engine then sets its top bit.
    if ((m_state[0] & kUpper) == 0 && std::all_of(m_state.begin() + 1, m_state.end(), [](auto w) { return w == 0; }))
        m_state[0] = kUpper;
    m_used = kStateSize;
}

void SeededRandomSource::twist()
{
    // Three stretches, so that each loop reads words it does not write in the same pass.
    std::uint32_t* const x = m_state.data();
    for (int i = 0; i < kStateSize - kShift; ++i)
        x[i] = mixed(x[i], x[i + 1], x[i + kShift]);
    for (int i = kStateSize - kShift; i < kStateSize - 1; ++i)
        x[i] = mixed(x[i], x[i + 1], x[i + kShift - kStateSize]);
    x[kStateSize - 1] = mixed(x[kStateSize - 1], x[0], x[kShift - 1]);
    m_used = 0;
}

float SeededRandomSource::next()
{
    if (m_used == kStateSize)
        twist();
    return value(m_state[static_cast<std::size_t>(m_used++)]);
}

void SeededRandomSource::fill(float* out, int count)
{
    while (count > 0) {
        if (m_used == kStateSize)
            twist();
        const int take = std::min(count, kStateSize - m_used);
        const std::uint32_t* const words = m_state.data() + m_used;
        for (int i = 0; i < take; ++i)
            out[i] = value(words[i]);
        m_used += take;
        out += take;
        count -= take;
    }
}
