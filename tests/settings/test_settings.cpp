#include "ForwardingStore.h"
#include "TestHome.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "settings/SqliteHive.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Rows = QList<Settings::Row>;

const QString kAppKey = u"Software\\Quorvane\\Nimbrel"_s;

// A fresh hive in its own temporary home, and a store set up as the program's windows do.
struct Fixture
{
    TestHome home;
    std::shared_ptr<SqliteHive> hive = std::make_shared<SqliteHive>(SqliteHive::userHivePath());
    Settings store{hive};

    Fixture()
    {
        store.setCompany(SettingsKeys::Company);
        store.setAppName(SettingsKeys::AppName);
    }

    bool save(const QString& section, const QString& key, const QString& text)
    {
        return store.SaveSetting(section, key, text);
    }
    QString get(const QString& section, const QString& key, const QString& fallback = u"DEF"_s)
    {
        return store.GetSetting(section, key, fallback);
    }

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

    QStringList column(const QString& section, bool names)
    {
        QStringList out;
        for (const Settings::Row& row : store.GetAllSettings(section))
            out.append(names ? row.first : row.second);
        return out;
    }
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
            m_real->createKey("Software\\Quorvane\\Nimbrel\\Names", names.out());
            m_real->setValue(names.get(), "A-longer-name" + std::string(std::size_t(m_writes), 'n'), RegSz,
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
    void properties_data();
    void properties();
    void getSetting_data();
    void getSetting();
    void saveCreatesEveryKeyOfThePath();
    void deleteSetting_data();
    void deleteSetting();
    void sectionWithSubkeysIsNotDeleted();
    void getAllSettingsSkipsNonText();
    void emptySectionIsTheApplicationKey();
    void namesCompareCaseInsensitively();
    void valuesComeInCreationOrder();
    void rewriteKeepsItsPlace();
    void batch_data();
    void batch();
    void secondBatchIsRefused();
    void listGrowingWhileReadIsReadWhole();
    void secondProcessWriteIsSeenAtOnce();
};

void TestSettings::properties_data()
{
    QTest::addColumn<bool>("company");
    QTest::addColumn<QString>("newVal");
    QTest::addColumn<QString>("expected");

    QTest::newRow("company trimmed") << true << "  Acme Ltd "
                                     << "Acme Ltd";
    QTest::newRow("company empty resets") << true << ""
                                          << "VB and VBA Program Settings";
    QTest::newRow("company spaces only") << true << "   "
                                         << "";
    QTest::newRow("company tab kept") << true << "\tAcme"
                                      << "\tAcme";
    QTest::newRow("app trimmed") << false << " Other "
                                 << "Other";
    QTest::newRow("app empty resets") << false << ""
                                      << "Nimbrel";
    QTest::newRow("app spaces only") << false << " "
                                     << "";
}

void TestSettings::properties()
{
    QFETCH(bool, company);
    QFETCH(QString, newVal);
    QFETCH(QString, expected);

    TestHome home;
    Settings store;
    // Start away from the initial values, so that a reset shows.
    store.setCompany(u"X"_s);
    store.setAppName(u"Y"_s);
    std::invoke(company ? &Settings::setCompany : &Settings::setAppName, store, newVal);
    QCOMPARE(store.Company(), company ? expected : u"X"_s);
    QCOMPARE(store.AppName(), company ? u"Y"_s : expected);
}

void TestSettings::getSetting_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stored text") << "Sound"
                                 << "0";
    QTest::newRow("non-ASCII text") << "Folder"
                                    << "/home/zoë/☃ names.txt";
    QTest::newRow("missing value") << "Missing"
                                   << "DEF";
    QTest::newRow("empty text") << "Empty"
                                << "";
    QTest::newRow("no data at all") << "NoData"
                                    << "DEF";
    QTest::newRow("type not examined") << "Number"
                                       << "123";
    QTest::newRow("star is the unnamed value") << "*"
                                               << "dflt";
}

void TestSettings::getSetting()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Fixture f;
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"0"_s));
    QVERIFY(f.save(u"Options"_s, u"Folder"_s, u"/home/zoë/☃ names.txt"_s));
    QVERIFY(f.save(u"Options"_s, u"Empty"_s, QString()));
    QVERIFY(f.save(u"Options"_s, u"*"_s, u"dflt"_s));
    QVERIFY(f.setRaw(u"Options"_s, "NoData", RegistryApi::RegSz, QByteArray()));
    QVERIFY(f.setRaw(u"Options"_s, "Number", RegistryApi::RegDword, QByteArray("123\0", 4)));

    QCOMPARE(f.get(u"Options"_s, key), expected);
}

void TestSettings::saveCreatesEveryKeyOfThePath()
{
    Fixture f;
    QVERIFY(!f.keyExists(u"Software\\Quorvane"_s));
    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"DEF"_s);

    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"0"_s));
    QVERIFY(f.keyExists(u"Software\\Quorvane"_s));
    QVERIFY(f.keyExists(kAppKey));
    QVERIFY(f.keyExists(kAppKey + u"\\Options"_s));
    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"0"_s);
}

