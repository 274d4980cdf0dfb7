#pragma once

#include "RandomSource.h"

#include <random>

// The program's random sequence: a Mersenne Twister (std::mt19937) started from a 64-bit
// seed. The seed's two 32-bit halves, low then high, go through std::seed_seq into the
// engine's state; the standard defines both exactly, so a seed gives the same values with
// every compiler and library.
class SeededRandomSource final : public RandomSource
{
public:
    void seed(std::uint64_t seed) override;
    // 24 random bits scaled by 2^-24: every value is exact in a float and below 1.
    float next() override;
    void fill(float* out, int count) override;

private:
    std::mt19937 m_engine;
};
