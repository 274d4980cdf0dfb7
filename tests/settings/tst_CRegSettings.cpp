#include "TestHome.h"
#include "settings/CRegSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/SqliteHive.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString kAppKey = QStringLiteral("Software\\Quorvane\\Nimbrel");

// A fresh hive in its own temporary home, and a store set up as the program's windows do.
struct Fixture
{
    TestHome home;
    std::shared_ptr<SqliteHive> hive = std::make_shared<SqliteHive>(SqliteHive::userHivePath());
    CRegSettings store{hive};

    Fixture()
    {
        store.setCompany(SettingsKeys::Company);
        store.setAppName(SettingsKeys::AppName);
    }

    // Writes a value as another program might: any type, any bytes, no NUL added.
    bool setRaw(const QString& section, std::optional<std::string> name, std::uint32_t type, const QByteArray& data)
    {
        RegistryKey key(*hive);
        const std::string path = QString(kAppKey + QStringLiteral("\\") + section).toStdString();
        return hive->createKey(path, key.out()) == RegistryApi::Success &&
               hive->setValue(key.get(), name, type, reinterpret_cast<const std::uint8_t*>(data.constData()),
                              static_cast<std::uint32_t>(data.size())) == RegistryApi::Success;
    }

    bool keyExists(const QString& path)
    {
        RegistryKey key(*hive);
        return hive->openKey(path.toStdString(), RegistryApi::KeyRead, key.out()) == RegistryApi::Success;
    }

    QStringList names(const QString& section)
    {
        QStringList out;
        for (const CRegSettings::Row& row : store.GetAllSettings(section))
            out.append(row.first);
        return out;
    }
};

using Rows = QList<CRegSettings::Row>;

} // namespace

class TstCRegSettings : public QObject
{
    Q_OBJECT

private slots:
    void properties_data();
    void properties();
    void getSetting_data();
    void getSetting();
    void saveCreatesEveryKeyOfThePath();
    void textRoundTripCountsTheNul();
    void deleteSetting_data();
    void deleteSetting();
    void sectionWithSubkeysIsNotDeleted();
    void getAllSettingsSkipsNonText_data();
    void getAllSettingsSkipsNonText();
    void emptySectionIsTheApplicationKey();
    void namesCompareCaseInsensitively();
    void valuesComeInCreationOrder();
    void rewriteKeepsItsPlace();
    void batch_data();
    void batch();
    void secondBatchIsRefused();
    void secondProcessWriteIsSeenAtOnce();
};

void TstCRegSettings::properties_data()
{
    QTest::addColumn<bool>("company");
    QTest::addColumn<QString>("newVal");
    QTest::addColumn<QString>("expected");

    const QString initialCompany = QStringLiteral("VB and VBA Program Settings");
    QTest::newRow("company trimmed") << true << "  Acme Ltd " << "Acme Ltd";
    QTest::newRow("company empty resets") << true << "" << initialCompany;
    QTest::newRow("company spaces only") << true << "   " << "";
    QTest::newRow("company tab kept") << true << "\tAcme" << "\tAcme";
    QTest::newRow("app trimmed") << false << " Other " << "Other";
    QTest::newRow("app empty resets") << false << "" << "Nimbrel";
    QTest::newRow("app spaces only") << false << " " << "";
}

void TstCRegSettings::properties()
{
    QFETCH(bool, company);
    QFETCH(QString, newVal);
    QFETCH(QString, expected);

    TestHome home;
    CRegSettings store;
    // Start away from the initial values, so a reset is seen.
    store.setCompany(QStringLiteral("X"));
    store.setAppName(QStringLiteral("Y"));
    if (company) {
        store.setCompany(newVal);
        QCOMPARE(store.Company(), expected);
        QCOMPARE(store.AppName(), QStringLiteral("Y"));
    } else {
        store.setAppName(newVal);
        QCOMPARE(store.AppName(), expected);
        QCOMPARE(store.Company(), QStringLiteral("X"));
    }
}

