#pragma once

#include <vector>

// Teams dealt from a drawn order as cards are dealt: the first name drawn to team 1, the
// second to team 2, ..., then round again, so the draw alone decides the teams and their
// sizes differ by at most one. Plain C++, without Qt.
namespace Teams {

// For each team, the places in the drawn order (from 0) of its names; none when there are
// fewer names than teams, or no team.
std::vector<std::vector<int>> deal(int names, int teams);

// How many teams make teams of at most size names each (the fewest that do); 0 when size
// is not a size.
int countForSize(int names, int size);

} // namespace Teams
