#pragma once

// The program's one random sequence: uniform single-precision values in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Seeds the sequence from the clock; done once, at start-up.
    virtual void randomize() = 0;
    // The next value r, 0 <= r < 1 (never 1.0).
    virtual float next() = 0;
};
