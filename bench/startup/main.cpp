// Start-up with the largest remembered list, to the first paint, and the shut-down's save.
#include "BenchSupport.h"
#include "app/ListBox.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

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
    Settings store;
    store.setCompany(SettingsKeys::Company);
    store.setAppName(SettingsKeys::AppName);
    QRandomGenerator rng(7);
    QList<Settings::Row> rows;
    for (int i = 0; i < kNames; ++i) {
        QString name;
        const int length = 20 + int(rng.bounded(41));
        for (int c = 0; c < length; ++c)
            name += QChar(u'a' + char16_t(rng.bounded(26)));
        rows.append({SettingsKeys::nameKey(i), name});
    }
    store.ReplaceSettings(SettingsKeys::NamesSection, rows);
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
        shutdown.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("startup_32767: %.1f ms\n", median(startup));
    std::printf("shutdown_32767: %.1f ms\n", median(shutdown));
    return 0;
}
