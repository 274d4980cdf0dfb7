#include "StoreConformance.h"
#include "TestHome.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/SqliteStore.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString storeFile(const TestHome& home)
{
    return home.configHome() + u"/nimbrel/registry.sqlite"_s;
}

// Settings over a store at the user's path.
Settings userSettings()
{
    return Settings(std::make_shared<SqliteStore>(userStorePath()));
}

} // namespace

class TestSqliteStore : public QObject
{
    Q_OBJECT

private slots:
    void replacingSeveralSectionsIsAllOrNothing();
    void storePath_data();
    void storePath();
    void conformance_data();
    void conformance();
    void corruptStoreIsKeptAside_data();
    void corruptStoreIsKeptAside();
    void unusableLocationFailsQuietly_data();
    void unusableLocationFailsQuietly();
    void readOnlyStoreCanOnlyBeRead_data();
    void readOnlyStoreCanOnlyBeRead();
    void storeMovedAwayIsWrittenAnew_data();
    void storeMovedAwayIsWrittenAnew();
    void readOnlyShmOfAnotherReader_data();
    void readOnlyShmOfAnotherReader();
    void storeOfVersion15OpensWhole();
};

void TestSqliteStore::storePath_data()
{
    QTest::addColumn<QByteArray>("xdg"); // XDG_CONFIG_HOME, "~" standing for the home folder
    QTest::addColumn<QString>("expectedBelowHome");

    QTest::newRow("xdg set") << QByteArray("~/config") << "/config/nimbrel/registry.sqlite";
    QTest::newRow("xdg empty") << QByteArray() << "/.config/nimbrel/registry.sqlite";
    QTest::newRow("xdg not an absolute path: ignored") << QByteArray("config") << "/.config/nimbrel/registry.sqlite";
}

void TestSqliteStore::storePath()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expectedBelowHome);

    TestHome home;
    qputenv("XDG_CONFIG_HOME", xdg.replace('~', home.path().toLocal8Bit()));
    QCOMPARE(QString::fromStdString(userStorePath()), home.path() + expectedBelowHome);
}

// The cases every store passes (the Windows registry under Wine as well).
void TestSqliteStore::conformance_data()
{
    QTest::addColumn<int>("index");

    const auto& cases = StoreConformance::cases();
    for (int i = 0; i < int(cases.size()); ++i)
        QTest::newRow(cases[std::size_t(i)].name) << i;
}

void TestSqliteStore::conformance()
{
    QFETCH(int, index);

    TestHome home;
    SqliteStore store(userStorePath());
    StoreConformance::Context context{store, "Software\\Nimbrel Tests", {}};
    QVERIFY2(StoreConformance::cases()[std::size_t(index)].run(context), context.why.c_str());
}

void TestSqliteStore::corruptStoreIsKeptAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("files");

    // Garbage is caught before SQLite opens it; a damaged database by SQLite's own check; a
    // sound database with other tables when our statements cannot be made over them.
    QTest::newRow("garbage with its log") << u"garbage"_s << QStringList{"", "-wal"};
    QTest::newRow("damaged database") << u"pages"_s << QStringList{""};
    QTest::newRow("tables of another layout") << u"layout"_s << QStringList{""};
}

