// What the exit save does when the store is busy, unwritable or was damaged, what start-up
// says of a store that holds more names than the list, and the save at the end of the
// desktop session.
#include "ForwardingStore.h"
#include "MainWindowFixture.h"

#include "app/ExitGuard.h"
#include "app/MainWindowTexts.h"
#include "platform/StoreLocation.h"

#include <QDir>
#include <QFile>
#include <QSessionManager>
#include <QTest>

#include <sqlite3.h>
#include <unistd.h>

namespace {

// The user's store, but the long wait for a busy store is cut short (the asked wait is kept).
class ImpatientStore : public ForwardingStore
{
public:
    std::uint32_t askedWaitMs = 0;

    StoreStatus replaceRows(std::string_view s, std::span<const Row> r, std::uint32_t maxWaitMs) override
    {
        askedWaitMs = maxWaitMs;
        return m_real->replaceRows(s, r, 200);
    }
};

QString hivePath()
{
    return QString::fromStdString(userStorePath());
}

QStringList storedNames()
{
    return MainWindowFixture::store().names();
}

void storeOldList(MainWindowFixture& fx)
{
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("old 1"));
    f.hat().append(QStringLiteral("old 2"));
    fx.close();
}

} // namespace

class TestExitSave : public QObject
{
    Q_OBJECT
private slots:
    void busyStoreKeepsTheOldListAndSaysSo();
    void unwritableStoreIsReported_data();
    void unwritableStoreIsReported();
    void whatTheUserHearsOfTheStore_data();
    void whatTheUserHearsOfTheStore();
    void damagedStoreIsReportedOnceShown();
    void newerStoreIsReadNeverWritten_data();
    void newerStoreIsReadNeverWritten();
    void namesBeyondTheLimitAreCounted_data();
    void namesBeyondTheLimitAreCounted();
    void sessionEndSavesTheList();
};

void TestExitSave::busyStoreKeepsTheOldListAndSaysSo()
{
    MainWindowFixture fx;
    storeOldList(fx);

    // Another process holds the write lock for the whole exit.
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(hivePath().toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    auto store = std::make_shared<ImpatientStore>();
    fx.registry = store;
    MainWindow& f = fx.open();
    QCOMPARE(MainWindowFixture::names(f), QStringList({"old 1", "old 2"}));
    f.hat().append(QStringLiteral("new"));
    f.hat().removeAt(0);
    fx.prompter.expectMessage();
    fx.close();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    QVERIFY(store->askedWaitMs >= 30000);
    QCOMPARE(fx.prompter.calls.size(), 1);
    const ScriptedPrompter::Call& call = fx.prompter.calls[0];
    QCOMPARE(call.title, MainWindowTexts::oops());
    QCOMPARE(call.icon, Prompter::Icon::Warning);
    QCOMPARE(call.kind, ScriptedPrompter::Call::Question); // the list differs from the stored one
    QCOMPARE(call.prompt, StoreTexts::exportInstead().arg(StoreTexts::storeBusy(), hivePath()));
    QCOMPARE(storedNames(), QStringList({"old 1", "old 2"}));
}

void TestExitSave::unwritableStoreIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder at the file's path") << "folder" << StoreTexts::storeFailed();
    QTest::newRow("read-only folder") << "read-only folder" << StoreTexts::storeReadOnly();
    QTest::newRow("read-only file") << "read-only file" << StoreTexts::storeReadOnly();
}

void TestExitSave::unwritableStoreIsReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind != QLatin1String("folder") && geteuid() == 0)
        QSKIP("root writes to read-only files and folders; run as a normal user to check this case");
    MainWindowFixture fx;
    const QString path = hivePath();
    const QString folder = QFileInfo(path).path();
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        storeOldList(fx);
        const QString target = kind == QLatin1String("read-only file") ? path : folder;
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("new"));
    fx.prompter.expectMessage();
    fx.close();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, MainWindowTexts::oops());
    QCOMPARE(fx.prompter.calls[0].kind, ScriptedPrompter::Call::Question);
    QCOMPARE(fx.prompter.calls[0].prompt, StoreTexts::exportInstead().arg(reason, path));
    if (kind == QLatin1String("folder"))
        return;
    QCOMPARE(storedNames(), QStringList({"old 1", "old 2"}));

    // Writable again, the store takes the next exit's list: the run that could only read it
    // left nothing behind (a read-only -shm would refuse every later write).
    fx.settings.reset();
    const QStringList left = QDir(folder).entryList(QDir::Files);
    QVERIFY2(left == QStringList{QFileInfo(path).fileName()}, qPrintable(left.join(u' ')));
    MainWindow& again = fx.open();
    again.hat().append(QStringLiteral("kept"));
    fx.close();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(storedNames(), QStringList({"old 1", "old 2", "kept"}));
}