void TstCRegSettings::getSetting_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    // Options holds: Sound = "0", Empty = "", NoData (0 bytes), Number (REG_DWORD 0x00333231), default = "dflt".
    QTest::newRow("stored text") << "Sound" << "0";
    QTest::newRow("missing value") << "Missing" << "DEF";
    QTest::newRow("empty text") << "Empty" << "";
    QTest::newRow("no data at all") << "NoData" << "DEF";
    QTest::newRow("type not examined") << "Number" << "123";
    QTest::newRow("star is the unnamed value") << "*" << "dflt";
}

void TstCRegSettings::getSetting()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Empty"), QString()));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("*"), QStringLiteral("dflt")));
    QVERIFY(f.setRaw(QStringLiteral("Options"), "NoData", RegistryApi::RegSz, QByteArray()));
    QVERIFY(f.setRaw(QStringLiteral("Options"), "Number", RegistryApi::RegDword, QByteArray("123\0", 4)));

    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), key, QStringLiteral("DEF")), expected);
}

void TstCRegSettings::saveCreatesEveryKeyOfThePath()
{
    Fixture f;
    QVERIFY(!f.keyExists(QStringLiteral("Software\\Quorvane")));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("1"));

    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    QVERIFY(f.keyExists(QStringLiteral("Software\\Quorvane")));
    QVERIFY(f.keyExists(kAppKey));
    QVERIFY(f.keyExists(kAppKey + QStringLiteral("\\Options")));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("0"));
}

void TstCRegSettings::textRoundTripCountsTheNul()
{
    Fixture f;
    const QString text = QStringLiteral("Zoë ☃ Ünal");
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Last Used Folder"), text));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Last Used Folder"), QString()), text);

    RegistryKey key(*f.hive);
    QCOMPARE(f.hive->openKey(QString(kAppKey + QStringLiteral("\\Options")).toStdString(), RegistryApi::KeyRead, key.out()),
             RegistryApi::Success);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    QCOMPARE(f.hive->queryValue(key.get(), "last used folder", &type, nullptr, &size), RegistryApi::Success);
    QCOMPARE(type, RegistryApi::RegSz);
    QCOMPARE(size, std::uint32_t(text.toUtf8().size() + 1));
}

void TstCRegSettings::deleteSetting_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<Rows>("namesAfter");
    QTest::addColumn<Rows>("optionsAfter");

    // Before: Names holds Name0, Name1 and an unnamed value; Options holds Sound.
    const Rows names{{"Name0", "Ann"}, {"Name1", "Bob"}, {"", "dflt"}};
    const Rows options{{"Sound", "0"}};
    QTest::newRow("section") << "Names" << "" << true << Rows() << options;
    QTest::newRow("one value") << "Names" << "Name0" << true << Rows{names.at(1), names.at(2)} << options;
    QTest::newRow("star only the unnamed value") << "Names" << "*" << true << Rows{names.at(0), names.at(1)}
                                                 << options;
    QTest::newRow("missing value") << "Names" << "Name7" << false << names << options;
    QTest::newRow("missing section") << "Gone" << "" << false << names << options;
    QTest::newRow("value of missing section") << "Gone" << "Name0" << false << names << options;
}

void TstCRegSettings::deleteSetting()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, expected);
    QFETCH(Rows, namesAfter);
    QFETCH(Rows, optionsAfter);

    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Names"), QStringLiteral("Name0"), QStringLiteral("Ann")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Names"), QStringLiteral("Name1"), QStringLiteral("Bob")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Names"), QStringLiteral("*"), QStringLiteral("dflt")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));

    QCOMPARE(f.store.DeleteSetting(section, key), expected);
    QCOMPARE(f.store.GetAllSettings(QStringLiteral("Names")), namesAfter);
    QCOMPARE(f.store.GetAllSettings(QStringLiteral("Options")), optionsAfter);
    QCOMPARE(f.keyExists(kAppKey + QStringLiteral("\\Names")), !namesAfter.isEmpty());
}