void TestSettings::deleteSetting_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<Rows>("namesAfter");

    // Before: Names holds Name0, Name1 and an unnamed value; Options holds Sound.
    const Rows names{{"Name0", "Ann"}, {"Name1", "Bob"}, {"", "dflt"}};
    QTest::newRow("section") << "Names"
                             << "" << true << Rows();
    QTest::newRow("one value") << "Names"
                               << "Name0" << true << names.mid(1);
    QTest::newRow("star only the unnamed value") << "Names"
                                                 << "*" << true << names.mid(0, 2);
    QTest::newRow("missing value") << "Names"
                                   << "Name7" << false << names;
    QTest::newRow("missing section") << "Gone"
                                     << "" << false << names;
    QTest::newRow("value of missing section") << "Gone"
                                              << "Name0" << false << names;
}

void TestSettings::deleteSetting()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, expected);
    QFETCH(Rows, namesAfter);

    Fixture f;
    QVERIFY(f.save(u"Names"_s, u"Name0"_s, u"Ann"_s));
    QVERIFY(f.save(u"Names"_s, u"Name1"_s, u"Bob"_s));
    QVERIFY(f.save(u"Names"_s, u"*"_s, u"dflt"_s));
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"0"_s));

    QCOMPARE(f.store.DeleteSetting(section, key), expected);
    QCOMPARE(f.store.GetAllSettings(u"Names"_s), namesAfter);
    QCOMPARE(f.store.GetAllSettings(u"Options"_s), (Rows{{"Sound", "0"}}));
    QCOMPARE(f.keyExists(kAppKey + u"\\Names"_s), !namesAfter.isEmpty());
}

void TestSettings::sectionWithSubkeysIsNotDeleted()
{
    Fixture f;
    QVERIFY(f.save(u"Names"_s, u"Name0"_s, u"Ann"_s));
    QVERIFY(f.save(u"Names\\Inner"_s, u"X"_s, u"1"_s));

    QVERIFY(!f.store.DeleteSetting(u"Names"_s, QString()));
    QCOMPARE(f.store.GetAllSettings(u"Names"_s), (Rows{{"Name0", "Ann"}}));
    QCOMPARE(f.get(u"Names\\Inner"_s, u"X"_s), u"1"_s);
}

void TestSettings::getAllSettingsSkipsNonText()
{
    Fixture f;
    QVERIFY(f.store.GetAllSettings(u"Mixed"_s).isEmpty());
    QVERIFY(f.setRaw(u"Mixed"_s, "Dword", RegistryApi::RegDword, QByteArray("\x01\0\0\0", 4)));
    // The buffers are sized for the longest value, here one that is skipped.
    QVERIFY(f.setRaw(u"Mixed"_s, "Binary", RegistryApi::RegBinary, QByteArray(300, 'b')));
    QVERIFY(f.store.GetAllSettings(u"Mixed"_s).isEmpty());

    QVERIFY(f.save(u"Mixed"_s, u"Text"_s, u"t"_s));
    QVERIFY(f.setRaw(u"Mixed"_s, "NoData", RegistryApi::RegSz, QByteArray()));
    QCOMPARE(f.store.GetAllSettings(u"Mixed"_s), (Rows{{"Text", "t"}, {"NoData", ""}}));
}

void TestSettings::emptySectionIsTheApplicationKey()
{
    Fixture f;
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"0"_s));
    QVERIFY(f.save(QString(), u"Top"_s, u"t"_s));

    QCOMPARE(f.get(QString(), u"Top"_s), u"t"_s);
    QCOMPARE(f.store.GetAllSettings(QString()), (Rows{{"Top", "t"}}));
    QVERIFY(f.store.DeleteSetting(QString(), u"Top"_s));
    QCOMPARE(f.get(QString(), u"Top"_s), u"DEF"_s);
    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"0"_s);
}

void TestSettings::namesCompareCaseInsensitively()
{
    Fixture f;
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"1"_s));
    QVERIFY(f.save(u"OPTIONS"_s, u"sOUND"_s, u"0"_s));

    QCOMPARE(f.store.GetAllSettings(u"options"_s), (Rows{{"Sound", "0"}}));
    f.store.setCompany(u"QUORVANE"_s);
    f.store.setAppName(u"nimbrel"_s);
    QCOMPARE(f.get(u"Options"_s, u"SOUND"_s), u"0"_s);
    QVERIFY(f.store.DeleteSetting(u"oPtIoNs"_s, QString()));
    QVERIFY(!f.keyExists(kAppKey + u"\\Options"_s));
}

void TestSettings::valuesComeInCreationOrder()
{
    Fixture f;
    QStringList expected;
    for (int i = 0; i < 15; ++i) {
        expected.append(SettingsKeys::nameKey(i));
        QVERIFY(f.save(SettingsKeys::NamesSection, SettingsKeys::nameKey(i), QString::number(i)));
    }
    QCOMPARE(f.column(SettingsKeys::NamesSection, true), expected);
}

