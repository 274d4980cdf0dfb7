// Start-up with the largest remembered list, to the first paint, and the shut-down's save.
#include "BenchSupport.h"
#include "app/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kRuns = 5;

class FirstPaint : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void storeNames()
{
    QRandomGenerator rng(7);
    QStringList names;
    for (int i = 0; i < kNames; ++i) {
        QString name;
        const int length = 20 + int(rng.bounded(41));
        for (int c = 0; c < length; ++c)
            name += QChar(u'a' + char16_t(rng.bounded(26)));
        names.append(name);
    }
    Settings(openUserStore()).saveNames(names);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    storeNames();

    BenchServices services;
    std::vector<double> startup;
    std::vector<double> shutdown;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        auto* form = new MainWindow(services.withFolder(QApplication::applicationDirPath()));
        FirstPaint paint;
        form->findChild<QListView*>(QStringLiteral("nameList"))->viewport()->installEventFilter(&paint);
        form->show();
        while (!paint.painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        startup.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (form->nameList->ListCount() != kNames) {
            std::fprintf(stderr, "restored %d names, expected %d\n", form->nameList->ListCount(), kNames);
            return 1;
        }

        // From the close request to the window and its store gone, as at the program's end.
        clock.restart();
        form->close();
        delete form;
        services.settings.reset();
        shutdown.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("startup_32767: %.1f ms\n", median(startup));
    std::printf("shutdown_32767: %.1f ms\n", median(shutdown));
    return 0;
}
