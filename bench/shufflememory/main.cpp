// Whether a long shuffle makes the program grow: the resident size over a minute of ticks
// with every effect on and the event loop running, after a warm-up that fills the caches.
// The one long benchmark: 70 s by default.
// Usage: shufflememory [measured seconds [warm-up seconds]] (60 and 10 by default).
#include "BenchSupport.h"
#include "app/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Resident set size in KB, from /proc.
double residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int measured = args.size() > 1 ? args[1].toInt() : 60;
    const int warmUp = args.size() > 2 ? args[2].toInt() : 10;
    if (measured <= 0 || warmUp < 0) {
        std::fprintf(stderr, "usage: shufflememory [measured seconds [warm-up seconds]]\n");
        return 2;
    }
    std::printf("(shuffling for %d s of warm-up, then %d s measured)\n", warmUp, measured);
    std::fflush(stdout);

    // A program folder with a sound file, so the sound stage plays rather than warns.
    QFile wav(home.filePath(QStringLiteral("shuffle.wav")));
    if (!wav.open(QIODevice::WriteOnly) || wav.write("RIFF") != 4)
        return 1;
    wav.close();
    BenchServices services;
    MainWindow form(services.withFolder(home.path()));
    for (const SettingsKeys::Key* effect : {&SettingsKeys::Shake, &SettingsKeys::Flash, &SettingsKeys::Sound})
        services.settings->setFlag(*effect, true); // the window follows its settings
    // A class: short names and one long enough to need the horizontal scroll bar.
    for (char c = 'A'; c <= 'Z'; ++c)
        form.hat().append(QStringLiteral("%1 pupil").arg(QLatin1Char(c)));
    form.hat().append(QStringLiteral("Maximiliana Wilhelmina Bartholomew-Fitzgerald"));
    form.show();
    runEvents(200);

    form.toggleShuffle();
    runEvents(warmUp * 1000);
    const double before = residentKb();
    QElapsedTimer wall;
    wall.start();
    runEvents(measured * 1000);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double after = residentKb();
    form.toggleShuffle();

    std::printf("rss_growth_kb_per_s: %.2f KB/s\n", (after - before) / seconds);
    return 0;
}
