#pragma once

// Shared by the benchmarks: a silent sound player and a median.
#include "app/SoundPlayer.h"

#include <algorithm>
#include <vector>

class Silence : public SoundPlayer
{
public:
    void play(const QByteArray&) override {}
};

inline double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}
