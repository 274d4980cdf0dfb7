// What Undo costs on the largest list: the time to undo clearing 32,767 names (the list box
// filled and measured again), and the memory held by 50 whole-list steps, each list its own
// 32,767 names (as 50 imports of different files), within the history's bound.
#include "BenchSupport.h"
#include "app/ListBox.h"
#include "hat/Hat.h"
#include "hat/NameListModel.h"

#include <QTemporaryDir>

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
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    Settings settings(openUserStore());
    SeededRandomSource random;
    Hat hat(settings, random, QApplication::font());
    ListBox box(hat.model());
    box.resize(300, 300);
    box.show();

    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        hat.replaceWith(names(run));
        hat.clear();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        hat.undo();
        QApplication::processEvents(); // the view's layout, as the user waits for it
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("undo_clear_32767: %.1f ms\n", median(ms));

    // What the steps hold: the memory given back when the history goes.
    auto steps =
        std::make_unique<Hat>(settings, random, QApplication::font()); // no view: its cost is not the history's
    for (int i = 0; i < 50; ++i)
        steps->replaceWith(names(100 + i));
    const int kept = steps->history().steps();
    const qsizetype held = steps->history().held();
    malloc_trim(0);
    const double with = residentKb();
    steps.reset();
    malloc_trim(0);
    std::printf("undo_memory_50_steps_kb: %.0f KB\n", with - residentKb());
    std::printf("undo_steps_kept_of_50: %d steps\n", kept);
    std::printf("undo_names_held: %lld names\n", static_cast<long long>(held));
    return 0;
}
