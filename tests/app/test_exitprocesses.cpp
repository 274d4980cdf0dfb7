// The program's exit seen from outside, with real processes: signals close it like the
// close box; a save killed at any moment leaves the old or the new list whole; two copies
// saving and restoring at once never see a mix. The test runs itself as the child program.
#include "MainWindowFixture.h"
#include "QueuedRandomSource.h"
#include "RecordingSoundPlayer.h"
#include "TestHome.h"
#include "app/ExitGuard.h"
#include "app/ListBox.h"
#include "draw/SeededRandomSource.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <csignal>
#include <cstdio>
#include <cstring>

using namespace SettingsKeys;

namespace {

constexpr int kFullList = 32767;

Settings programStore()
{
    return Settings(openUserStore());
}

QString nameOf(const QString& tag, int i)
{
    // Lengths differ by tag, so a reader mixing two lists would also see the longest name change.
    return tag == QLatin1String("B") ? QStringLiteral("B-a-much-longer-name-%1").arg(i) : tag + QString::number(i);
}

QStringList listOf(const QString& tag, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << nameOf(tag, i);
    return names;
}

// The stored list when it is one whole list of `count` names; its tag, or why not.
bool wholeList(Settings& store, int count, QString* tagOrWhy)
{
    const QStringList names = store.names();
    if (names.size() != count) {
        *tagOrWhy = QStringLiteral("%1 names stored").arg(names.size());
        return false;
    }
    const QString tag = names[0].left(1);
    for (int i = 0; i < count; ++i) {
        if (names[i] != nameOf(tag, i)) {
            *tagOrWhy = QStringLiteral("name %1 is %2").arg(i).arg(names[i]);
            return false;
        }
    }
    *tagOrWhy = tag;
    return true;
}

void say(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The program as main() builds it, over a folder without the sound file.
int runWindow(int& argc, char** argv, const QStringList& args)
{
    QApplication app(argc, argv);
    QtPrompter prompter;
    RecordingSoundPlayer player;
    SeededRandomSource random;
    QTemporaryDir folder;
    Settings settings(openUserStore(), folder.path());
    MainWindow form({&prompter, &player, &random, folder.path(), &settings});
    prompter.setOwner(&form);
    ExitGuard guard(&form);
    form.show();

    const QString mode = args.value(0);
    if (mode == QLatin1String("save")) {
        // The whole list, then the close, killed somewhere in its save.
        form.hat().append(listOf(args.value(1), kFullList));
        QTimer::singleShot(0, &form, [&form] {
            say("closing");
            form.close();
        });
        return app.exec();
    }

    form.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    QTimer ready;
    ready.setInterval(5);
    QObject::connect(&ready, &QTimer::timeout, &form, [&] {
        const bool up = mode == QLatin1String("dialog") ? QApplication::activeModalWidget() != nullptr
                        : mode == QLatin1String("shuffle")
                            ? button(form, "shuffleButton")->text() == QLatin1String("Stop")
                            : form.isVisible();
        if (up) {
            ready.stop();
            say("ready");
        }
    });
    ready.start();
    if (mode == QLatin1String("dialog"))
        QTimer::singleShot(0, button(form, "addButton"), &QPushButton::click); // the Add Name input box
    else if (mode == QLatin1String("shuffle"))
        QTimer::singleShot(0, button(form, "shuffleButton"), &QPushButton::click);
    return app.exec();
}

// Saves and restores a list of its own, round after round, as two copies of the program would:
// each with its store open for as long as it runs.
int runCopy(const QStringList& args)
{
    const QString tag = args.value(0);
    const int rounds = args.value(1).toInt();
    const int count = args.value(2).toInt();
    const QStringList names = listOf(tag, count);
    Settings store = programStore();
    for (int round = 0; round < rounds; ++round) {
        // Busy: the other copy held the store past the save's patience, as it may on a loaded
        // machine. Nothing was written, so nothing can be mixed: the round waits its turn.
        StoreStatus saved = StoreStatus::Busy;
        while (saved == StoreStatus::Busy)
            saved = store.saveNames(names);
        if (saved != StoreStatus::Ok) {
            std::fprintf(stderr, "round %d: save failed (%d)\n", round, int(saved));
            return 2;
        }
        QString why;
        if (!wholeList(store, count, &why)) {
            std::fprintf(stderr, "round %d: %s\n", round, qPrintable(why));
            return 1;
        }
    }
    return 0;
}

int trials(const char* variable, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(variable, &ok);
    return ok && n > 0 ? n : fallback;
}

} // namespace

class TestExitProcesses : public QObject
{
    Q_OBJECT
private slots:
    void signalClosesLikeTheCloseBox_data();
    void signalClosesLikeTheCloseBox();
    void secondSignalEndsAWaitingSaveAtOnce();
    void killedSaveLeavesOneWholeList();
    void twoCopiesNeverMixTheirLists();

private:
    // Waits until the child has printed the word; false when it never did.
    static bool waitFor(QProcess* p, const QByteArray& word)
    {
        QByteArray seen;
        while (!seen.contains(word)) {
            if (!p->waitForReadyRead(20000))
                return false;
            seen += p->readAllStandardOutput();
        }
        return true;
    }

