#pragma once

// Draws fixed for good: a list, a seed and a number of re-orders give exactly this order,
// on every platform and in every later version (a record made today must still check).
// The expected orders were worked out apart from the program's code, from the standard's
// definitions of std::seed_seq and std::mt19937 and the literal draw (remove the k-th name).
// The draws from a public text, seed and order alike, by scripts/check-public-draw.py, which
// was written from those definitions and the seed's description alone and gives the rows
// above too.
// Plain C++: the Qt tests and the Windows test under Wine read the same table.

#include "draw/DrawReplay.h"

#include <cstdint>
#include <string>
#include <vector>

namespace DrawGolden {

struct Row
{
    const char* name;
    std::vector<std::string> list;
    std::uint64_t seed;
    std::int64_t reorders;
    std::vector<std::string> drawn; // the whole drawn order; empty for long lists
    std::uint64_t orderHash;        // orderHash() of the drawn order's positions
    const char* seedFrom = nullptr; // a draw from a public text: the text (UTF-8) the seed follows from
};

// FNV-1a (64 bits) over the positions, each as four bytes, least significant first.
inline std::uint64_t orderHash(const std::vector<int>& order)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const int position : order) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (static_cast<std::uint32_t>(position) >> (8 * byte)) & 0xFFu;
            hash *= 0x100000001b3u;
        }
    }
    return hash;
}

inline std::vector<std::string> numberedNames(int count)
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("Name " + std::to_string(i));
    return names;
}

inline const std::vector<Row>& rows()
{
    const std::vector<std::string> five{"Ann", "Bo", "Cy", "Di", "Ed"};
    const std::vector<std::string> ten{"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy", "Jo"};
    static const std::vector<Row> table{
        {"two names", {"Ann", "Bo"}, 1, 1, {"Bo", "Ann"}, 0x89cd31291d2aefa4u},
        {"five names, one re-order", five, 20261208, 1, {"Bo", "Cy", "Di", "Ann", "Ed"}, 0x352736e97f9895f1u},
        {"ten names, 1000 re-orders",
         ten,
         0x0123456789abcdefu,
         1000,
         {"Jo", "Flo", "Cy", "Gus", "Ivy", "Ed", "Ann", "Di", "Hal", "Bo"},
         0x3e37acfacd976694u},
        {"seed 0", five, 0, 7, {"Cy", "Di", "Bo", "Ed", "Ann"}, 0x3f3d98e57b8bc241u},
        {"largest seed", five, 0xffffffffffffffffu, 3, {"Bo", "Ann", "Ed", "Cy", "Di"}, 0xd54612a361838551u},
        // Would draw as seed 1 if the seed's halves were swapped or the high one dropped.
        {"seed 2^32", five, std::uint64_t{1} << 32, 1, {"Ed", "Bo", "Di", "Cy", "Ann"}, 0xb8a9f27b7be42381u},
        {"1000 names", numberedNames(1000), 987654321987654321u, 5, {}, 0xd171e8f1dba06d11u},
        {"public: five names",
         five,
         0x0af1dae12dd2f940u,
         200,
         {"Di", "Ed", "Cy", "Ann", "Bo"},
         0x4a2e0486b1c76c31u,
         "12 17 23 31 40 45"},
        {"public: text beyond ASCII",
         ten,
         0xdb9a61330835e583u,
         200,
         {"Jo", "Hal", "Bo", "Ed", "Cy", "Ivy", "Ann", "Flo", "Gus", "Di"},
         0x311749edc2fc4694u,
         "Ziehung: 3 \u00b7 11 \u00b7 19 \u00b7 27 \u00b7 38 \u00b7 42, Zo\u00eb \u674e"},
        {"public: 28 names",
         numberedNames(28),
         0x963d95fa550ce873u,
         200,
         {},
         0xf95b65c47c9ef8f5u,
         "beacon round 5284112"},
        {"public: 1000 names",
         numberedNames(1000),
         0x06b6bf35fc3d7d59u,
         200,
         {},
         0x0409ccb16ab34919u,
         "2026-12-08 lottery 5 17 22 38 49 + 3 11"},
    };
    return table;
}

// Empty when the row's draw comes out as fixed, otherwise what differs.
inline std::string mismatch(const Row& row)
{
    const std::vector<int> order = replayDraw(static_cast<int>(row.list.size()), row.seed, row.reorders);
    if (order.size() != row.list.size())
        return "the draw gives " + std::to_string(order.size()) + " names";
    for (std::size_t j = 0; j < row.drawn.size(); ++j) {
        if (row.list[static_cast<std::size_t>(order[j])] != row.drawn[j])
            return "position " + std::to_string(j + 1) + ": expected " + row.drawn[j] + ", the draw gives " +
                   row.list[static_cast<std::size_t>(order[j])];
    }
    if (orderHash(order) != row.orderHash)
        return "the order's hash differs";
    return {};
}

} // namespace DrawGolden