void TstCRegSettings::sectionWithSubkeysIsNotDeleted()
{
    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Names"), QStringLiteral("Name0"), QStringLiteral("Ann")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Names\\Inner"), QStringLiteral("X"), QStringLiteral("1")));

    QVERIFY(!f.store.DeleteSetting(QStringLiteral("Names"), QString()));
    QCOMPARE(f.store.GetAllSettings(QStringLiteral("Names")), (Rows{{"Name0", "Ann"}}));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Names\\Inner"), QStringLiteral("X"), QString()), QStringLiteral("1"));
}

void TstCRegSettings::getAllSettingsSkipsNonText_data()
{
    QTest::addColumn<bool>("withText");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("only non-text values") << false << Rows();
    QTest::newRow("text among others") << true << Rows{{"Text", "t"}, {"NoData", ""}};
}

void TstCRegSettings::getAllSettingsSkipsNonText()
{
    QFETCH(bool, withText);
    QFETCH(Rows, expected);

    Fixture f;
    QVERIFY(f.store.GetAllSettings(QStringLiteral("Mixed")).isEmpty());
    QVERIFY(f.setRaw(QStringLiteral("Mixed"), "Dword", RegistryApi::RegDword, QByteArray("\x01\0\0\0", 4)));
    if (withText)
        QVERIFY(f.store.SaveSetting(QStringLiteral("Mixed"), QStringLiteral("Text"), QStringLiteral("t")));
    // A long binary value must not make the text rows come out wrong.
    QVERIFY(f.setRaw(QStringLiteral("Mixed"), "Binary", RegistryApi::RegBinary, QByteArray(300, 'b')));
    if (withText)
        QVERIFY(f.setRaw(QStringLiteral("Mixed"), "NoData", RegistryApi::RegSz, QByteArray()));

    QCOMPARE(f.store.GetAllSettings(QStringLiteral("Mixed")), expected);
}

void TstCRegSettings::emptySectionIsTheApplicationKey()
{
    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    QVERIFY(f.store.SaveSetting(QString(), QStringLiteral("Top"), QStringLiteral("t")));

    QCOMPARE(f.store.GetSetting(QString(), QStringLiteral("Top"), QString()), QStringLiteral("t"));
    QCOMPARE(f.store.GetAllSettings(QString()), (Rows{{"Top", "t"}}));
    RegistryKey key(*f.hive);
    QCOMPARE(f.hive->openKey(kAppKey.toStdString(), RegistryApi::KeyAllAccess, key.out()), RegistryApi::Success);
    std::uint32_t size = 0;
    QCOMPARE(f.hive->queryValue(key.get(), "Top", nullptr, nullptr, &size), RegistryApi::Success);

    QVERIFY(f.store.DeleteSetting(QString(), QStringLiteral("Top")));
    QCOMPARE(f.store.GetSetting(QString(), QStringLiteral("Top"), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QString()), QStringLiteral("0"));
}

void TstCRegSettings::namesCompareCaseInsensitively()
{
    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("OPTIONS"), QStringLiteral("sOUND"), QStringLiteral("0")));

    QCOMPARE(f.store.GetAllSettings(QStringLiteral("options")), (Rows{{"Sound", "0"}}));
    f.store.setCompany(QStringLiteral("QUORVANE"));
    f.store.setAppName(QStringLiteral("nimbrel"));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("SOUND"), QString()), QStringLiteral("0"));
    QVERIFY(f.store.DeleteSetting(QStringLiteral("oPtIoNs"), QString()));
    QVERIFY(!f.keyExists(kAppKey + QStringLiteral("\\Options")));
}

void TstCRegSettings::valuesComeInCreationOrder()
{
    Fixture f;
    QStringList expected;
    for (int i = 0; i < 15; ++i) {
        expected.append(SettingsKeys::nameKey(i));
        QVERIFY(f.store.SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(i), QString::number(i)));
    }
    QCOMPARE(f.names(SettingsKeys::NamesSection), expected);
}

