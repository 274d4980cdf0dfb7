// CPU the main window takes while it sits idle with a list of names.
#include "BenchSupport.h"
#include "app/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    BenchServices services;
    MainWindow form(services.withFolder(QApplication::applicationDirPath()));
    for (int i = 0; i < 100; ++i)
        form.hat().append(QStringLiteral("Name %1").arg(i));
    form.show();
    // Let start-up settle before measuring.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    // A local loop, not the application's: quitting that would close the window and
    // count its save as well.
    QEventLoop idle;
    double percent = 0;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(10000, &idle, [&] {
        percent = 100.0 * (cpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);
        idle.quit();
    });
    idle.exec();
    std::printf("idle_cpu: %.3f %%\n", percent);
    return 0;
}
