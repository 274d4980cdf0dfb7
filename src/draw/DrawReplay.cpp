#include "DrawReplay.h"

#include "DrawOrder.h"
#include "SeededRandomSource.h"

#include <numeric>

std::vector<int> replayDraw(int n, std::uint64_t seed, std::int64_t reorders)
{
    std::vector<int> current(static_cast<std::size_t>(n > 0 ? n : 0));
    std::iota(current.begin(), current.end(), 0);
    if (n <= 0)
        return current;
    SeededRandomSource random;
    random.seed(seed);
    DrawOrder draw;
    std::vector<int> next(current.size());
    for (std::int64_t tick = 0; tick < reorders; ++tick) {
        // The name that goes to place j is the one now at place order[j].
        const std::vector<int>& order = draw.draw(n, random);
        for (std::size_t j = 0; j < next.size(); ++j)
            next[j] = current[static_cast<std::size_t>(order[j])];
        current.swap(next);
    }
    return current;
}
