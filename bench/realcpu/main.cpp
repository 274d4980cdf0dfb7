// What the real program costs while it shuffles the largest list, as a desktop runs it: the
// built program on an X server of its own, with a session bus and the accessibility bus up
// (assistive tools listening or not, the program then sends its accessibility events),
// shuffling 32,767 names for 10 s. Its share of a core is read from /proc, user and system
// time together, so the figure is the one users pay. Another build of the program can be
// named as the argument, to compare it in the same run.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

constexpr int kNames = 32767;
constexpr int kSeconds = 10;

// User and system time the process has used, in seconds.
std::optional<double> cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    QFile list(home.filePath(QStringLiteral("names.txt")));
    if (!list.open(QIODevice::WriteOnly))
        return 1;
    QRandomGenerator rng(7);
    for (int i = 0; i < kNames; ++i) {
        QByteArray name;
        const int length = 8 + int(rng.bounded(23));
        for (int c = 0; c < length; ++c)
            name += char((c == 0 ? 'A' : 'a') + rng.bounded(26));
        list.write(name + '\n');
    }
    list.close();

    QProcess xvfb;
    const auto display = startAndReadLine(xvfb, QStringLiteral("Xvfb"),
                                          {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1024x768x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QProcess sessionBus;
    const auto busAddress = display ? startAndReadLine(sessionBus, QStringLiteral("dbus-daemon"),
                                                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                        QStringLiteral("--print-address=1")})
                                    : std::nullopt;
    if (!display || !busAddress) {
        std::fprintf(stderr, "no X server (Xvfb) or session bus (dbus-daemon) for the program\n");
        stop(sessionBus);
        stop(xvfb);
        return 1;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(*display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(*busAddress));
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));

    // The accessibility bus, as a desktop session starts it; the program finds it through the
    // session bus.
    QProcess accessibilityBus;
    accessibilityBus.setProcessEnvironment(env);
    accessibilityBus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                           {QStringLiteral("--launch-immediately")});
    accessibilityBus.waitForStarted();
    QThread::msleep(500);

    QProcess program;
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice()); // the sound library's complaints about missing devices
    const QStringList args = QCoreApplication::arguments();
    program.start(args.size() > 1 ? args[1] : QStringLiteral(NIMBREL_PROGRAM), {list.fileName()});
    std::optional<double> share;
    const auto window = program.waitForStarted()
                            ? run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), QStringLiteral("^Nimbrel$")},
                                  env)
                            : std::nullopt;
    if (window) {
        const QString id = QString::fromLatin1(window->split('\n').value(0));
        QThread::msleep(2000); // the list read from the file and shown
        run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id}, env);
        // Enter presses the default button, Shuffle.
        run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--window"), id, QStringLiteral("Return")}, env);
        QThread::msleep(1000);
        const auto start = std::chrono::steady_clock::now();
        const std::optional<double> before = cpuSeconds(program.processId());
        QThread::sleep(kSeconds);
        const std::optional<double> after = cpuSeconds(program.processId());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (before && after)
            share = 100.0 * (*after - *before) / seconds;
        run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--window"), id, QStringLiteral("Return")}, env);
    }
    stop(program);
    stop(accessibilityBus);
    stop(sessionBus);
    stop(xvfb);
    // A program at rest uses next to nothing: then the shuffle never started.
    if (!share || *share < 1.0) {
        std::fprintf(stderr, "the program could not be made to shuffle under Xvfb with xdotool\n");
        return 1;
    }
    std::printf("real_cpu_share_32767: %.1f %%\n", *share);
    return 0;
}
