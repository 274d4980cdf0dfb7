// One running copy per settings store, with real local sockets and real processes: the
// test is the first copy (or leaves a dead one behind), and runs itself as the later start.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// The later start's exit code for each role: 0 when it handed over, as the program's.
int exitCodeFor(SingleInstance::Role role)
{
    switch (role) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::First:
        return 10;
    case SingleInstance::Role::Unanswered:
        return 11;
    case SingleInstance::Role::Alone:
        break;
    }
    return 12;
}

// The child: `--copy SOCKET hold|start FILE...`. "start" ends with its role's code; "hold"
// becomes the first copy, says so, and runs until it is killed.
int runCopy(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(2);
    SingleInstance instance(args.value(0));
    const SingleInstance::Role role = instance.start({args.mid(2), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")});
    if (args.value(1) != QLatin1String("hold") || role != SingleInstance::Role::First)
        return exitCodeFor(role);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void socketPath_data();
    void socketPath();
    void laterStart_data();
    void laterStart();
};

void TestSingleInstance::socketPath_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("otherStore");
    QTest::addColumn<QString>("otherUser");
    QTest::addColumn<bool>("same");
    // Paths below a temporary folder holding real/ (with the store) and link -> real.
    QTest::newRow("same store, same user") << "real/registry.sqlite"
                                           << "1000"
                                           << "real/registry.sqlite"
                                           << "1000" << true;
    QTest::newRow("through a link to its folder") << "real/registry.sqlite"
                                                  << "1000"
                                                  << "link/registry.sqlite"
                                                  << "1000" << true;
    QTest::newRow("with . and ..") << "real/registry.sqlite"
                                   << "1000"
                                   << "link/../real/./registry.sqlite"
                                   << "1000" << true;
    QTest::newRow("store not made yet, through the link") << "real/new/registry.sqlite"
                                                          << "1000"
                                                          << "link/new/registry.sqlite"
                                                          << "1000" << true;
    QTest::newRow("another XDG_CONFIG_HOME") << "real/registry.sqlite"
                                             << "1000"
                                             << "other/registry.sqlite"
                                             << "1000" << false;
    QTest::newRow("another user") << "real/registry.sqlite"
                                  << "1000"
                                  << "real/registry.sqlite"
                                  << "1001" << false;
}

void TestSingleInstance::socketPath()
{
    QFETCH(QString, store);
    QFETCH(QString, user);
    QFETCH(QString, otherStore);
    QFETCH(QString, otherUser);
    QFETCH(bool, same);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("real")));
    QVERIFY(QFile(dir.filePath(QStringLiteral("real/registry.sqlite"))).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("link"))));
    const QString folder = QStringLiteral("/run/user/1000");

    const QString path = SingleInstance::socketPath(dir.filePath(store), user, folder);
    QCOMPARE(path == SingleInstance::socketPath(dir.filePath(otherStore), otherUser, folder), same);
    QVERIFY2(path.startsWith(folder + QStringLiteral("/nimbrel-")), qPrintable(path));
    QVERIFY(path.toUtf8().size() < 100); // fits a socket address (108 bytes) with room to spare
}

void TestSingleInstance::laterStart_data()
{
    QTest::addColumn<QString>("first"); // none, running, other store, crashed, ending
    QTest::addColumn<int>("exitCode");  // of the later start
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("no copy runs: starts") << "none" << 10 << false;
    QTest::newRow("same store: hands over, ends with 0") << "running" << 0 << true;
    QTest::newRow("another store: both run") << "other store" << 10 << false;
    QTest::newRow("socket of a crashed copy: starts") << "crashed" << 10 << false;
    QTest::newRow("running copy saving at its end: starts once it has gone") << "ending" << 10 << false;
}

void TestSingleInstance::laterStart()
{
    QFETCH(QString, first);
    QFETCH(int, exitCode);
    QFETCH(bool, handedOver);
    QTemporaryDir dir;
    const QString socket = dir.filePath(QStringLiteral("nimbrel-store"));
    const QString program = QCoreApplication::applicationFilePath();

    SingleInstance running(first == QLatin1String("other store") ? dir.filePath(QStringLiteral("nimbrel-other"))
                                                                 : socket);
    QList<SingleInstance::Request> received;
    connect(&running, &SingleInstance::requested, this,
            [&](const SingleInstance::Request& request) { received << request; });
    if (first == QLatin1String("crashed")) {
        // A first copy that is killed leaves its socket behind, with nobody listening.
        QProcess holder;
        holder.start(program, {QStringLiteral("--copy"), socket, QStringLiteral("hold")});
        QVERIFY(holder.waitForReadyRead(20000));
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY(QFileInfo(socket).exists());
    } else if (first != QLatin1String("none")) {
        QCOMPARE(running.start({}), SingleInstance::Role::First);
    }
    if (first == QLatin1String("ending")) {
        // Its window is closing: later starts wait until it has saved and gone.
        running.stopAnswering();
        QTimer::singleShot(1000, &running, &SingleInstance::close);
    }

    const QStringList files{QStringLiteral("/home/zoë/a list.txt"), QStringLiteral("/tmp/b.txt")};
    QProcess later;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("token-42"));
    later.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    later.start(program, QStringList{QStringLiteral("--copy"), socket, QStringLiteral("start")} + files);
    QTRY_VERIFY_WITH_TIMEOUT(later.state() == QProcess::NotRunning, 30000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), exitCode);
    QCOMPARE(received.size(), int(handedOver));
    if (handedOver) {
        QCOMPARE(received[0].files, files);
        QCOMPARE(received[0].activationToken, QStringLiteral("token-42"));
    }
    if (first == QLatin1String("ending"))
        QVERIFY2(clock.elapsed() >= 900, "started while the running copy was still saving");
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--copy") == 0)
        return runCopy(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_singleinstance.moc"
