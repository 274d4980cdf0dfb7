#include "ForwardingStore.h"
#include "StoreConformance.h"
#include "TestHome.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/SqliteStore.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <sqlite3.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace SettingsKeys;

namespace {

const QString kAppKey = u"Software\\Quorvane\\Nimbrel"_s;
const QString kProgramFolder = u"/opt/nimbrel"_s;

Key textKey(const QString& name)
{
    return {OptionsSection, name, u"DEF"_s, Form::Text};
}

// Runs one statement on the store's file, its parameters bound as the store binds them.
bool runSql(const char* sql, const QList<QVariant>& parameters)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_open(userStorePath().c_str(), &db) == SQLITE_OK &&
              sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    for (int i = 0; ok && i < parameters.size(); ++i) {
        const QByteArray bytes = parameters[i].toByteArray();
        ok =
            (parameters[i].typeId() == QMetaType::Int
                 ? sqlite3_bind_int(stmt, i + 1, parameters[i].toInt())
                 : sqlite3_bind_blob(stmt, i + 1, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT)) == SQLITE_OK;
    }
    ok = ok && sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return ok;
}

// A fresh store in its own temporary home, and settings over it as main makes them.
struct Fixture
{
    TestHome home;
    std::shared_ptr<SqliteStore> sqlite = std::make_shared<SqliteStore>(userStorePath());
    Settings store{sqlite, kProgramFolder};
    StoreConformance::Context app{*sqlite, kAppKey.toStdString(), {}};

    // Writes a value into an existing section as another program might: any type, any
    // bytes, no NUL added.
    bool setRaw(const QString& section, const QByteArray& name, int type, const QByteArray& data)
    {
        return runSql(
            "INSERT INTO reg_values(key_id, name, folded, type, data) SELECT id, ?2, ?3, ?4, ?5 FROM reg_keys "
            "WHERE name = ?1 ON CONFLICT(key_id, folded) DO UPDATE SET type = ?4, data = ?5 RETURNING 1",
            {section.toUtf8(), name, name.toLower(), type, data});
    }

    static bool keyExists(const QString& name)
    {
        return runSql("SELECT 1 FROM reg_keys WHERE name = ?1", {name.toUtf8()});
    }
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void reducedMotionChangesOnlyTheDefault_data();
    void reducedMotionChangesOnlyTheDefault();
    void namesCompareCaseInsensitively();
    void saveNames_data();
    void saveNames();
    void sectionWithSubkeysIsNotReplaced();
    void namesSkipNonText();
    void locationWithoutAFileIsTheRegistryKey();
    void secondProcessWriteIsSeenAtOnce();
};

void TestSettings::text_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stored text") << textKey(u"Sound"_s) << "0";
    QTest::newRow("non-ASCII text") << textKey(u"Folder"_s) << "/home/zoë/☃ names.txt";
    QTest::newRow("missing value") << textKey(u"Missing"_s) << "DEF";
    QTest::newRow("empty text") << textKey(u"Empty"_s) << "";
    QTest::newRow("no data at all") << textKey(u"NoData"_s) << "DEF";
    QTest::newRow("type not examined") << textKey(u"Number"_s) << "123";
    QTest::newRow("a folder defaults to the program's") << LastUsedFolder << kProgramFolder;
}

void TestSettings::text()
{
    QFETCH(Key, key);
    QFETCH(QString, expected);

    Fixture f;
    QVERIFY(f.store.setText(textKey(u"Sound"_s), u"0"_s));
    QVERIFY(f.store.setText(textKey(u"Folder"_s), u"/home/zoë/☃ names.txt"_s));
    QVERIFY(f.store.setText(textKey(u"Empty"_s), QString()));
    QVERIFY(f.setRaw(u"Options"_s, "NoData", 1, QByteArray()));
    QVERIFY(f.setRaw(u"Options"_s, "Number", 4, QByteArray("123\0", 4)));

    QCOMPARE(f.store.text(key), expected);
}

void TestSettings::reducedMotionChangesOnlyTheDefault_data()
{
    QTest::addColumn<bool>("reduced");         // the desktop asks for less motion
    QTest::addColumn<QString>("stored");       // "Flashy Color Thing" as Options stored it, "" for never
    QTest::addColumn<QList<bool>>("expected"); // Flash, Shake, Sound

    QTest::newRow("usual desktop, first run") << false << "" << QList<bool>{true, true, true};
    QTest::newRow("less motion, first run") << true << "" << QList<bool>{false, false, true};
    QTest::newRow("less motion, flash chosen") << true << "1" << QList<bool>{true, false, true};
    QTest::newRow("usual desktop, flash turned off") << false << "0" << QList<bool>{false, true, true};
}

