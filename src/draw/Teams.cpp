#include "Teams.h"

namespace Teams {

std::vector<std::vector<int>> deal(int names, int teams)
{
    if (teams < 1 || names < teams)
        return {};
    std::vector<std::vector<int>> dealt(static_cast<std::size_t>(teams));
    for (int place = 0; place < names; ++place)
        dealt[static_cast<std::size_t>(place % teams)].push_back(place);
    return dealt;
}

int countForSize(int names, int size)
{
    if (size < 1 || names < 1)
        return 0;
    return (names + size - 1) / size;
}

} // namespace Teams
