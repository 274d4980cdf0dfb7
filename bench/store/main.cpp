// Times the settings store on a fresh hive in a temporary XDG_CONFIG_HOME: writing a full
// remembered list of names over the same list and over a reordered one, reading it back,
// and a single unbatched write.
#include "BenchSupport.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kSingles = 1000;
constexpr int kSaves = 5;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main()
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());

    Settings store(openUserStore());

    QStringList names;
    for (int i = 0; i < kNames; ++i)
        names.append(QStringLiteral("Name %1").arg(i, 15, 10, QLatin1Char('x')));

    // Shut-down's list write over the list saved last time: the section's values replaced
    // by the list in position order, all-or-nothing. The first run stores the old list.
    std::vector<double> saves;
    for (int run = 0; run <= kSaves; ++run) {
        const auto start = Clock::now();
        if (store.saveNames(names) != StoreStatus::Ok)
            return 1;
        if (run > 0)
            saves.push_back(millisecondsSince(start));
    }
    std::printf("save_batch_32767: %.1f ms\n", median(saves));

    // The same after a draw: every position holds another name than last time.
    QStringList drawn = names;
    std::reverse(drawn.begin(), drawn.end());
    saves.clear();
    for (int run = 0; run < 2 * kSaves; ++run) { // ends with the list in order again
        const auto start = Clock::now();
        if (store.saveNames(run % 2 == 0 ? drawn : names) != StoreStatus::Ok)
            return 1;
        saves.push_back(millisecondsSince(start));
    }
    std::printf("save_batch_changed_32767: %.1f ms\n", median(saves));

    auto start = Clock::now();
    const QStringList stored = store.names();
    std::printf("get_all_32767: %.1f ms\n", millisecondsSince(start));
    if (stored != names)
        return 1;

    std::vector<double> singles;
    singles.reserve(kSingles);
    for (int i = 0; i < kSingles; ++i) {
        start = Clock::now();
        store.setFlag(SettingsKeys::Sound, i % 2 == 0);
        singles.push_back(millisecondsSince(start) * 1000.0);
    }
    std::printf("save_single: %.1f us\n", median(std::move(singles)));
    return 0;
}
