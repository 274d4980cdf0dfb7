#include "StoredNames.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The number of a value named "Name<digits>" (value names compare case-insensitively).
std::optional<qulonglong> position(const QString& valueName)
{
    static const QString prefix = QStringLiteral("Name");
    if (valueName.size() <= prefix.size() || !valueName.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView digits = QStringView(valueName).mid(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const qulonglong n = digits.toULongLong(&ok); // fails only on overflow
    return ok ? std::optional<qulonglong>(n) : std::nullopt;
}

} // namespace

QStringList storedNamesInOrder(const QList<Settings::Row>& rows)
{
    std::vector<std::pair<qulonglong, qsizetype>> order;
    order.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const std::optional<qulonglong> n = position(rows.at(i).first);
        if (!n) {
            order.clear();
            for (qsizetype j = 0; j < rows.size(); ++j)
                order.emplace_back(0, j);
            break;
        }
        order.emplace_back(*n, i);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    QStringList names;
    names.reserve(rows.size());
    for (const auto& [n, row] : order)
        names.append(rows.at(row).second);
    return names;
}
