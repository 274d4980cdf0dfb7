#pragma once

#include "MaxNames.h"

#include <array>
#include <cstdint>
#include <vector>

class RandomSource;

// One re-order of the draw. The names are taken one at a time from those still left, at
// index k = round-half-to-even(r * m) in single precision, m = (names left - 1), and put
// one after another into the new order. Computed with an order-statistic structure, so a
// tick costs O(n log n) rather than the O(n^2) of removing from the middle of a list.
// Plain C++, without Qt: the Windows build checks the same draws.
class DrawOrder
{
public:
    // New order for n names (0 <= n <= kMaxNames), using n values of random: the result's
    // element j is the current position of the name that goes to position j.
    const std::vector<int>& draw(int n, RandomSource& random);

private:
    std::vector<int> m_order;
    std::vector<int> m_tree; // reused between ticks: no allocation while shuffling
    std::vector<std::uint64_t> m_bits;
    static constexpr int kBatch = 1024;
    std::array<float, kBatch> m_random;
    std::array<int, kBatch> m_ranks;
};
