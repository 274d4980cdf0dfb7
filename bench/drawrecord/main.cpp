// Cost of a draw's record for the largest list: making it at Stop, and checking it as
// --check-draw does. Printed as "name: value unit" lines.
#include "BenchSupport.h"
#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kReorders = 1000;

template <typename F> double medianMs(int runs, F&& run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return median(std::move(ms));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList before;
    for (int i = 0; i < kNames; ++i)
        before << QStringLiteral("Entrant number %1 of the draw").arg(i);
    const std::uint64_t seed = 0x5eed5eed5eed5eedu;
    QStringList drawn;
    for (int position : replayDraw(kNames, seed, kReorders))
        drawn << before[position];

    // What the window does at Stop: the list's fingerprint and the first names.
    DrawRecord record;
    const double recordMs = medianMs(
        100, [&] { record = DrawRecord::ofDraw(before, drawn, kReorders, seed, QDateTime::currentDateTime()); });
    std::printf("record_draw_32767: %.3f ms\n", recordMs);

    std::optional<QByteArray> file;
    const double writeMs = medianMs(20, [&] { file = DrawRecordFile::write(record, before); });
    std::printf("write_record_32767: %.3f ms\n", writeMs);
    std::printf("record_file_32767: %.0f KB\n", file ? file->size() / 1024.0 : -1.0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draw.txt"));
    QFile out(path);
    if (!file || !out.open(QIODevice::WriteOnly) || out.write(*file) != file->size())
        return 1;
    out.close();

    const double parseMs = medianMs(20, [&] {
        if (!DrawRecordFile::read(path).ok())
            std::exit(1);
    });
    std::printf("read_record_32767: %.3f ms\n", parseMs);

    // --check-draw as a whole: read, fingerprint, 1,000 re-orders done again, compare.
    const double checkMs = medianMs(5, [&] {
        const DrawRecordFile::Parsed parsed = DrawRecordFile::read(path);
        if (!parsed.ok() || !checkDraw(parsed.record, parsed.list).matches)
            std::exit(1);
    });
    std::printf("check_draw_32767_1000: %.1f ms\n", checkMs);
    return 0;
}
