// Start-up with the largest remembered list, to the first paint, and the shut-down's save,
// also with 99 other lists of 1,000 names stored;
// then the real program's end: from its store's close to the process gone, after a shuffle
// (so the sound system is up), under an X server of its own.
#include "BenchSupport.h"
#include "app/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <poll.h>
#include <sys/inotify.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kRuns = 5;
constexpr int kStartRuns = 9; // each, with one list and with 100: the two differ by little

void storeNames()
{
    const QStringList names = randomNames(kNames, 20, 60);
    Settings(openUserStore()).saveNames(names);
}

// 99 lists of 1,000 names beside the current one, which start-up does not read.
void storeOtherLists()
{
    using namespace SettingsKeys;
    QList<Settings::SectionWrite> writes;
    QList<Settings::Row> index = {
        {CurrentList, QStringLiteral("1")}, {NextList, QStringLiteral("101")}, {listKey(1), QStringLiteral("Names")}};
    for (int id = 2; id <= 100; ++id) {
        QStringList names;
        for (int i = 0; i < 1000; ++i)
            names.append(QStringLiteral("Pupil %1 of class %2").arg(i).arg(id));
        writes.append({listSection(id), {}, Settings::otherListRows(names, {}), false});
        index.append({listKey(id), QStringLiteral("Class %1").arg(id)});
    }
    writes.append({ListsSection, {}, index, false});
    Settings(openUserStore()).saveSections(writes);
}

qint64 nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// A private X server for the program; empty when none could be started.
class XServer
{
public:
    XServer()
    {
        m_server.setProgram(QStringLiteral("Xvfb"));
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        m_server.start();
        // It writes its display number once it takes connections.
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.contains('\n'))
            m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~XServer()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

// The program with the stored list: Shuffle, Stop, then Exit, clicked as a user would. The
// store is closed when SQLite removes its write-ahead log; the time from then to the
// process's end, in ms, or nothing when a step failed.
std::optional<double> storeClosedToExit(const QString& display, const QString& configHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);

    QProcess program;
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice()); // the sound library's complaints about missing devices
    program.start(QStringLiteral(NIMBREL_PROGRAM), {});
    if (!program.waitForStarted())
        return std::nullopt;
    auto xdotool = [&](const QStringList& args) { return run(QStringLiteral("xdotool"), args, env); };
    const auto window = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), QStringLiteral("Nimbrel$")});
    const auto geometry = window ? xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                            QString::fromLatin1(window->split('\n').value(0))})
                                 : std::nullopt;
    if (!geometry) {
        program.kill();
        program.waitForFinished();
        return std::nullopt;
    }
    int x = 0;
    int y = 0;
    for (const QByteArray& line : geometry->split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        else if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    auto click = [&](int dx, int dy) {
        xdotool({QStringLiteral("mousemove"), QString::number(x + dx), QString::number(y + dy), QStringLiteral("click"),
                 QStringLiteral("1")});
    };
    click(100, 230); // Shuffle
    QThread::msleep(1000);
    click(100, 230); // Stop
    QThread::msleep(300);

    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    inotify_add_watch(watch, QDir(configHome).filePath(QStringLiteral("nimbrel")).toLocal8Bit().constData(), IN_DELETE);
    click(269, 252); // Exit
    std::optional<qint64> closedAt;
    const qint64 deadline = nowNs() + 30'000'000'000;
    while (!closedAt && nowNs() < deadline) {
        pollfd fd{watch, POLLIN, 0};
        if (poll(&fd, 1, 100) <= 0)
            continue;
        alignas(inotify_event) char buffer[4096];
        const qint64 at = nowNs();
        const ssize_t n = read(watch, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + i);
            if (event->len > 0 && QByteArray(event->name).endsWith("-wal"))
                closedAt = at;
            i += qsizetype(sizeof(inotify_event)) + event->len;
        }
    }
    close(watch);
    // Waiting on the child itself: it returns as soon as the child is gone.
    std::optional<qint64> endedAt;
    if (program.waitForFinished(std::max(1, int((deadline - nowNs()) / 1000000)))) {
        endedAt = nowNs();
    } else {
        program.kill();
        program.waitForFinished();
    }
    if (!closedAt || !endedAt)
        return std::nullopt;
    return double(*endedAt - *closedAt) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    // The same list in two stores, one of them with 99 other lists; the runs take turns, so
    // that what else the machine does weighs on both alike.
    QTemporaryDir home;
    QTemporaryDir listsHome;
    QApplication app(argc, argv);
    qputenv("XDG_CONFIG_HOME", listsHome.path().toLocal8Bit());
    storeNames();
    storeOtherLists();
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    storeNames();

    BenchServices services;
    std::vector<double> startup[2];
    std::vector<double> shutdown;
    for (int run = 0; run < 2 * kStartRuns; ++run) {
        const bool lists = run % 2 == 1;
        qputenv("XDG_CONFIG_HOME", (lists ? listsHome : home).path().toLocal8Bit());
        QElapsedTimer clock;
        clock.start();
        auto* form = new MainWindow(services.withFolder(QApplication::applicationDirPath()));
        PaintWatch paint;
        form->findChild<QListView*>(QStringLiteral("nameList"))->viewport()->installEventFilter(&paint);
        form->show();
        while (!paint.painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        startup[lists].push_back(double(clock.nsecsElapsed()) / 1e6);
        if (form->hat().count() != kNames) {
            std::fprintf(stderr, "restored %d names, expected %d\n", form->hat().count(), kNames);
            return 1;
        }

        // From the close request to the window and its store gone, as at the program's end.
        clock.restart();
        form->close();
        delete form;
        services.settings.reset();
        if (!lists)
            shutdown.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    std::printf("startup_32767: %.1f ms\n", median(startup[0]));
    std::printf("shutdown_32767: %.1f ms\n", median(shutdown));
    // Start-up reads only the current list, however many others there are.
    std::printf("startup_32767_99_lists: %.1f ms\n", median(startup[1]));

    const XServer x;
    std::vector<double> ends;
    for (int run = 0; run < kRuns && !x.display().isEmpty(); ++run) {
        const std::optional<double> end = storeClosedToExit(x.display(), home.path());
        if (!end) {
            std::fprintf(stderr, "the program could not be run to its end under Xvfb with xdotool\n");
            return 1;
        }
        ends.push_back(*end);
    }
    if (ends.empty()) {
        std::fprintf(stderr, "no X server (Xvfb) for the program\n");
        return 1;
    }
    std::printf("store_closed_to_exit_32767: %.1f ms\n", median(ends));
    return 0;
}
