// The real program's end after its dialogs, as a desktop runs it: the built program on an X
// server of its own, with a session bus and the accessibility bus up, the largest list
// remembered and the file dialogs opening in a large folder. Each run shuffles and stops (the
// sound system is up, a draw waits to be recorded), opens Import from File, Export to File
// and Options, each shown, its folder listed, then cancelled, and clicks Exit: the time from
// that click to the process gone, the median of a few runs. The same without the dialogs,
// with the history of a long session stored (the most records the program keeps, each with
// the list of its draw), and with a name copied from the list. Another build of the program
// can be named as the argument, to compare it in the same run.
#include "BenchSupport.h"
#include "draw/DrawRecord.h"
#include "history/DrawHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <time.h>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kRuns = 5;
// More than the history keeps, so that each new record lets the oldest go.
constexpr int kDraws = DrawHistory::kKept + 50;
// The file dialogs open here: a folder of some 1,500 entries, each with its icon and type.
const char* const kLargeFolder = "/usr/lib/x86_64-linux-gnu";

qint64 nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The list and the folder the dialogs open in, in the store under configHome; with draws,
// also that many draws of the list, each from the order the one before left.
bool makeStore(const QString& configHome, const QStringList& names, int draws)
{
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    Settings settings(openUserStore());
    if (settings.saveNames(names) != StoreStatus::Ok ||
        !settings.setText(SettingsKeys::LastUsedFolder, QString::fromLatin1(kLargeFolder)))
        return false;
    DrawHistory history(settings);
    QStringList before = names;
    const QDateTime start = QDateTime::currentDateTime().addDays(-30);
    for (int i = 0; i < draws; ++i) {
        QStringList after = before;
        std::rotate(after.begin(), after.begin() + 1 + (i * 7919) % (kNames - 1), after.end());
        const DrawRecord record =
            DrawRecord::ofDraw(before, after, 40 + i % 60, quint64(i) * 2654435761u + 1, start.addSecs(qint64(i) * 60));
        if (history.add(record, before) != StoreStatus::Ok)
            return false;
        before = std::move(after);
    }
    return true;
}

// The desktop the program runs on: an X server, a session bus and the accessibility bus.
class Desktop
{
public:
    Desktop()
    {
        const auto display = startAndReadLine(
            m_xvfb, QStringLiteral("Xvfb"),
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
             QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const auto busAddress = display ? startAndReadLine(m_sessionBus, QStringLiteral("dbus-daemon"),
                                                           {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                            QStringLiteral("--print-address=1")})
                                        : std::nullopt;
        if (!display || !busAddress)
            return;
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(*display));
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(*busAddress));
        m_env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        // The accessibility bus, as a desktop session starts it; the program finds it through
        // the session bus.
        m_accessibilityBus.setProcessEnvironment(m_env);
        m_accessibilityBus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                                 {QStringLiteral("--launch-immediately")});
        m_accessibilityBus.waitForStarted();
        QThread::msleep(500);
        m_up = true;
    }
    ~Desktop()
    {
        stop(m_accessibilityBus);
        stop(m_sessionBus);
        stop(m_xvfb);
    }
    bool up() const { return m_up; }
    QProcessEnvironment env() const { return m_env; }

private:
    QProcess m_xvfb;
    QProcess m_sessionBus;
    QProcess m_accessibilityBus;
    QProcessEnvironment m_env;
    bool m_up = false;
};

