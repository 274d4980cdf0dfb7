#include "TestHome.h"
#include "settings/CRegSettings.h"
#include "settings/SqliteHive.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <string>

namespace {

using Result = RegistryApi::Result;

QString hiveFile(const TestHome& home)
{
    return home.configHome() + QStringLiteral("/nimbrel/registry.sqlite");
}

Result setText(RegistryApi& api, RegistryApi::Handle key, std::string_view name, std::string_view text)
{
    const std::string data = std::string(text) + '\0';
    return api.setValue(key, name, RegistryApi::RegSz, reinterpret_cast<const std::uint8_t*>(data.data()),
                        static_cast<std::uint32_t>(data.size()));
}

QStringList enumNames(RegistryApi& api, RegistryApi::Handle key)
{
    QStringList names;
    char name[64];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t nameLength = sizeof name;
        if (api.enumValue(key, i, name, &nameLength, nullptr, nullptr, nullptr) != RegistryApi::Success)
            return names;
        names.append(QString::fromUtf8(name, nameLength));
    }
}

} // namespace

class TstSqliteHive : public QObject
{
    Q_OBJECT

private slots:
    void userHivePath_data();
    void userHivePath();
    void keyResults_data();
    void keyResults();
    void shortBuffersAskForMore();
    void enumerationFromZeroSeesNewValues();
    void firstSpellingOfAKeyIsKept();
    void corruptHiveIsKeptAside_data();
    void corruptHiveIsKeptAside();
    void unusableLocationFailsQuietly_data();
    void unusableLocationFailsQuietly();
    void readOnlyHiveCanOnlyBeRead();
};

void TstSqliteHive::userHivePath_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("expectedBelowHome");

    QTest::newRow("xdg set") << QByteArray("SET") << "/config/nimbrel/registry.sqlite";
    QTest::newRow("xdg empty") << QByteArray() << "/.config/nimbrel/registry.sqlite";
}

void TstSqliteHive::userHivePath()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expectedBelowHome);

    TestHome home;
    qputenv("XDG_CONFIG_HOME", xdg.isEmpty() ? QByteArray() : home.configHome().toLocal8Bit());
    QCOMPARE(QString::fromStdString(SqliteHive::userHivePath()), home.path() + expectedBelowHome);
}

void TstSqliteHive::keyResults_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("path");
    QTest::addColumn<long>("expected");

    // The hive holds Software\A\B (with a value) and Software\A\C.
    QTest::newRow("open missing") << "open" << "Software\\A\\X" << RegistryApi::FileNotFound;
    QTest::newRow("open existing any case") << "open" << "software\\a\\b" << RegistryApi::Success;
    QTest::newRow("open empty part") << "open" << "Software\\\\A" << RegistryApi::BadPathname;
    QTest::newRow("open trailing separator") << "open" << "Software\\A\\" << RegistryApi::BadPathname;
    QTest::newRow("delete key with subkeys") << "delete" << "A" << RegistryApi::KeyHasChildren;
    QTest::newRow("delete leaf with values") << "delete" << "A\\B" << RegistryApi::Success;
    QTest::newRow("delete missing") << "delete" << "A\\X" << RegistryApi::FileNotFound;
}

void TstSqliteHive::keyResults()
{
    QFETCH(QString, operation);
    QFETCH(QString, path);
    QFETCH(long, expected);

    TestHome home;
    SqliteHive hive(SqliteHive::userHivePath());
    {
        RegistryKey b(hive);
        RegistryKey c(hive);
        QCOMPARE(hive.createKey("Software\\A\\B", b.out()), RegistryApi::Success);
        QCOMPARE(setText(hive, b.get(), "v", "1"), RegistryApi::Success);
        QCOMPARE(hive.createKey("Software\\A\\C", c.out()), RegistryApi::Success);
    }

    RegistryKey key(hive);
    if (operation == QLatin1String("open")) {
        QCOMPARE(hive.openKey(path.toStdString(), RegistryApi::KeyAllAccess, key.out()), expected);
        QCOMPARE(key.get() != 0, expected == RegistryApi::Success);
        return;
    }
    QCOMPARE(hive.openKey("Software", RegistryApi::KeyAllAccess, key.out()), RegistryApi::Success);
    QCOMPARE(hive.deleteKey(key.get(), path.toStdString()), expected);
    RegistryKey b(hive);
    const Result bState = hive.openKey("Software\\A\\B", RegistryApi::KeyRead, b.out());
    QCOMPARE(bState, path == QLatin1String("A\\B") ? RegistryApi::FileNotFound : RegistryApi::Success);
    if (bState == RegistryApi::FileNotFound) {
        // Its values went with it: a new key of that name starts empty.
        QCOMPARE(hive.createKey("Software\\A\\B", b.out()), RegistryApi::Success);
        QVERIFY(enumNames(hive, b.get()).isEmpty());
    }
}

