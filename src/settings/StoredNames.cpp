#include "StoredNames.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The number of a value named "Name<digits>" (value names compare case-insensitively, ASCII).
std::optional<qulonglong> position(std::string_view valueName)
{
    constexpr std::string_view prefix = "name";
    if (valueName.size() <= prefix.size())
        return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = valueName[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != prefix[i])
            return std::nullopt;
    }
    qulonglong n = 0;
    for (const char c : valueName.substr(prefix.size())) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = qulonglong(c - '0');
        if (n > (std::numeric_limits<qulonglong>::max() - digit) / 10)
            return std::nullopt; // too large a number
        n = n * 10 + digit;
    }
    return n;
}

} // namespace

QStringList storedNamesInOrder(const std::vector<SettingsStore::Row>& rows)
{
    std::vector<std::pair<qulonglong, std::size_t>> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<qulonglong> n = position(rows[i].first);
        if (!n) {
            order.clear();
            for (std::size_t j = 0; j < rows.size(); ++j)
                order.emplace_back(0, j);
            break;
        }
        order.emplace_back(*n, i);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    QStringList names;
    names.reserve(qsizetype(rows.size()));
    for (const auto& [n, row] : order)
        names.append(QString::fromStdString(rows[row].second));
    return names;
}
