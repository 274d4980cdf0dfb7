// What Undo costs on the largest list: the time to undo clearing 32,767 names (the list box
// filled and measured again), and the memory held by 50 whole-list steps, each list its own
// 32,767 names (as 50 imports of different files), within the history's bound.
#include "BenchSupport.h"
#include "app/ListBox.h"
#include "app/ListHistory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

double residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

QStringList names(int round)
{
    QStringList list;
    list.reserve(kMaxNames);
    for (int i = 0; i < kMaxNames; ++i)
        list << QStringLiteral("Pupil %1 of round %2").arg(i).arg(round);
    return list;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ListBox box(QApplication::font());
    box.resize(300, 300);
    box.show();
    ListHistory history(box);

    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        history.replace(names(run), false);
        history.replace({}, true);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        history.undo();
        QApplication::processEvents(); // the view's layout, as the user waits for it
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("undo_clear_32767: %.1f ms\n", median(ms));

    // What the steps hold: the memory given back when the history goes.
    ListBox quiet(QApplication::font()); // not shown: the view's cost is not the history's
    auto steps = std::make_unique<ListHistory>(quiet);
    for (int i = 0; i < 50; ++i)
        steps->replace(names(100 + i), false);
    const int kept = steps->steps();
    const qsizetype held = steps->held();
    malloc_trim(0);
    const double with = residentKb();
    steps.reset();
    malloc_trim(0);
    std::printf("undo_memory_50_steps_kb: %.0f KB\n", with - residentKb());
    std::printf("undo_steps_kept_of_50: %d steps\n", kept);
    std::printf("undo_names_held: %lld names\n", static_cast<long long>(held));
    return 0;
}