void TstSqliteHive::shortBuffersAskForMore()
{
    TestHome home;
    SqliteHive hive(SqliteHive::userHivePath());
    RegistryKey key(hive);
    QCOMPARE(hive.createKey("K", key.out()), RegistryApi::Success);
    QCOMPARE(setText(hive, key.get(), "LongName", "twelve chars"), RegistryApi::Success);

    std::uint32_t longestName = 0;
    std::uint32_t longestData = 0;
    QCOMPARE(hive.queryInfoKey(key.get(), &longestName, &longestData), RegistryApi::Success);
    QCOMPARE(longestName, 8u);
    QCOMPARE(longestData, 13u);

    std::uint8_t data[13];
    std::uint32_t length = 12;
    QCOMPARE(hive.queryValue(key.get(), "longname", nullptr, data, &length), RegistryApi::MoreData);
    QCOMPARE(length, 13u);

    char name[9];
    std::uint32_t nameLength = 8; // no room for the NUL
    std::uint32_t dataLength = sizeof data;
    QCOMPARE(hive.enumValue(key.get(), 0, name, &nameLength, nullptr, data, &dataLength), RegistryApi::MoreData);
    nameLength = sizeof name;
    dataLength = 12;
    QCOMPARE(hive.enumValue(key.get(), 0, name, &nameLength, nullptr, data, &dataLength), RegistryApi::MoreData);
    nameLength = sizeof name;
    dataLength = sizeof data;
    QCOMPARE(hive.enumValue(key.get(), 0, name, &nameLength, nullptr, data, &dataLength), RegistryApi::Success);
    QCOMPARE(QByteArray(name), QByteArray("LongName"));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(data), dataLength), QByteArray("twelve chars", 13));
    QCOMPARE(hive.enumValue(key.get(), 1, name, &nameLength, nullptr, data, &dataLength), RegistryApi::NoMoreItems);
}

void TstSqliteHive::enumerationFromZeroSeesNewValues()
{
    TestHome home;
    SqliteHive hive(SqliteHive::userHivePath());
    SqliteHive other(SqliteHive::userHivePath());
    RegistryKey key(hive);
    RegistryKey writer(other);
    QCOMPARE(hive.createKey("K", key.out()), RegistryApi::Success);
    QCOMPARE(other.openKey("k", RegistryApi::KeyAllAccess, writer.out()), RegistryApi::Success);
    QCOMPARE(setText(other, writer.get(), "One", "1"), RegistryApi::Success);
    QCOMPARE(enumNames(hive, key.get()), QStringList{"One"});

    QCOMPARE(setText(other, writer.get(), "Two", "2"), RegistryApi::Success);
    QCOMPARE(enumNames(hive, key.get()), (QStringList{"One", "Two"}));
    QCOMPARE(other.deleteValue(writer.get(), "ONE"), RegistryApi::Success);
    QCOMPARE(enumNames(hive, key.get()), QStringList{"Two"});
}

void TstSqliteHive::firstSpellingOfAKeyIsKept()
{
    TestHome home;
    CRegSettings store;
    QVERIFY(store.SaveSetting(QStringLiteral("Last Used Names"), QStringLiteral("Name0"), QStringLiteral("a")));
    QVERIFY(store.SaveSetting(QStringLiteral("LAST USED NAMES"), QStringLiteral("Name1"), QStringLiteral("b")));
    store.setAppName(QStringLiteral("NIMBREL"));
    QVERIFY(store.SaveSetting(QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("c")));

    // The raw hive (file and log) holds each key name once, as first spelled.
    QByteArray bytes;
    for (const QString& name : QStringList{hiveFile(home), hiveFile(home) + QStringLiteral("-wal")}) {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll();
    }
    QVERIFY(bytes.contains("Last Used Names"));
    QVERIFY(!bytes.contains("LAST USED NAMES"));
    QVERIFY(!bytes.contains("NIMBREL"));
    QCOMPARE(store.GetAllSettings(QStringLiteral("last used names")).size(), 2);
}