void TstCRegSettings::rewriteKeepsItsPlace()
{
    Fixture f;
    for (const char* name : {"B", "A", "C"})
        QVERIFY(f.store.SaveSetting(QStringLiteral("S"), QString::fromLatin1(name), QStringLiteral("old")));

    QVERIFY(f.store.SaveSetting(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("new")));
    QCOMPARE(f.store.GetAllSettings(QStringLiteral("S")), (Rows{{"B", "old"}, {"A", "new"}, {"C", "old"}}));

    // Deleted and written again, a value is a new one and comes last.
    QVERIFY(f.store.DeleteSetting(QStringLiteral("S"), QStringLiteral("B")));
    QVERIFY(f.store.SaveSetting(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("again")));
    QCOMPARE(f.names(QStringLiteral("S")), (QStringList{"A", "C", "B"}));
}

void TstCRegSettings::batch_data()
{
    QTest::addColumn<bool>("commit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("committed") << true << QStringList{"Ann", "Bob", "Cy"};
    QTest::newRow("dropped") << false << QStringList{"Old0", "Old1", "Old2", "Old3"};
}

void TstCRegSettings::batch()
{
    QFETCH(bool, commit);
    QFETCH(QStringList, expected);

    Fixture f;
    for (int i = 0; i < 4; ++i)
        QVERIFY(f.store.SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(i), QStringLiteral("Old%1").arg(i)));

    // The list is rewritten the way the main window does it, partly through a second
    // instance (another window), which joins the open batch.
    CRegSettings other(f.hive);
    other.setCompany(SettingsKeys::Company);
    {
        CRegSettings::Batch batch = f.store.beginBatch();
        QVERIFY(f.store.DeleteSetting(SettingsKeys::NamesSection, QString()));
        QVERIFY(f.store.SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(0), QStringLiteral("Ann")));
        QVERIFY(other.SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(1), QStringLiteral("Bob")));
        QVERIFY(f.store.SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(2), QStringLiteral("Cy")));
        QCOMPARE(other.GetAllSettings(SettingsKeys::NamesSection).size(), 3);
        if (commit)
            QVERIFY(batch.commit());
    }

    QStringList texts;
    for (const CRegSettings::Row& row : other.GetAllSettings(SettingsKeys::NamesSection))
        texts.append(row.second);
    QCOMPARE(texts, expected);
}

void TstCRegSettings::secondBatchIsRefused()
{
    Fixture f;
    CRegSettings other(f.hive);
    other.setCompany(SettingsKeys::Company);
    {
        CRegSettings::Batch outer = f.store.beginBatch();
        {
            CRegSettings::Batch inner = other.beginBatch();
            QVERIFY(other.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
            QVERIFY(!inner.commit());
        }
        // The refused batch neither committed nor dropped the open one.
        QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QString()), QStringLiteral("0"));
    }
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("1"));

    CRegSettings::Batch next = f.store.beginBatch();
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")));
    QVERIFY(next.commit());
    QVERIFY(!next.commit());
    QCOMPARE(other.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")),
             QStringLiteral("0"));
}

void TstCRegSettings::secondProcessWriteIsSeenAtOnce()
{
    Fixture f;
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QString()), QStringLiteral("1"));

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--save"), QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("0")});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 0);

    QCOMPARE(f.store.GetSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QString()), QStringLiteral("0"));
    QVERIFY(f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1")));
    QCOMPARE(f.store.GetAllSettings(QStringLiteral("Options")), (Rows{{"Sound", "1"}}));
}

// "--save <section> <key> <text>" makes this binary the second running copy of the program.
int main(int argc, char** argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--save") == 0) {
        CRegSettings store;
        store.setCompany(SettingsKeys::Company);
        store.setAppName(SettingsKeys::AppName);
        return store.SaveSetting(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]))
                   ? 0
                   : 1;
    }
    QCoreApplication app(argc, argv);
    TstCRegSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CRegSettings.moc"
