#include "ForwardingStore.h"
#include "RegistryConformance.h"
#include "TestHome.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/SqliteHive.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using namespace SettingsKeys;

namespace {

const QString kAppKey = u"Software\\Quorvane\\Nimbrel"_s;
const QString kProgramFolder = u"/opt/nimbrel"_s;

Key textKey(const QString& name)
{
    return {OptionsSection, name, u"DEF"_s, Form::Text};
}

// A fresh hive in its own temporary home, and settings over it as main makes them.
struct Fixture
{
    TestHome home;
    std::shared_ptr<SqliteHive> hive = std::make_shared<SqliteHive>(userStorePath());
    Settings store{hive, kProgramFolder};
    RegistryConformance::Context app{*hive, kAppKey.toStdString(), {}};

    // Writes a value as another program might: any type, any bytes, no NUL added.
    bool setRaw(const QString& section, std::optional<std::string> name, std::uint32_t type, const QByteArray& data)
    {
        RegistryKey key(*hive);
        return hive->createKey(QString(kAppKey + u'\\' + section).toStdString(), key.out()) == RegistryApi::Success &&
               hive->setValue(key.get(), name, type, reinterpret_cast<const std::uint8_t*>(data.constData()),
                              static_cast<std::uint32_t>(data.size())) == RegistryApi::Success;
    }

    bool keyExists(const QString& path)
    {
        RegistryKey key(*hive);
        return hive->openKey(path.toStdString(), RegistryApi::KeyRead, key.out()) == RegistryApi::Success;
    }
};

// A store that answers one call of the exit save with a failure.
class RefusingStore final : public ForwardingStore
{
public:
    RefusingStore(std::shared_ptr<RegistryApi> real, QString call, Result code)
        : ForwardingStore(std::move(real)), m_call(std::move(call)), m_code(code)
    {
    }
    Result beginBatchWaiting(std::uint32_t ms) override
    {
        return m_call == u"begin"_s ? m_code : m_real->beginBatchWaiting(ms);
    }
    Result replaceValues(std::string_view p, std::span<const Value> v) override
    {
        return m_call == u"replace"_s ? m_code : m_real->replaceValues(p, v);
    }
    Result commitBatch() override
    {
        return m_call == u"commit"_s ? (m_real->rollbackBatch(), m_code) : m_real->commitBatch();
    }

private:
    QString m_call;
    Result m_code;
};

// A hive where another program saves a longer value right after each of the first
// `grows` size queries, before the values are walked.
class GrowingHive final : public ForwardingStore
{
public:
    explicit GrowingHive(std::shared_ptr<SqliteHive> inner) : ForwardingStore(std::move(inner)) {}
    int grows = 0;

    Result queryInfoKey(Handle key, std::uint32_t* maxName, std::uint32_t* maxValue) override
    {
        const Result r = m_real->queryInfoKey(key, maxName, maxValue);
        if (grows-- > 0) {
            RegistryKey names(*m_real);
            const std::string text(std::size_t(20 * ++m_writes), 'x');
            m_real->createKey("Software\\Quorvane\\Nimbrel\\Last Used Names", names.out());
            m_real->setValue(names.get(), "Name" + std::string(std::size_t(m_writes), '1'), RegSz,
                             reinterpret_cast<const std::uint8_t*>(text.c_str()), std::uint32_t(text.size() + 1));
        }
        return r;
    }

private:
    int m_writes = 0;
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void setTextCreatesEveryKeyOfThePath();
    void namesCompareCaseInsensitively();
    void saveNames_data();
    void saveNames();
    void saveNamesReportsWhyNot_data();
    void saveNamesReportsWhyNot();
    void sectionWithSubkeysIsNotReplaced();
    void namesSkipNonText();
    void listGrowingWhileReadIsReadWhole();
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
    QVERIFY(f.setRaw(u"Options"_s, "NoData", RegistryApi::RegSz, QByteArray()));
    QVERIFY(f.setRaw(u"Options"_s, "Number", RegistryApi::RegDword, QByteArray("123\0", 4)));