void TestSettings::reducedMotionChangesOnlyTheDefault()
{
    QFETCH(bool, reduced);
    QFETCH(QString, stored);
    QFETCH(QList<bool>, expected);

    Fixture f;
    if (!stored.isEmpty())
        QVERIFY(f.store.setText(Flash, stored));
    f.store.setReducedMotion(reduced);
    QCOMPARE(QList<bool>({f.store.flag(Flash), f.store.flag(Shake), f.store.flag(Sound)}), expected);
    // Only the default changed: nothing was written.
    QCOMPARE(f.sqlite->value(kAppKey.toStdString() + "\\Options", "Shaky Window Thing"), std::nullopt);
}

void TestSettings::namesCompareCaseInsensitively()
{
    Fixture f;
    QVERIFY(f.store.setFlag(Sound, true));
    QVERIFY(f.store.setText({u"OPTIONS"_s, u"sOUND"_s, u"1"_s, Form::Flag}, u"0"_s));
    QVERIFY(!f.store.flag(Sound));
    QVERIFY2(f.app.holds("\\Options", {"Sound=0"}), f.app.why.c_str());
}

void TestSettings::saveNames_data()
{
    QTest::addColumn<QStringList>("old");
    QTest::addColumn<QStringList>("names");

    QStringList fifteen; // Name10 follows Name9
    for (int i = 0; i < 15; ++i)
        fifteen.append(QString::number(i));
    QTest::newRow("first save") << QStringList() << QStringList{"Ann", "Bob"};
    QTest::newRow("over a longer list") << QStringList{"a", "b", "c"} << QStringList{"Ann"};
    QTest::newRow("over a shorter list") << QStringList{"a"} << fifteen;
    QTest::newRow("empty list: no section") << QStringList{"a", "b"} << QStringList();
}

void TestSettings::saveNames()
{
    QFETCH(QStringList, old);
    QFETCH(QStringList, names);

    Fixture f;
    QCOMPARE(f.store.saveNames(old), StoreStatus::Ok);
    QCOMPARE(f.store.saveNames(names), StoreStatus::Ok);
    QCOMPARE(f.store.names(), names);
    // Stored as Name0, Name1, ... in list order; an empty list leaves no section.
    QCOMPARE(f.keyExists(NamesSection), !names.isEmpty());
    std::vector<std::string> rows;
    for (int i = 0; i < names.size(); ++i)
        rows.push_back(QString(nameKey(i) + u'=' + names[i]).toStdString());
    QVERIFY2(names.isEmpty() || f.app.holds("\\Last Used Names", rows), f.app.why.c_str());
}

void TestSettings::sectionWithSubkeysIsNotReplaced()
{
    Fixture f;
    QCOMPARE(f.store.saveNames({u"Ann"_s}), StoreStatus::Ok);
    QVERIFY(f.store.setText({NamesSection + u"\\Inner"_s, u"X"_s, {}, Form::Text}, u"1"_s));

    QCOMPARE(f.store.saveNames({u"Bob"_s}), StoreStatus::Failed);
    QCOMPARE(f.store.names(), QStringList{u"Ann"_s});
    QVERIFY(f.keyExists(u"Inner"_s));
}

void TestSettings::namesSkipNonText()
{
    Fixture f;
    QCOMPARE(f.store.saveNames({u"x"_s}), StoreStatus::Ok);
    QVERIFY(f.setRaw(NamesSection, "Name0", 4, QByteArray("\x01\0\0\0", 4)));
    QVERIFY(f.setRaw(NamesSection, "Name1", 3, QByteArray(300, 'b')));
    QVERIFY(f.store.names().isEmpty());

    QVERIFY(f.setRaw(NamesSection, "Name2", 1, QByteArray("t", 2)));
    QVERIFY(f.setRaw(NamesSection, "Name3", 1, QByteArray()));
    QCOMPARE(f.store.names(), (QStringList{u"t"_s, QString()}));
}

void TestSettings::locationWithoutAFileIsTheRegistryKey()
{
    class NoFile final : public ForwardingStore
    {
        std::string location() const override { return {}; }
    };
    TestHome home;
    QCOMPARE(Settings(std::make_shared<NoFile>()).location(), u"HKEY_CURRENT_USER\\Software\\Quorvane\\Nimbrel"_s);
    QCOMPARE(Settings(std::make_shared<SqliteStore>(userStorePath())).location(),
             home.configHome() + u"/nimbrel/registry.sqlite"_s);
}

// "--sound-off" makes this binary a second running copy of the program.
void TestSettings::secondProcessWriteIsSeenAtOnce()
{
    Fixture f;
    QVERIFY(f.store.setFlag(Sound, true));
    QVERIFY(f.store.flag(Sound));

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {u"--sound-off"_s});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 0);

    QVERIFY(!f.store.flag(Sound));
    QVERIFY(f.store.setFlag(Sound, true));
    QVERIFY2(f.app.holds("\\Options", {"Sound=1"}), f.app.why.c_str());
}

int main(int argc, char** argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--sound-off") == 0)
        return Settings(std::make_shared<SqliteStore>(userStorePath())).setFlag(Sound, false) ? 0 : 1;
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
