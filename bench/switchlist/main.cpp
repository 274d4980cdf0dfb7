// Switching between two lists of 32,767 names, from Ctrl+1 or Ctrl+2 to the window showing
// the other list, and on to the save of the list left and the current one in one batch.
// The first switch also reads the other list from the store and measures its names.
#include "BenchSupport.h"
#include "hat/Shelf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

constexpr int kSwitches = 11;

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    {
        // Two lists, as the program stores them: 4A current, 4B in sections of its own.
        using namespace SettingsKeys;
        Settings store(openUserStore());
        const QList<Settings::Row> index = {
            {CurrentList, "1"}, {NextList, "3"}, {listKey(1), "4A"}, {listKey(2), "4B"}};
        store.saveSections({{NamesSection, randomNames(kMaxNames, 20, 60, 7)},
                            {listSection(2), {}, Settings::otherListRows(randomNames(kMaxNames, 20, 60, 8), {}), false},
                            {ListsSection, {}, index, false}});
    }

    BenchServices services;
    MainWindow form(services.withFolder(QApplication::applicationDirPath()));
    QListView* list = form.findChild<QListView*>(QStringLiteral("nameList"));
    PaintWatch paint;
    list->viewport()->installEventFilter(&paint);
    form.show();
    while (!paint.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    std::vector<double> warm;
    std::vector<double> saved;
    double first = 0;
    double firstSaved = 0;
    for (int run = 0; run < kSwitches; ++run) {
        QApplication::processEvents();
        paint.painted = false;
        QElapsedTimer clock;
        clock.start();
        form.shelf().switchTo(1 - form.shelf().currentIndex());
        while (!paint.painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        // Then the write, which waits until the window shows the other list.
        std::optional<StoreStatus> written;
        const QMetaObject::Connection connection =
            QObject::connect(&form.shelf(), &Shelf::written, [&written](StoreStatus status) { written = status; });
        while (!written)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QObject::disconnect(connection);
        if (form.hat().count() != kMaxNames || written != StoreStatus::Ok) {
            std::fprintf(stderr, "the other list was not shown or not saved\n");
            return 1;
        }
        const double savedMs = double(clock.nsecsElapsed()) / 1e6;
        if (run == 0) {
            first = ms;
            firstSaved = savedMs;
        } else {
            warm.push_back(ms);
            saved.push_back(savedMs);
        }
    }
    std::printf("switch_list_32767_first: %.1f ms\n", first);
    std::printf("switch_list_32767_first_saved: %.1f ms\n", firstSaved);
    std::printf("switch_list_32767: %.1f ms\n", median(warm));
    // Until the batch is written: the 100 ms the write waits for the window, and the write.
    std::printf("switch_list_32767_saved: %.1f ms\n", median(saved));
    return 0;
}
