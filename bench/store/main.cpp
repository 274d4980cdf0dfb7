// Times the settings store on a fresh hive in a temporary XDG_CONFIG_HOME: writing and
// reading back a full remembered list of names, and a single unbatched write.
#include "BenchSupport.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

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

    Settings store;
    store.setCompany(SettingsKeys::Company);
    store.setAppName(SettingsKeys::AppName);

    QStringList names;
    for (int i = 0; i < kNames; ++i)
        names.append(QStringLiteral("Name %1").arg(i, 15, 10, QLatin1Char('x')));

    QList<Settings::Row> list;
    for (int i = 0; i < kNames; ++i)
        list.append({SettingsKeys::nameKey(i), names.at(i)});

    // Shut-down's list write over the list saved last time: the section's values replaced
    // by the list in position order, all-or-nothing. The first run stores the old list.
    std::vector<double> saves;
    for (int run = 0; run <= kSaves; ++run) {
        const auto start = Clock::now();
        Settings::Batch batch = store.beginBatch();
        store.ReplaceSettings(SettingsKeys::NamesSection, list);
        if (!batch.commit())
            return 1;
        if (run > 0)
            saves.push_back(millisecondsSince(start));
    }
    std::printf("save_batch_32767: %.1f ms\n", median(saves));

    auto start = Clock::now();
    const QList<Settings::Row> rows = store.GetAllSettings(SettingsKeys::NamesSection);
    std::printf("get_all_32767: %.1f ms\n", millisecondsSince(start));
    if (rows.size() != kNames || rows.last().second != names.last())
        return 1;

    std::vector<double> singles;
    singles.reserve(kSingles);
    for (int i = 0; i < kSingles; ++i) {
        start = Clock::now();
        store.SaveSetting(SettingsKeys::OptionsSection, SettingsKeys::Sound.key, SettingsKeys::flagText(i % 2 == 0));
        singles.push_back(millisecondsSince(start) * 1000.0);
    }
    std::printf("save_single: %.1f us\n", median(std::move(singles)));
    return 0;
}
