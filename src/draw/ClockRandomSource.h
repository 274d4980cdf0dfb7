#pragma once

#include "RandomSource.h"

#include <random>

// The program's random sequence: a Mersenne Twister seeded from the clock.
class ClockRandomSource final : public RandomSource
{
public:
    void randomize() override;
    // 24 random bits scaled by 2^-24: every value is exact in a float and below 1.
    float next() override;
    void fill(float* out, int count) override;

private:
    std::mt19937 m_engine;
};