    QCOMPARE(f.store.text(key), expected);
}

void TestSettings::setTextCreatesEveryKeyOfThePath()
{
    Fixture f;
    QVERIFY(!f.keyExists(u"Software\\Quorvane"_s));
    QVERIFY(f.store.setFlag(Sound, false));
    QVERIFY(f.keyExists(u"Software\\Quorvane"_s));
    QVERIFY(f.keyExists(kAppKey));
    QVERIFY2(f.app.holds("\\Options", {"Sound=0"}), f.app.why.c_str());
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
    QCOMPARE(f.store.saveNames(old), Settings::SaveResult::Saved);
    QCOMPARE(f.store.saveNames(names), Settings::SaveResult::Saved);
    QCOMPARE(f.store.names(), names);
    // Stored as Name0, Name1, ... in list order; an empty list leaves no section.
    QCOMPARE(f.keyExists(kAppKey + u"\\Last Used Names"_s), !names.isEmpty());
    std::vector<std::string> rows;
    for (int i = 0; i < names.size(); ++i)
        rows.push_back(QString(nameKey(i) + u'=' + names[i]).toStdString());
    QVERIFY2(names.isEmpty() || f.app.holds("\\Last Used Names", rows), f.app.why.c_str());
}

void TestSettings::saveNamesReportsWhyNot_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<long>("code");
    QTest::addColumn<Settings::SaveResult>("expected");

    QTest::newRow("busy") << "begin" << RegistryApi::Busy << Settings::SaveResult::Busy;
    QTest::newRow("read-only") << "begin" << RegistryApi::AccessDenied << Settings::SaveResult::Unwritable;
    QTest::newRow("failed") << "begin" << RegistryApi::Failure << Settings::SaveResult::Failed;
    QTest::newRow("disk full") << "replace" << RegistryApi::DiskFull << Settings::SaveResult::DiskFull;
    QTest::newRow("commit failed") << "commit" << RegistryApi::DiskFull << Settings::SaveResult::DiskFull;
}

// Whatever fails, the old list stays whole.
void TestSettings::saveNamesReportsWhyNot()
{
    QFETCH(QString, call);
    QFETCH(long, code);
    QFETCH(Settings::SaveResult, expected);

    Fixture f;
    QCOMPARE(f.store.saveNames({u"old"_s}), Settings::SaveResult::Saved);
    Settings refused(std::make_shared<RefusingStore>(f.hive, call, code));
    QCOMPARE(refused.saveNames({u"new 1"_s, u"new 2"_s}), expected);
    QCOMPARE(f.store.names(), QStringList{u"old"_s});
    QCOMPARE(f.store.saveNames({u"new"_s}), Settings::SaveResult::Saved); // no batch left open
}

void TestSettings::sectionWithSubkeysIsNotReplaced()
{
    Fixture f;
    QCOMPARE(f.store.saveNames({u"Ann"_s}), Settings::SaveResult::Saved);
    QVERIFY(f.setRaw(u"Last Used Names\\Inner"_s, "X", RegistryApi::RegSz, QByteArray("1", 2)));

    QCOMPARE(f.store.saveNames({u"Bob"_s}), Settings::SaveResult::Failed);
    QCOMPARE(f.store.names(), QStringList{u"Ann"_s});
    QVERIFY(f.keyExists(kAppKey + u"\\Last Used Names\\Inner"_s));
}

void TestSettings::namesSkipNonText()
{
    Fixture f;
    QVERIFY(f.store.names().isEmpty());
    QVERIFY(f.setRaw(NamesSection, "Name0", RegistryApi::RegDword, QByteArray("\x01\0\0\0", 4)));
    // The buffers are sized for the longest value, here one that is skipped.
    QVERIFY(f.setRaw(NamesSection, "Name1", RegistryApi::RegBinary, QByteArray(300, 'b')));
    QVERIFY(f.store.names().isEmpty());

    QVERIFY(f.setRaw(NamesSection, "Name2", RegistryApi::RegSz, QByteArray("t", 2)));
    QVERIFY(f.setRaw(NamesSection, "Name3", RegistryApi::RegSz, QByteArray()));
    QCOMPARE(f.store.names(), (QStringList{u"t"_s, QString()}));
}

// Another copy of the program saving longer names between sizing and walking the list.
void TestSettings::listGrowingWhileReadIsReadWhole()
{
    Fixture f;
    QCOMPARE(f.store.saveNames({u"Ann"_s}), Settings::SaveResult::Saved);
    auto growing = std::make_shared<GrowingHive>(f.hive);
    Settings reader(growing);
    growing->grows = 2;
    QCOMPARE(reader.names(), (QStringList{u"Ann"_s, QString(20, u'x'), QString(40, u'x')}));
}

void TestSettings::locationWithoutAFileIsTheRegistryKey()
{
    class NoFile final : public ForwardingStore
    {
        std::string location() const override { return {}; }
    };
    TestHome home;
    QCOMPARE(Settings(std::make_shared<NoFile>()).location(), u"HKEY_CURRENT_USER\\Software\\Quorvane\\Nimbrel"_s);
    QCOMPARE(Settings(std::make_shared<SqliteHive>(userStorePath())).location(),
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
        return Settings(std::make_shared<SqliteHive>(userStorePath())).setFlag(Sound, false) ? 0 : 1;
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
