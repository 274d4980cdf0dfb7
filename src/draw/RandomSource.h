#pragma once

#include <cstdint>

// The program's one random sequence: uniform single-precision values in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Starts the sequence afresh from seed: the same seed gives the same values, on every
    // platform, so a draw can be done again from its record.
    virtual void seed(std::uint64_t seed) = 0;
    // The next value r, 0 <= r < 1 (never 1.0).
    virtual float next() = 0;
    // The next count values into out, exactly as count calls of next() give them; a source
    // may do it faster.
    virtual void fill(float* out, int count)
    {
        for (int i = 0; i < count; ++i)
            out[i] = next();
    }
};