    QProcess* child(const QStringList& args)
    {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + args);
        return p;
    }
};

void TestExitProcesses::signalClosesLikeTheCloseBox_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("mode");
    for (const QString& mode : {QStringLiteral("idle"), QStringLiteral("dialog"), QStringLiteral("shuffle")}) {
        QTest::addRow("SIGTERM, %s", qPrintable(mode)) << SIGTERM << mode;
        QTest::addRow("SIGINT, %s", qPrintable(mode)) << SIGINT << mode;
        QTest::addRow("SIGHUP, %s", qPrintable(mode)) << SIGHUP << mode;
    }
}

void TestExitProcesses::signalClosesLikeTheCloseBox()
{
    QFETCH(int, signalNumber);
    QFETCH(QString, mode);
    TestHome home;
    // No sound, so a shuffle asks nothing.
    programStore().setFlag(Sound, false);

    QProcess* p = child({mode});
    QVERIFY(p->waitForStarted());
    QVERIFY(waitFor(p, "ready"));
    QCOMPARE(::kill(pid_t(p->processId()), signalNumber), 0);
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);

    QStringList stored = programStore().names();
    stored.sort(); // a shuffle leaves them in its own order
    QCOMPARE(stored, QStringList({"Ann", "Bob", "Cy"}));
}

void TestExitProcesses::secondSignalEndsAWaitingSaveAtOnce()
{
    TestHome home;
    Settings store = programStore();
    store.saveNames({QStringLiteral("old")});

    QProcess* p = child({QStringLiteral("idle")});
    QVERIFY(waitFor(p, "ready"));
    // Another process holds the store, so the exit save waits for it.
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(userStorePath().c_str(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    ::kill(pid_t(p->processId()), SIGTERM);
    QVERIFY(!p->waitForFinished(700));
    ::kill(pid_t(p->processId()), SIGTERM);
    QVERIFY(p->waitForFinished(5000));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    QCOMPARE(p->exitStatus(), QProcess::CrashExit);
    QCOMPARE(p->exitCode(), SIGTERM);
    QCOMPARE(store.names(), QStringList({"old"}));
}

void TestExitProcesses::killedSaveLeavesOneWholeList()
{
    TestHome home;
    {
        // Closed before any child runs. While this process holds the store open, every
        // other open of the file here (each check below) closes a descriptor of it, and
        // that drops all of this process's locks on it: a child closing its store would
        // then take itself for the last user and remove the log from under this one.
        Settings store = programStore();
        store.setFlag(SaveNames, false); // a quick start
        QCOMPARE(store.saveNames(listOf(QStringLiteral("A"), kFullList)), StoreStatus::Ok);
    }
    const std::string path = userStorePath();
    QString current = QStringLiteral("A");
    int kept = 0;
    int replaced = 0;
    // Quick in the suite; NIMBREL_KILL_TRIALS=100 for the full run.
    const int n = trials("NIMBREL_KILL_TRIALS", 25);
    for (int trial = 0; trial < n; ++trial) {
        const QString next = current == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
        QProcess* p = child({QStringLiteral("save"), next});
        QVERIFY(p->waitForStarted());
        QVERIFY(waitFor(p, "closing"));
        QTest::qSleep(int(QRandomGenerator::global()->bounded(301)));
        ::kill(pid_t(p->processId()), SIGKILL);
        QVERIFY(p->waitForFinished(10000));
        delete p;

        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        QCOMPARE(sqlite3_step(check), SQLITE_ROW);
        const QByteArray verdict(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
        sqlite3_finalize(check);
        sqlite3_close(db);
        QCOMPARE(verdict, QByteArray("ok"));

        QString tag;
        Settings store = programStore(); // closed again before the next child runs
        QVERIFY2(wholeList(store, kFullList, &tag), qPrintable(QStringLiteral("trial %1: %2").arg(trial).arg(tag)));
        (tag == current ? kept : replaced)++;
        current = tag;
    }
    qInfo("%d trials: %d kept the old list, %d hold the new one, none mixed", n, kept, replaced);
}

void TestExitProcesses::twoCopiesNeverMixTheirLists()
{
    TestHome home;
    // The store exists before the copies start: this is about saving and restoring, not
    // about two programs creating a new file at the same moment.
    programStore().setFlag(Sound, true);
    const QString rounds = QString::number(trials("NIMBREL_COPY_ROUNDS", 200));
    QProcess* a = child({QStringLiteral("copy"), QStringLiteral("A"), rounds, QStringLiteral("300")});
    QProcess* b = child({QStringLiteral("copy"), QStringLiteral("B"), rounds, QStringLiteral("300")});
    // However long the rounds take on a loaded machine: the test's own timeout ends a stuck one.
    QVERIFY(a->waitForFinished(-1));
    QVERIFY(b->waitForFinished(-1));
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);
}

int main(int argc, char* argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        QStringList args;
        for (int i = 2; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        if (args[0] == QLatin1String("copy")) {
            QCoreApplication app(argc, argv);
            return runCopy(args.mid(1));
        }
        return runWindow(argc, argv, args);
    }
    QApplication app(argc, argv);
    TestExitProcesses test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_exitprocesses.moc"