// One run of the program over the store under configHome, clicked as a user would (the
// window's own layout: the side buttons at x 269); the ms from the Exit click to the process
// gone, or nothing when a step failed.
std::optional<double> exitAfter(const QString& program, QProcessEnvironment env, const QString& configHome,
                                bool dialogs, bool copy)
{
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    QProcess nimbrel;
    nimbrel.setProcessEnvironment(env);
    nimbrel.setStandardOutputFile(QProcess::nullDevice());
    nimbrel.setStandardErrorFile(QProcess::nullDevice()); // the sound library's complaints about missing devices
    nimbrel.start(program, {});
    if (!nimbrel.waitForStarted())
        return std::nullopt;
    auto xdotool = [&](const QStringList& args) { return run(QStringLiteral("xdotool"), args, env); };
    // A window of that title is up (xdotool gives up after 30 s).
    auto shown = [&](const QString& title) {
        return xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), title});
    };
    const auto window = shown(QStringLiteral("^Nimbrel$"));
    const auto geometry = window ? xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                            QString::fromLatin1(window->split('\n').value(0))})
                                 : std::nullopt;
    int x = 0;
    int y = 0;
    for (const QByteArray& line : geometry.value_or(QByteArray()).split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        else if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    auto click = [&](int dx, int dy) {
        return xdotool({QStringLiteral("mousemove"), QString::number(x + dx), QString::number(y + dy),
                        QStringLiteral("click"), QStringLiteral("1")})
            .has_value();
    };
    auto key = [&](const QString& name) { return xdotool({QStringLiteral("key"), name}).has_value(); };
    bool ok = geometry.has_value();
    QThread::msleep(1500);      // the list read from the store and shown
    ok = ok && click(100, 230); // Shuffle
    QThread::msleep(1000);
    ok = ok && click(100, 230); // Stop
    QThread::msleep(300);
    if (ok && copy) {
        // A name copied from the list: the program then hands the clipboard over as it ends.
        ok = click(60, 60) && key(QStringLiteral("ctrl+c"));
        QThread::msleep(300);
    }
    if (ok && dialogs) {
        // Import asks first, as the list has names; Yes is the default answer. Each file
        // dialog is given time to list its folder.
        ok = click(269, 71) && shown(QStringLiteral("^Confirmation$")) && key(QStringLiteral("Return")) &&
             shown(QStringLiteral("^Select file to import")).has_value();
        QThread::msleep(1500);
        ok = ok && key(QStringLiteral("Escape"));
        QThread::msleep(300);
        ok = ok && click(269, 97) && shown(QStringLiteral("^Select export file")).has_value();
        QThread::msleep(1500);
        ok = ok && key(QStringLiteral("Escape"));
        QThread::msleep(300);
        ok = ok && click(269, 174) && shown(QStringLiteral("^Options$")).has_value();
        QThread::msleep(300);
        ok = ok && key(QStringLiteral("Escape"));
        QThread::msleep(300);
    }
    const qint64 clicked = nowNs();
    ok = ok && click(269, 252); // Exit
    // Waiting on the child itself: it returns as soon as the child is gone.
    if (ok && nimbrel.waitForFinished(30000))
        return double(nowNs() - clicked) / 1e6;
    nimbrel.kill();
    nimbrel.waitForFinished();
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString program = args.size() > 1 ? args[1] : QStringLiteral(NIMBREL_PROGRAM);
    QTemporaryDir home;
    QTemporaryDir longSession;
    const QStringList names = randomNames(kNames, 8, 30, 7, true);
    if (!home.isValid() || !longSession.isValid() || !makeStore(home.path(), names, 0) ||
        !makeStore(longSession.path(), names, kDraws)) {
        std::fprintf(stderr, "the stores could not be made\n");
        return 1;
    }

    const Desktop desktop;
    if (!desktop.up()) {
        std::fprintf(stderr, "no X server (Xvfb) or session bus (dbus-daemon) for the program\n");
        return 1;
    }
    // The three kinds of run take turns, so that what else the machine does weighs on all alike.
    struct Kind
    {
        const char* name;
        QString configHome;
        bool dialogs;
        bool copy;
        std::vector<double> ms;
    };
    Kind kinds[] = {{"exit_32767", home.path(), false, false, {}},
                    {"exit_after_dialogs_32767", home.path(), true, false, {}},
                    {"exit_after_dialogs_32767_long_history", longSession.path(), true, false, {}},
                    {"exit_after_dialogs_32767_name_copied", home.path(), true, true, {}}};
    for (int run = 0; run < kRuns; ++run) {
        for (Kind& kind : kinds) {
            const std::optional<double> ms =
                exitAfter(program, desktop.env(), kind.configHome, kind.dialogs, kind.copy);
            if (!ms) {
                std::fprintf(stderr, "%s: the program could not be driven to its end under Xvfb with xdotool\n",
                             kind.name);
                return 1;
            }
            kind.ms.push_back(*ms);
        }
    }
    for (const Kind& kind : kinds)
        std::printf("%s: %.1f ms\n", kind.name, median(kind.ms));
    return 0;
}