void TestExitSave::whatTheUserHearsOfTheStore_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("change"); // to the list: "add" a name, "set aside" the first
    QTest::addColumn<int>("answer");     // to the export question: 0 none asked, 1 Yes, 2 No
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QString>("atExit");
    QTest::addColumn<QStringList>("stored"); // at the store's path afterwards

    const QString path = QStringLiteral("@store"); // the store's path, known once the test runs
    const QString readOnly = StoreTexts::storeNotKept().arg(StoreTexts::storeReadOnly(), path);
    const QString exportIt = StoreTexts::exportInstead().arg(StoreTexts::storeReadOnly(), path);
    const QStringList old{"old 1", "old 2"}, changed{"old 1", "old 2", "new"};
    QTest::newRow("read-only file, list changed, exported") << "read-only file"
                                                            << "add" << 1 << readOnly << exportIt << old;
    QTest::newRow("read-only folder, list changed, not exported") << "read-only folder"
                                                                  << "add" << 2 << readOnly << exportIt << old;
    QTest::newRow("read-only file, a name set aside, exported after the list")
        << "read-only file"
        << "set aside" << 1 << readOnly << "@set-aside" << old; // its plural once translated
    QTest::newRow("read-only file, list unchanged") << "read-only file"
                                                    << "" << 0 << readOnly << "" << old;
    QTest::newRow("file deleted while running")
        << "rm"
        << "add" << 0 << "" << StoreTexts::storeRecreated().arg(path) << changed;
}

void TestExitSave::whatTheUserHearsOfTheStore()
{
    QFETCH(QString, setup);
    QFETCH(QString, change);
    QFETCH(int, answer);
    QFETCH(QString, atStart);
    QFETCH(QString, atExit);
    QFETCH(QStringList, stored);
    const bool permissions = setup.startsWith(QLatin1String("read-only"));
    if (permissions && geteuid() == 0)
        QSKIP("root writes to read-only files and folders; run as a normal user to check this case");
    MainWindowFixture fx;
    storeOldList(fx);
    const QString path = hivePath();
    atStart.replace(QLatin1String("@store"), path);
    if (atExit == QLatin1String("@set-aside"))
        atExit = StoreTexts::exportWithSetAside(1).arg(StoreTexts::storeReadOnly(), path);
    atExit.replace(QLatin1String("@store"), path);
    const QString folder = QFileInfo(path).path();
    const auto writable = [&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    };
    const auto restore = qScopeGuard(writable);
    if (permissions)
        QVERIFY(QFile::setPermissions(setup.endsWith(QLatin1String("file")) ? path : folder,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    MainWindow& f = fx.open();
    if (!atStart.isEmpty())
        fx.prompter.expectMessage();
    f.show();
    if (atStart.isEmpty()) {
        QTest::qWait(20);
        QCOMPARE(fx.prompter.calls.size(), 0);
    } else {
        QTRY_COMPARE(fx.prompter.calls.size(), 1);
        QCOMPARE(fx.prompter.calls[0].prompt, atStart);
    }
    const qsizetype before = fx.prompter.calls.size();
    if (change == QLatin1String("add"))
        f.hat().append(QStringLiteral("new"));
    else if (change == QLatin1String("set aside"))
        f.hat().setAsideFirst();
    QByteArray kept; // what an export holds: the list, then its set-aside names
    for (const QString& name : f.hat().names() + f.hat().setAside())
        kept += name.toUtf8() + "\r\n\r\n";
    if (setup == QLatin1String("rm"))
        QVERIFY(QFile::remove(path));
    else if (setup == QLatin1String("mv"))
        QVERIFY(QFile::rename(path, path + QStringLiteral(".moved")));
    const QString exported = fx.appDir.filePath(QStringLiteral("kept.txt"));
    if (answer == 1) {
        fx.prompter.answer(Prompter::Answer::Yes);
        fx.prompter.choose(exported);
    } else if (answer == 2) {
        fx.prompter.answer(Prompter::Answer::No);
    } else if (!atExit.isEmpty()) {
        fx.prompter.expectMessage();
    }
    fx.close();
    QCOMPARE(fx.prompter.pending(), 0);
    const QList<ScriptedPrompter::Call> exitCalls = fx.prompter.calls.mid(before);
    QCOMPARE(exitCalls.size(), atExit.isEmpty() ? 0 : answer == 1 ? 2 : 1);
    if (!atExit.isEmpty())
        QCOMPARE(exitCalls[0].prompt, atExit);
    QCOMPARE(QFile::exists(exported), answer == 1);
    QFile file(exported);
    if (answer == 1)
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), kept);
    writable();
    QCOMPARE(storedNames(), stored);
}