void TestSettings::rewriteKeepsItsPlace()
{
    Fixture f;
    for (const QString& name : {u"B"_s, u"A"_s, u"C"_s})
        QVERIFY(f.save(u"S"_s, name, u"old"_s));

    QVERIFY(f.save(u"S"_s, u"a"_s, u"new"_s));
    QCOMPARE(f.store.GetAllSettings(u"S"_s), (Rows{{"B", "old"}, {"A", "new"}, {"C", "old"}}));

    // Deleted and written again, a value is a new one and comes last.
    QVERIFY(f.store.DeleteSetting(u"S"_s, u"B"_s));
    QVERIFY(f.save(u"S"_s, u"B"_s, u"again"_s));
    QCOMPARE(f.column(u"S"_s, true), (QStringList{"A", "C", "B"}));
}

void TestSettings::batch_data()
{
    QTest::addColumn<bool>("commit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("committed") << true << QStringList{"Ann", "Bob", "Cy"};
    QTest::newRow("dropped") << false << QStringList{"Old0", "Old1", "Old2", "Old3"};
}

void TestSettings::batch()
{
    QFETCH(bool, commit);
    QFETCH(QStringList, expected);

    Fixture f;
    const QString& section = SettingsKeys::NamesSection;
    for (int i = 0; i < 4; ++i)
        QVERIFY(f.save(section, SettingsKeys::nameKey(i), u"Old%1"_s.arg(i)));

    // The list is rewritten as the main window does it, partly through a second instance
    // (another window), which joins the open batch.
    Settings other(f.hive);
    other.setCompany(SettingsKeys::Company);
    {
        Settings::Batch batch = f.store.beginBatch();
        QVERIFY(f.store.DeleteSetting(section, QString()));
        QVERIFY(f.save(section, SettingsKeys::nameKey(0), u"Ann"_s));
        QVERIFY(other.SaveSetting(section, SettingsKeys::nameKey(1), u"Bob"_s));
        QVERIFY(f.save(section, SettingsKeys::nameKey(2), u"Cy"_s));
        QCOMPARE(other.GetAllSettings(section).size(), 3);
        if (commit)
            QVERIFY(batch.commit());
    }
    QCOMPARE(f.column(section, false), expected);
}

void TestSettings::secondBatchIsRefused()
{
    Fixture f;
    Settings other(f.hive);
    other.setCompany(SettingsKeys::Company);
    {
        Settings::Batch outer = f.store.beginBatch();
        {
            Settings::Batch inner = other.beginBatch();
            QVERIFY(other.SaveSetting(u"Options"_s, u"Sound"_s, u"0"_s));
            QVERIFY(!inner.commit());
        }
        // The refused batch neither committed nor dropped the open one.
        QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"0"_s);
    }
    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"DEF"_s);

    Settings::Batch next = f.store.beginBatch();
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"0"_s));
    QVERIFY(next.commit());
    QVERIFY(!next.commit());
    QCOMPARE(other.GetSetting(u"Options"_s, u"Sound"_s, u"1"_s), u"0"_s);
}

void TestSettings::secondProcessWriteIsSeenAtOnce()
{
    Fixture f;
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"1"_s));
    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"1"_s);

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {u"--save"_s, u"Options"_s, u"Sound"_s, u"0"_s});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 0);

    QCOMPARE(f.get(u"Options"_s, u"Sound"_s), u"0"_s);
    QVERIFY(f.save(u"Options"_s, u"Sound"_s, u"1"_s));
    QCOMPARE(f.store.GetAllSettings(u"Options"_s), (Rows{{"Sound", "1"}}));
}

// "--save <section> <key> <text>" makes this binary a second running copy of the program.
// Another copy of the program saving longer names between sizing and walking the list.
void TestSettings::listGrowingWhileReadIsReadWhole()
{
    Fixture f;
    QVERIFY(f.save(u"Names"_s, u"Name0"_s, u"Ann"_s));
    auto growing = std::make_shared<GrowingHive>(f.hive);
    Settings reader(growing);
    reader.setCompany(SettingsKeys::Company);
    reader.setAppName(SettingsKeys::AppName);
    growing->grows = 2;
    const Rows rows = reader.GetAllSettings(u"Names"_s);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], Settings::Row(u"Name0"_s, u"Ann"_s));
    QCOMPARE(rows[1], Settings::Row(u"A-longer-namen"_s, QString(20, u'x')));
    QCOMPARE(rows[2], Settings::Row(u"A-longer-namenn"_s, QString(40, u'x')));
}

int main(int argc, char** argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--save") == 0) {
        Settings store;
        store.setCompany(SettingsKeys::Company);
        store.setAppName(SettingsKeys::AppName);
        return store.SaveSetting(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]))
                   ? 0
                   : 1;
    }
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
