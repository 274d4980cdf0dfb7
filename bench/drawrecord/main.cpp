// Cost of a draw's record for the largest list: making it at Stop, storing it, what Stop
// costs with recording on and off, and checking it as --check-draw does. Printed as
// "name: value unit" lines.
#include "BenchSupport.h"
#include "app/ListBox.h"
#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"
#include "history/DrawHistory.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kReorders = 1000;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Medians of the wall time and of this thread's processor time: on a machine shared with
// builds the second shows the work itself.
struct Times
{
    double wall;
    double cpu;
};

template <typename F> Times medianMs(int runs, F&& run)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        run();
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    return {median(std::move(wall)), median(std::move(cpu))};
}

void print(const char* name, Times times)
{
    std::printf("%s: %.3f ms\n%s_cpu: %.3f ms\n", name, times.wall, name, times.cpu);
}

QStringList listOf(const QString& pattern)
{
    QStringList names;
    for (int i = 0; i < kNames; ++i)
        names << pattern.arg(i);
    return names;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home; // the settings store the window and the history write to
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    // Names of about 32 bytes, as the shuffle benchmark has them: 1 MB to fingerprint.
    const QStringList before = listOf(QStringLiteral("Entrant number %1 of the draw"));
    const std::uint64_t seed = 0x5eed5eed5eed5eedu;
    QStringList drawn;
    for (int position : replayDraw(kNames, seed, kReorders))
        drawn << before[position];

    // What the window does at Stop: the first names drawn, read from the list, beside the
    // fingerprint taken at Shuffle.
    BenchServices services;
    MainWindow form(services.withFolder(home.path()));
    for (const SettingsKeys::Key* effect : {&SettingsKeys::Shake, &SettingsKeys::Flash, &SettingsKeys::Sound})
        services.settings->setFlag(*effect, false); // the window follows its settings
    form.hat().append(drawn);
    const QByteArray fingerprint = listFingerprint(before);
    print("fingerprint_at_shuffle_32767", medianMs(100, [&] { listFingerprint(before); }));
    DrawRecord record;
    print("record_draw_32767", medianMs(100, [&] {
              QStringList first;
              for (int i = 0; i < DrawRecord::kShownNames; ++i)
                  first.append(form.hat().nameAt(i));
              record = DrawRecord::ofDraw(kNames, fingerprint, first, kReorders, seed, QDateTime::currentDateTime());
          }));
    // As before: the fingerprint taken at Stop.
    print("record_draw_32767_fingerprint_at_stop",
          medianMs(100, [&] { DrawRecord::ofDraw(before, drawn, kReorders, seed, QDateTime::currentDateTime()); }));

    // The record kept in the settings store (the file's text as one value), as at Stop.
    {
        Settings settings(openUserStore());
        DrawHistory history(settings);
        print("store_draw_32767", medianMs(20, [&] { history.add(record, before); }));
        history.forgetAll();
    }

    // Stop as a whole, one tick after Shuffle, with recording off and on (the store write
    // included).
    for (const bool keep : {false, true}) {
        form.hat().setKeepDraws(keep);
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int i = 0; i < 20; ++i) {
            form.toggleShuffle();
            form.hat().reorder();
            const Times stop = medianMs(1, [&] { form.toggleShuffle(); });
            wall.push_back(stop.wall);
            cpu.push_back(stop.cpu);
        }
        print(keep ? "stop_32767_recording_on" : "stop_32767_recording_off",
              {median(std::move(wall)), median(std::move(cpu))});
    }

    // Names of about 12 bytes, as people's names are: 0.4 MB.
    const QStringList shortNames = listOf(QStringLiteral("Ann Lee %1"));
    print("record_draw_32767_short_names", medianMs(100, [&] {
              DrawRecord::ofDraw(shortNames, shortNames, kReorders, seed, QDateTime::currentDateTime());
          }));

    std::optional<QByteArray> file;
    print("write_record_32767", medianMs(20, [&] { file = DrawRecordFile::write(record, before); }));
    std::printf("record_file_32767: %.0f KB\n", file ? file->size() / 1024.0 : -1.0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draw.txt"));
    QFile out(path);
    if (!file || !out.open(QIODevice::WriteOnly) || out.write(*file) != file->size())
        return 1;
    out.close();

    print("read_record_32767", medianMs(20, [&] {
              if (!DrawRecordFile::read(path).ok())
                  std::exit(1);
          }));

    // --check-draw as a whole: read, fingerprint, 1,000 re-orders done again, compare.
    print("check_draw_32767_1000", medianMs(5, [&] {
              const DrawRecordFile::Parsed parsed = DrawRecordFile::read(path);
              if (!parsed.ok() || !checkDraw(parsed.record, parsed.list).matches)
                  std::exit(1);
          }));
    return 0;
}
