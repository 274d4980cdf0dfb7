#include "StoreConformance.h"
#include "TestHome.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/SqliteStore.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sqlite3.h>

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
    void storePath_data();
    void storePath();
    void conformance_data();
    void conformance();
    void corruptStoreIsKeptAside_data();
    void corruptStoreIsKeptAside();
    void unusableLocationFailsQuietly_data();
    void unusableLocationFailsQuietly();
    void readOnlyStoreCanOnlyBeRead();
    void storeOfVersion15OpensWhole();
};

void TestSqliteStore::storePath_data()
{
    QTest::addColumn<bool>("xdgSet");
    QTest::addColumn<QString>("expectedBelowHome");

    QTest::newRow("xdg set") << true << "/config/nimbrel/registry.sqlite";
    QTest::newRow("xdg empty") << false << "/.config/nimbrel/registry.sqlite";
}

void TestSqliteStore::storePath()
{
    QFETCH(bool, xdgSet);
    QFETCH(QString, expectedBelowHome);

    TestHome home;
    qputenv("XDG_CONFIG_HOME", xdgSet ? home.configHome().toLocal8Bit() : QByteArray());
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
    QVERIFY(store.flag(SettingsKeys::Sound));
    QVERIFY(store.names().isEmpty());
    QCOMPARE(QFileInfo(storeFile(home)).isDir(), !configIsFile);
}

void TestSqliteStore::readOnlyStoreCanOnlyBeRead()
{
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
    TestHome home;
    QVERIFY(userSettings().setFlag(SettingsKeys::Sound, false));
    QCOMPARE(userSettings().saveNames({u"Ann"_s}), StoreStatus::Ok);
    const QString dir = home.configHome() + u"/nimbrel"_s;
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
    QVERIFY(QFile::setPermissions(storeFile(home), QFile::ReadOwner | QFile::ReadUser));
    QVERIFY(QFile::setPermissions(dir, readOnly));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(dir, readOnly | QFile::WriteOwner | QFile::WriteUser);
        QFile::setPermissions(storeFile(home), QFile::ReadOwner | QFile::WriteOwner);
    });

    Settings store = userSettings();
    QCOMPARE(store.names(), QStringList{u"Ann"_s});
    // Reading a value opens its key for writing, so the value reads as absent.
    QVERIFY(store.flag(SettingsKeys::Sound));
    QVERIFY(!store.setFlag(SettingsKeys::Sound, true));
    QCOMPARE(store.saveNames({}), StoreStatus::ReadOnly);
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

QTEST_GUILESS_MAIN(TestSqliteStore)
#include "test_sqlitestore.moc"