void TestExitSave::damagedStoreIsReportedOnceShown()
{
    MainWindowFixture fx;
    const QString path = hivePath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }

    MainWindow& f = fx.open();
    QCOMPARE(f.hat().count(), 0);
    QVERIFY(fx.prompter.calls.isEmpty()); // not before the window is up
    fx.prompter.expectMessage();
    f.show();
    QTRY_COMPARE(fx.prompter.calls.size(), 1);
    const QStringList copies =
        QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + QStringLiteral(".corrupt-*")});
    QCOMPARE(copies.size(), 1);
    const QString copy = QFileInfo(path).path() + QLatin1Char('/') + copies[0];
    QCOMPARE(fx.prompter.calls[0].prompt, StoreTexts::storeDamaged().arg(copy));
    QCOMPARE(fx.prompter.calls[0].title, MainWindowTexts::oops());
    QCOMPARE(QFile(copy).size(), 4096);

    // Once: showing the window again says nothing more.
    f.hide();
    f.show();
    QTest::qWait(20);
    QCOMPARE(fx.prompter.calls.size(), 1);
    fx.close();
}

void TestExitSave::newerStoreIsReadNeverWritten_data()
{
    QTest::addColumn<QByteArray>("change"); // what the newer version did to the file
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("same layout") << QByteArray("PRAGMA user_version = 3") << QStringList{"old 1", "old 2"};
    QTest::newRow("changed layout") << QByteArray("ALTER TABLE reg_values RENAME TO reg_values_3; "
                                                  "PRAGMA user_version = 3")
                                    << QStringList{};
}

void TestExitSave::newerStoreIsReadNeverWritten()
{
    QFETCH(QByteArray, change);
    QFETCH(QStringList, shown);
    MainWindowFixture fx;
    storeOldList(fx);
    const QString path = hivePath();
    sqlite3* newer = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &newer), SQLITE_OK);
    QCOMPARE(sqlite3_exec(newer, change.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(newer);
    const auto bytes = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();

    MainWindow& f = fx.open();
    QCOMPARE(MainWindowFixture::names(f), shown);
    fx.prompter.expectMessage();
    f.show();
    QTRY_COMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, StoreTexts::storeNewer().arg(path));
    f.hat().append(QStringLiteral("new"));
    f.hide();
    f.show();
    fx.close(); // told once: nothing more at exit
    QCOMPARE(fx.prompter.calls.size(), 1);
    fx.settings.reset();
    QCOMPARE(bytes(), before);
}

void TestExitSave::namesBeyondTheLimitAreCounted_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("notice"); // "" for none
    const auto notice = [](const char* leftOut, const char* verb) {
        return QStringLiteral("The settings file holds more names than the list can hold. The first 32,767 were "
                              "loaded; %1 %2 left out and will not be kept.")
            .arg(QLatin1String(leftOut), QLatin1String(verb));
    };
    QTest::newRow("as many as the list holds") << kMaxNames << QString();
    QTest::newRow("one more") << kMaxNames + 1 << notice("1", "was");
    QTest::newRow("many more") << kMaxNames + 1234 << notice("1,234", "were");
}

void TestExitSave::namesBeyondTheLimitAreCounted()
{
    QFETCH(int, stored);
    QFETCH(QString, notice);
    MainWindowFixture fx;
    QStringList names;
    for (int i = 0; i < stored; ++i)
        names.append(QString::number(i));
    QCOMPARE(MainWindowFixture::store().saveNames(names), StoreStatus::Ok);

    MainWindow& f = fx.open();
    QCOMPARE(f.hat().count(), kMaxNames);
    QCOMPARE(f.hat().nameAt(kMaxNames - 1), names[kMaxNames - 1]);
    QVERIFY(fx.prompter.calls.isEmpty()); // not before the window is up
    fx.prompter.expectMessage();
    f.show();
    if (notice.isEmpty()) {
        QTest::qWait(20);
        QVERIFY(fx.prompter.calls.isEmpty());
    } else {
        QTRY_COMPARE(fx.prompter.calls.size(), 1);
        QCOMPARE(fx.prompter.calls[0].prompt, notice);
        QCOMPARE(fx.prompter.calls[0].title, MainWindowTexts::oops());
    }
    fx.close();
}

void TestExitSave::sessionEndSavesTheList()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    ExitGuard guard(&f);
    f.hat().append(QStringLiteral("kept at logout"));
    // Our handler never touches the manager, which only the toolkit can make.
    alignas(QSessionManager) unsigned char manager[sizeof(QSessionManager)] = {};
    emit qApp->commitDataRequest(*reinterpret_cast<QSessionManager*>(manager));
    QCOMPARE(storedNames(), QStringList({"kept at logout"}));
    fx.close();
}

QTEST_MAIN(TestExitSave)
#include "test_exitsave.moc"
