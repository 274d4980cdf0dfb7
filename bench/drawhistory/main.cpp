// The draws' history at its largest: 1,000 records of draws of a list of 32,767 names. What a
// run's first record costs after a restart with them stored and with none, listing them as the
// Draws window does, the store's size, Forget All, and the memory at its peak meanwhile.
// Printed as "name: value unit" lines.
#include "BenchSupport.h"
#include "history/DrawHistory.h"
#include "history/DrawsWindow.h"
#include "settings/SqliteStore.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kRecords = 1000;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall time and this thread's processor time of one call: on a machine shared with builds
// the second shows the work itself.
struct Timed
{
    double wall = 0;
    double cpu = 0;
};

template <typename F> Timed timed(F&& f)
{
    const double cpu = threadCpuMs();
    const auto start = Clock::now();
    f();
    return {msSince(start), threadCpuMs() - cpu};
}

void print(const char* name, const std::vector<Timed>& runs)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Timed& t : runs) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    std::printf("%s: %.2f ms\n%s_cpu: %.2f ms\n", name, median(wall), name, median(cpu));
}

double megabytes(double bytes)
{
    return bytes / (1024.0 * 1024.0);
}

qint64 storeSize(const QString& path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

// The process's peak resident memory since the last reset, in MB.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A run of the program over the store at path: its own settings and history.
struct Run
{
    explicit Run(const QString& path) : settings(std::make_shared<SqliteStore>(path.toStdString())), history(settings)
    {
    }
    Settings settings;
    DrawHistory history;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // Names of 16 characters, a line of 17 bytes each: 0.5 MB of list.
    QStringList list;
    qint64 listBytes = 0;
    for (int i = 0; i < kNames; ++i) {
        list << QStringLiteral("Entrant %1").arg(i, 8, 10, QLatin1Char('0'));
        listBytes += list.last().size() + 1;
    }
    const QByteArray fingerprint = listFingerprint(list);
    // Each draw's first 100 names from all over the list, as a shuffle leaves them.
    const auto record = [&](int i) {
        std::mt19937 random{std::uint32_t(i)};
        QStringList first;
        for (int j = 0; j < DrawRecord::kShownNames; ++j)
            first << list[int(random() % kNames)];
        return DrawRecord::ofDraw(kNames, fingerprint, first, 1000 + i, 0x5eed0000u + std::uint64_t(i),
                                  QDateTime::currentDateTime());
    };

    const QString full = dir.filePath(QStringLiteral("full.sqlite"));
    {
        Run run(full);
        std::vector<Timed> adds;
        for (int i = 0; i < kRecords; ++i) {
            StoreStatus status = StoreStatus::Ok;
            adds.push_back(timed([&] { status = run.history.add(record(i), list); }));
            if (status != StoreStatus::Ok)
                return 1;
        }
        print("store_draw_32767_median_of_1000", adds);
    }
    std::printf("list_32767: %lld bytes\n", listBytes);
    std::printf("store_size_1000_draws_32767: %lld bytes\n", storeSize(full));
    std::printf("store_size_over_list: %.3f MB\n", megabytes(double(storeSize(full) - listBytes)));

    // The first record of a run, after a restart: with 1,000 stored, and in a store that
    // holds the options but no record.
    const QString none = dir.filePath(QStringLiteral("none.sqlite"));
    std::vector<Timed> after1000;
    std::vector<Timed> afterNone;
    for (int i = 0; i < 5; ++i) {
        StoreStatus status = StoreStatus::Ok;
        {
            Run run(full);
            resetPeak();
            after1000.push_back(timed([&] { status = run.history.add(record(kRecords + i), list); }));
        }
        if (i == 0)
            std::printf("peak_memory_first_store_after_1000: %.0f MB\n", peakMb());
        {
            Run run(none);
            run.settings.setFlag(SettingsKeys::Sound, false);
            run.history.forgetAll();
        }
        Run run(none);
        afterNone.push_back(
            timed([&] { status = status == StoreStatus::Ok ? run.history.add(record(i), list) : status; }));
        if (status != StoreStatus::Ok)
            return 1;
    }
    print("first_store_after_1000", after1000);
    print("first_store_after_none", afterNone);

    // The Draws window's list: the entries read, then the window made and filled.
    {
        std::vector<Timed> listings;
        for (int i = 0; i < 5; ++i) {
            Run run(full);
            listings.push_back(timed([&] { run.history.entries(); }));
            if (run.history.entries().size() != kRecords)
                return 1;
        }
        print("list_entries_1000", listings);
        // The first window of the process also loads the fonts: the later ones are timed.
        {
            Run empty(none);
            DrawsWindow warm(empty.history, {}, nullptr);
        }
        std::vector<Timed> windows;
        for (int i = 0; i < 3; ++i) {
            Run run(full);
            resetPeak();
            windows.push_back(timed([&] { DrawsWindow window(run.history, {}, nullptr); }));
        }
        print("open_draws_window_1000", windows);
        std::printf("peak_memory_open_draws_window_1000: %.0f MB\n", peakMb());
    }

    {
        Run run(full);
        StoreStatus status = StoreStatus::Ok;
        print("forget_all_1000", {timed([&] { status = run.history.forgetAll(); })});
        if (status != StoreStatus::Ok)
            return 1;
    }
    std::printf("store_size_after_forget_all: %lld bytes\n", storeSize(full));
    return 0;
}
