#pragma once

#include "RandomSource.h"

#include <array>
#include <cstdint>

// The program's random sequence: a Mersenne Twister (MT19937, the values of std::mt19937)
// started from a 64-bit seed. The seed's two 32-bit halves, low then high, go through
// std::seed_seq into the engine's state; the standard defines both exactly, so a seed gives
// the same values with every compiler and library. The engine is our own so that a draw's
// values are made a whole state at a time, in loops the compiler can vectorise.
class SeededRandomSource final : public RandomSource
{
public:
    // Starts as seed(0) would; the program seeds it afresh before it draws.
    SeededRandomSource();
    void seed(std::uint64_t seed) override;
    // 24 random bits scaled by 2^-24: every value is exact in a float and below 1.
    float next() override;
    void fill(float* out, int count) override;

private:
    static constexpr int kStateSize = 624;
    // The next kStateSize words of the sequence, before tempering.
    void twist();

    std::array<std::uint32_t, kStateSize> m_state{};
    int m_used = kStateSize; // words of m_state already given out
};
