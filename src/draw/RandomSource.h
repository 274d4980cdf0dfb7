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
    // The next count values into out, exactly as count calls of next() give them; a source
    // may do it faster.
    virtual void fill(float* out, int count)
    {
        for (int i = 0; i < count; ++i)
            out[i] = next();
    }
};