void TestSqliteStore::corruptStoreIsKeptAside()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, files);

    TestHome home;
    QVERIFY(QDir().mkpath(home.configHome() + u"/nimbrel"_s));
    QByteArray noise;
    for (int i = 0; i < 8192; ++i)
        noise.append(char(i * 37 + 11));
    QByteArray garbage = noise;
    if (damage != u"garbage"_s) {
        QCOMPARE(userSettings().saveNames(QStringList(200, QString(100, u'x'))), StoreStatus::Ok);
        if (damage == u"layout"_s) {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(qPrintable(storeFile(home)), &db), SQLITE_OK);
            const int renamed =
                sqlite3_exec(db, "ALTER TABLE reg_values RENAME COLUMN folded TO lowered", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            QCOMPARE(renamed, SQLITE_OK);
        }
        QFile file(storeFile(home));
        QVERIFY(file.open(QIODevice::ReadOnly));
        garbage = file.readAll();
        QVERIFY(garbage.size() > 4096 + noise.size());
        // Keep page 1 (header and schema), scramble the tables' pages.
        if (damage == u"pages"_s)
            garbage.replace(4096, noise.size(), noise);
    }
    for (const QString& suffix : files) {
        QFile file(storeFile(home) + suffix);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }

    Settings store = userSettings();
    QVERIFY(store.names().isEmpty());
    QVERIFY(store.setText(SettingsKeys::Sound, u"0"_s));
    QCOMPARE(store.text(SettingsKeys::Sound), u"0"_s);

    const QDir dir(home.configHome() + u"/nimbrel"_s);
    const QStringList moved = dir.entryList({u"registry.sqlite.corrupt-*"_s}, QDir::Files, QDir::Name);
    QVERIFY2(moved.size() == files.size(), qPrintable(dir.entryList(QDir::Files).join(u' ')));
    QVERIFY2(QRegularExpression(u"^registry\\.sqlite\\.corrupt-\\d{8}T\\d{6}$"_s).match(moved.at(0)).hasMatch(),
             qPrintable(moved.at(0)));
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(moved.at(i), moved.at(0) + files.at(i));
        QFile old(dir.filePath(moved.at(i)));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), garbage);
    }
}

void TestSqliteStore::unusableLocationFailsQuietly_data()
{
    QTest::addColumn<bool>("configIsFile");

    QTest::newRow("store path is a folder") << false;
    QTest::newRow("config home is a file") << true;
}

void TestSqliteStore::unusableLocationFailsQuietly()
{
    QFETCH(bool, configIsFile);

    TestHome home;
    if (configIsFile) {
        QVERIFY(QDir(home.configHome()).removeRecursively());
        QVERIFY(QFile(home.configHome()).open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(storeFile(home)));
    }

    Settings store = userSettings();
    QCOMPARE(store.saveNames({u"Ann"_s}), StoreStatus::Failed);
    QVERIFY(!store.setFlag(SettingsKeys::Sound, false));
    QVERIFY(!store.flag(SettingsKeys::Sound));         // the choice holds for this run
    QVERIFY(userSettings().flag(SettingsKeys::Sound)); // but is not kept
    QVERIFY(store.names().isEmpty());
    QCOMPARE(QFileInfo(storeFile(home)).isDir(), !configIsFile);
}

void TestSqliteStore::readOnlyStoreCanOnlyBeRead_data()
{
    QTest::addColumn<bool>("fileReadOnly");
    QTest::addColumn<bool>("folderReadOnly");
    QTest::addColumn<bool>("lastSaveInLog"); // the last save is still in the -wal, not yet in the file

    QTest::newRow("read-only file") << true << false << false;
    QTest::newRow("read-only folder") << false << true << false;
    QTest::newRow("read-only file, last save in the log") << true << false << true;
    QTest::newRow("read-only folder, last save in the log") << false << true << true;
}

void TestSqliteStore::readOnlyStoreCanOnlyBeRead()
{
    QFETCH(bool, fileReadOnly);
    QFETCH(bool, folderReadOnly);
    QFETCH(bool, lastSaveInLog);
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
    TestHome home;
    const QString path = storeFile(home);
    QVERIFY(userSettings().setFlag(SettingsKeys::Sound, false));
    QCOMPARE(userSettings().saveNames({u"Ann"_s}), StoreStatus::Ok);
    QStringList last{u"Ann"_s};
    if (lastSaveInLog) {
        // Copied while the saving copy still runs: the file as it was, the save in its log.
        Settings saving = userSettings();
        last = QStringList{u"Ann"_s, u"Bob"_s};
        QCOMPARE(saving.saveNames(last), StoreStatus::Ok);
        QVERIFY(QFileInfo(path + u"-wal"_s).size() > 0);
        for (const QString& suffix : {u""_s, u"-wal"_s})
            QVERIFY(QFile::copy(path + suffix, path + suffix + u".kept"_s));
    }
    if (lastSaveInLog) {
        for (const QString& suffix : {u""_s, u"-wal"_s}) {
            QFile::remove(path + suffix);
            QVERIFY(QFile::rename(path + suffix + u".kept"_s, path + suffix));
        }
        QFile::remove(path + u"-shm"_s);
    }
    const QString dir = home.configHome() + u"/nimbrel"_s;
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
    const QStringList before = QDir(dir).entryList(QDir::Files);
    if (fileReadOnly)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    if (folderReadOnly)
        QVERIFY(QFile::setPermissions(dir, readOnly));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(dir, readOnly | QFile::WriteOwner | QFile::WriteUser);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    });

    {
        Settings store = userSettings();
        QCOMPARE(store.names(), last);
        QCOMPARE(store.writability(), StoreStatus::ReadOnly);
        // Reading a value opens its key for writing, so the value reads as absent.
        QVERIFY(store.flag(SettingsKeys::Sound));
        QVERIFY(!store.setFlag(SettingsKeys::Sound, true));
        QCOMPARE(store.saveNames({}), StoreStatus::ReadOnly);
    }
    // Nothing made beside the store is left there.
    QCOMPARE(QDir(dir).entryList(QDir::Files), before);
}

