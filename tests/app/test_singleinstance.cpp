// One running copy per settings store, with real local sockets and processes: the test is
// the first copy (or leaves a dead one's socket behind) and runs itself as the later start.
#include "app/SingleInstance.h"
#include "platform/StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <list>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// "user:store" below folder (which holds real/registry.sqlite and link -> real).
QString socketFor(const QString& folder, const QString& copy)
{
    return SingleInstance::socketPath(folder + '/' + copy.section(':', 1), copy.section(':', 0, 0), folder);
}

// An environment variable set (unset for a null value) for as long as it lives.
struct Env
{
    const char* name;
    const std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    Env(const char* n, const QByteArray& value) : name(n) { value.isNull() ? qunsetenv(n) : qputenv(n, value); }
    ~Env() { saved ? qputenv(name, *saved) : qunsetenv(name); }
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void laterStart_data();
    void laterStart();
};

void TestSingleInstance::laterStart_data()
{
    QTest::addColumn<QString>("first"); // the copy already there: running, crashed, ending, stopped or locked
    QTest::addColumn<QString>("later"); // the later start's user:store
    QTest::addColumn<int>("exitCode");  // of the later start: 0 handed over, 10 + its role otherwise
    // XDG_RUNTIME_DIR, where both find the place as the program does: "unset" or "open" to
    // all; empty: they meet in the test's folder.
    QTest::addColumn<QString>("runtime");
    const QString store = "1000:real/registry.sqlite";
    QTest::newRow("same store: hands over, ends with 0") << "running" << store << 0 << "";
    QTest::newRow("same store through a link, with . and ..") << "running"
                                                              << "1000:link/.././link/registry.sqlite" << 0 << "";
    QTest::newRow("another XDG_CONFIG_HOME: both run") << "running"
                                                       << "1000:other/registry.sqlite" << 10 << "";
    QTest::newRow("another user: both run") << "running"
                                            << "1001:real/registry.sqlite" << 10 << "";
    QTest::newRow("crashed, its socket left: starts") << "crashed" << store << 10 << "";
    QTest::newRow("saving at its end: starts once it has gone") << "ending" << store << 10 << "";
    QTest::newRow("stopped: said within seconds, naming it") << "stopped" << store << 12 << "";
    QTest::newRow("its lock held by a live process: said within seconds, naming it") << "locked" << store << 12 << "";
    QTest::newRow("no runtime folder, a link at the old place: hands over") << "running" << QString() << 0 << "unset";
    QTest::newRow("runtime folder open to all: not used") << "running" << QString() << 0 << "open";
}

void TestSingleInstance::laterStart()
{
    QFETCH(QString, first);
    QFETCH(QString, later);
    QFETCH(int, exitCode);
    QFETCH(QString, runtime);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("real") && QFile::link(dir.filePath("real"), dir.filePath("link")));
    QString socket = socketFor(dir.path(), "1000:real/registry.sqlite");
    std::list<Env> folders;
    if (!runtime.isEmpty()) { // the user's folders below dir
        QVERIFY(QDir(dir.path()).mkpath("tmp") && QDir(dir.path()).mkpath("open") &&
                ::chmod(qPrintable(dir.filePath("open")), 0777) == 0);
        folders.emplace_back("XDG_RUNTIME_DIR",
                             runtime == "open" ? QFile::encodeName(dir.filePath("open")) : QByteArray());
        folders.emplace_back("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        folders.emplace_back("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
        folders.emplace_back("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
        // Anyone can make a file in the shared temporary folder: a dangling link at the lock
        // held every start up there.
        const QString store = QFile::decodeName(userStorePath().c_str());
        const QString shared = SingleInstance::socketPath(store, QString::number(getuid()), QDir::tempPath());
        QVERIFY(QFile::link(dir.filePath("nowhere"), shared + ".lock"));
        socket = SingleInstance::userStoreSocketPath();
    }
    SingleInstance running(socket);
    QList<SingleInstance::Request> received;
    connect(&running, &SingleInstance::requested, this, [&](const SingleInstance::Request& r) { received << r; });
    QProcess elsewhere; // a running copy of its own, to stop or to hold the lock
    if (first == "stopped" || first == "locked") {
        elsewhere.start(QCoreApplication::applicationFilePath(), {"--first", socket, first});
        QVERIFY(elsewhere.waitForReadyRead(30000));
        if (first == "stopped")
            QCOMPARE(::kill(pid_t(elsewhere.processId()), SIGSTOP), 0);
    } else if (first == "crashed") { // a dead copy's socket: there, with nobody listening
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, QFile::encodeName(socket).constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        ::close(fd);
    } else {
        QCOMPARE(running.start({}), SingleInstance::Role::First);
    }
    if (first == "ending") { // its window is closing: later starts wait until it has saved and gone
        running.stopAnswering();
        QTimer::singleShot(1000, &running, &SingleInstance::close);
    }

    const QStringList files{"/home/zoë/a list.txt", "/tmp/b.txt"};
    QProcess copy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_ACTIVATION_TOKEN", "token-42");
    copy.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    const QString laterSocket = later.isEmpty() ? QString() : socketFor(dir.path(), later);
    copy.start(QCoreApplication::applicationFilePath(), QStringList{"--copy", laterSocket} + files);
    QTRY_VERIFY_WITH_TIMEOUT(copy.state() == QProcess::NotRunning, 30000);
    QCOMPARE(copy.exitCode(), exitCode);
    QCOMPARE(received.size(), int(exitCode == 0));
    if (exitCode == 0)
        QVERIFY(received[0].files == files && received[0].activationToken == "token-42");
    if (first == "ending")
        QVERIFY2(clock.elapsed() >= 900, "started while the running copy was still saving");
    if (elsewhere.state() == QProcess::Running) { // said well before the 20 s it took, naming the copy
        QVERIFY(clock.elapsed() < 15000);
        QCOMPARE(copy.readAllStandardOutput(), QByteArray::number(elsewhere.processId()));
        elsewhere.kill();
        elsewhere.waitForFinished();
    }
    QVERIFY(socket.size() < 100); // a socket's address holds 108 bytes
    struct stat folder = {};
    QVERIFY(::lstat(QFile::encodeName(QFileInfo(socket).path()), &folder) == 0 && S_ISDIR(folder.st_mode));
    QVERIFY(runtime.isEmpty() || (folder.st_uid == getuid() && (folder.st_mode & 077) == 0)); // the user's alone
}

// The later start: `--copy SOCKET FILE...` (SOCKET empty: found as the program finds it).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3 || (qstrcmp(argv[1], "--copy") != 0 && qstrcmp(argv[1], "--first") != 0)) {
        TestSingleInstance test;
        return QTest::qExec(&test, argc, argv);
    }
    const QStringList args = QCoreApplication::arguments();
    const QString socket = args[2].isEmpty() ? SingleInstance::userStoreSocketPath() : args[2];
    SingleInstance instance(socket);
    if (args[1] == "--first") { // `--first SOCKET stopped|locked`: the running copy, holding the lock for "locked"
        QLockFile lock(socket + ".lock");
        if (instance.start({}) != SingleInstance::Role::First || (args[3] == "locked" && !lock.lock()))
            return 1;
        std::puts("ready");
        std::fflush(stdout);
        return app.exec();
    }
    const SingleInstance::Role role = instance.start({args.mid(3), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")});
    std::printf("%lld", instance.holder());
    return role == SingleInstance::Role::HandedOver ? 0 : 10 + int(role);
}

#include "test_singleinstance.moc"