void TstSqliteHive::corruptHiveIsKeptAside_data()
{
    QTest::addColumn<bool>("damagedDatabase");
    QTest::addColumn<QStringList>("companions");

    // Garbage is caught before SQLite opens it; a damaged database by SQLite's own check.
    QTest::newRow("garbage with its log") << false << QStringList{"-wal"};
    QTest::newRow("damaged database") << true << QStringList();
}

void TstSqliteHive::corruptHiveIsKeptAside()
{
    QFETCH(bool, damagedDatabase);
    QFETCH(QStringList, companions);

    TestHome home;
    QVERIFY(QDir().mkpath(home.configHome() + QStringLiteral("/nimbrel")));
    QByteArray noise;
    for (int i = 0; i < 8192; ++i)
        noise.append(char(i * 37 + 11));
    QByteArray garbage = noise;
    if (damagedDatabase) {
        {
            CRegSettings store;
            for (int i = 0; i < 200; ++i)
                QVERIFY(store.SaveSetting(QStringLiteral("S"), QString::number(i), QString(100, u'x')));
        }
        QFile file(hiveFile(home));
        QVERIFY(file.open(QIODevice::ReadOnly));
        garbage = file.readAll();
        QVERIFY(garbage.size() > 4096 + noise.size());
        // Keep page 1 (header and schema), scramble the pages of the tables.
        garbage.replace(4096, noise.size(), noise);
    }
    QStringList kept{QString()};
    for (const QString& companion : companions)
        kept.append(companion);
    for (const QString& suffix : kept) {
        QFile file(hiveFile(home) + suffix);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }

    CRegSettings store;
    QCOMPARE(store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("1"));
    QVERIFY(store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    QCOMPARE(store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("0"));

    const QDir dir(home.configHome() + QStringLiteral("/nimbrel"));
    const QStringList moved = dir.entryList({QStringLiteral("registry.sqlite.corrupt-*")}, QDir::Files, QDir::Name);
    QVERIFY2(moved.size() == kept.size(), qPrintable(dir.entryList(QDir::Files).join(u' ')));
    const QRegularExpression stamp(QStringLiteral("^registry\\.sqlite\\.corrupt-\\d{8}T\\d{6}$"));
    QVERIFY2(stamp.match(moved.at(0)).hasMatch(), qPrintable(moved.at(0)));
    for (int i = 0; i < kept.size(); ++i) {
        QCOMPARE(moved.at(i), moved.at(0) + kept.at(i));
        QFile old(dir.filePath(moved.at(i)));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), garbage);
    }
}

void TstSqliteHive::unusableLocationFailsQuietly_data()
{
    QTest::addColumn<bool>("configIsFile");

    QTest::newRow("hive path is a folder") << false;
    QTest::newRow("config home is a file") << true;
}

void TstSqliteHive::unusableLocationFailsQuietly()
{
    QFETCH(bool, configIsFile);

    TestHome home;
    if (configIsFile) {
        QVERIFY(QDir(home.configHome()).removeRecursively());
        QFile file(home.configHome());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(hiveFile(home)));
    }

    CRegSettings store;
    {
        CRegSettings::Batch batch = store.beginBatch();
        QVERIFY(!store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
        QVERIFY(!batch.commit());
    }
    QCOMPARE(store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("1"));
    QVERIFY(store.GetAllSettings(QStringLiteral("Options")).isEmpty());
    QVERIFY(!store.DeleteSetting(QStringLiteral("Options"), QString()));
    QCOMPARE(QFileInfo(hiveFile(home)).isDir(), !configIsFile);
}

void TstSqliteHive::readOnlyHiveCanOnlyBeRead()
{
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
    TestHome home;
    {
        CRegSettings store;
        QVERIFY(store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    }
    const QString dir = home.configHome() + QStringLiteral("/nimbrel");
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
    QVERIFY(QFile::setPermissions(hiveFile(home), QFile::ReadOwner | QFile::ReadUser));
    QVERIFY(QFile::setPermissions(dir, readOnly));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(dir, readOnly | QFile::WriteOwner | QFile::WriteUser);
        QFile::setPermissions(hiveFile(home), QFile::ReadOwner | QFile::WriteOwner);
    });

    CRegSettings store;
    QCOMPARE(store.GetAllSettings(QStringLiteral("Options")), (QList<CRegSettings::Row>{{"Sound", "0"}}));
    // Reads that open for writing treat the key as absent.
    QCOMPARE(store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("1"));
    QVERIFY(!store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")));
    QVERIFY(!store.DeleteSetting(QStringLiteral("Options"), QString()));
}

QTEST_GUILESS_MAIN(TstSqliteHive)
#include "tst_SqliteHive.moc"