void TestSqliteStore::storeMovedAwayIsWrittenAnew_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("optionsKept"); // the options come along into the new file

    QTest::newRow("file deleted") << "rm" << true;
    QTest::newRow("file moved") << "mv" << true;
    QTest::newRow("folder deleted") << "rm -r" << true;
    QTest::newRow("another file put in its place") << "replaced" << false;
}

void TestSqliteStore::storeMovedAwayIsWrittenAnew()
{
    QFETCH(QString, how);
    QFETCH(bool, optionsKept);
    TestHome home;
    const QString path = storeFile(home);
    const QString moved = home.path() + u"/moved.sqlite"_s;
    auto sqlite = std::make_shared<SqliteStore>(userStorePath());
    Settings store(sqlite);
    QVERIFY(store.setFlag(SettingsKeys::Sound, false));
    QCOMPARE(store.saveNames({u"Ann"_s}), StoreStatus::Ok);

    if (how == u"rm"_s) {
        QVERIFY(QFile::remove(path));
    } else if (how == u"mv"_s) {
        QVERIFY(QFile::rename(path, moved));
    } else if (how == u"rm -r"_s) {
        QVERIFY(QDir(QFileInfo(path).path()).removeRecursively());
    } else {
        QVERIFY(QFile::rename(path, moved));
        QCOMPARE(Settings(std::make_shared<SqliteStore>(moved.toStdString() + ".other")).saveNames({u"Zed"_s}),
                 StoreStatus::Ok);
        QVERIFY(QFile::rename(moved + u".other"_s, path));
    }
    QVERIFY(!store.takeRecreated());
    QCOMPARE(store.saveNames({u"Ann"_s, u"Bob"_s}), StoreStatus::Ok);
    QVERIFY(store.takeRecreated());
    QVERIFY(!store.takeRecreated()); // once
    QCOMPARE(store.saveNames({u"Ann"_s, u"Bob"_s, u"Cy"_s}), StoreStatus::Ok);
    QVERIFY(!store.takeRecreated());

    // A later start finds the last list, and the options with it, at the store's path.
    sqlite.reset();
    Settings later = userSettings();
    QCOMPARE(later.names(), QStringList({u"Ann"_s, u"Bob"_s, u"Cy"_s}));
    QCOMPARE(later.flag(SettingsKeys::Sound), !optionsKept);
    QVERIFY(later.takeDamagedCopy().isEmpty());
    if (how == u"mv"_s) // the moved file keeps what it held, whole
        QCOMPARE(Settings(std::make_shared<SqliteStore>(moved.toStdString())).names(), QStringList{u"Ann"_s});
}

void TestSqliteStore::readOnlyShmOfAnotherReader_data()
{
    QTest::addColumn<bool>("readerStays"); // the other reader still has the file open
    QTest::newRow("reader gone: made anew") << false;
    QTest::newRow("reader still there: named") << true;
}

// A reader that opened the file while it was read-only leaves a -shm of that mode behind.
void TestSqliteStore::readOnlyShmOfAnotherReader()
{
    QFETCH(bool, readerStays);
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
    TestHome home;
    const QString path = storeFile(home);
    QCOMPARE(userSettings().saveNames({u"Ann"_s}), StoreStatus::Ok);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    // The reader is another process: a process never sees its own locks.
    int ready[2], done[2];
    QVERIFY(pipe(ready) == 0 && pipe(done) == 0);
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* reader = nullptr;
        sqlite3_open_v2(qPrintable(path), &reader, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(reader, "SELECT count(*) FROM reg_values", nullptr, nullptr, nullptr);
        if (!readerStays)
            sqlite3_close(std::exchange(reader, nullptr));
        char byte = 1;
        ::close(done[1]);
        (void)!write(ready[1], &byte, 1);
        (void)!read(done[0], &byte, 1); // until the test closes its end
        sqlite3_close(reader);
        _exit(0);
    }
    ::close(done[0]);
    char byte = 0;
    QCOMPARE(read(ready[0], &byte, 1), ssize_t(1));
    const auto endReader = qScopeGuard([&] {
        ::close(done[1]);
        waitpid(child, nullptr, 0);
    });
    const QString shm = path + u"-shm"_s;
    QVERIFY(QFileInfo::exists(shm) && !QFileInfo(shm).isWritable());
    QVERIFY(QFileInfo::exists(path + u"-wal"_s) && !QFileInfo(path + u"-wal"_s).isWritable());
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));

    Settings store = userSettings();
    const StoreStatus expected = readerStays ? StoreStatus::ReadOnly : StoreStatus::Ok;
    QCOMPARE(store.saveNames({u"Bob"_s}), expected);
    QCOMPARE(store.fileInTheWay(), readerStays ? shm : QString());
    QCOMPARE(store.names(), readerStays ? QStringList{u"Ann"_s} : QStringList{u"Bob"_s});
}

// A store written by version 1.5 (flash, sound and the help message off, a folder, twelve
// names) opens with every value in place.
void TestSqliteStore::storeOfVersion15OpensWhole()
{
    TestHome home;
    QVERIFY(QDir().mkpath(home.configHome() + u"/nimbrel"_s));
    QVERIFY(QFile::copy(QFINDTESTDATA("data/store-1.5.sqlite"), storeFile(home)));
    Settings store = userSettings();
    using namespace SettingsKeys;
    QCOMPARE(QList<bool>({store.flag(Flash), store.flag(Shake), store.flag(Sound), store.flag(SaveNames),
                          store.flag(ShowHelpMessage)}),
             QList<bool>({false, true, false, true, false}));
    QCOMPARE(store.text(LastUsedFolder), u"/home/zoë/Listen/klasse 7b.txt"_s);
    QCOMPARE(store.names(),
             QStringList({u"Ann"_s, u"Bob"_s, u"Zoë"_s, u"Jürgen"_s, u"Åsa"_s, u"Łukasz"_s, u"Nguyễn Văn An"_s,
                          u"Søren"_s, u"Chloé"_s, u"Dmitri Иванов"_s, u"Eve"_s, u"Fiona"_s}));
    QVERIFY(store.takeDamagedCopy().isEmpty() && !store.newerVersion());
}

void TestSqliteStore::replacingSeveralSectionsIsAllOrNothing()
{
    TestHome home;
    SqliteStore store(QDir(home.path()).filePath(QStringLiteral("store.sqlite")).toStdString());
    // A section with one below it is refused: the first section must not change either.
    QCOMPARE(store.setValue("Nimbrel\\Aside\\Below", "x", "1"), StoreStatus::Ok);
    const std::vector<SettingsStore::Row> rows = {{"Name0", "Ann"}};
    const SettingsStore::SectionRows sections[] = {{"Nimbrel\\List", rows}, {"Nimbrel\\Aside", rows}};
    QVERIFY(store.replaceSections(sections, 100) != StoreStatus::Ok);
    QVERIFY(store.rows("Nimbrel\\List").empty());
}

QTEST_GUILESS_MAIN(TestSqliteStore)
#include "test_sqlitestore.moc"
