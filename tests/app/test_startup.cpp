#include "ForwardingStore.h"
#include "MainWindowFixture.h"

#include "app/MainWindowTexts.h"
#include "app/ShuffleEffects.h"
#include "platform/StoreLocation.h"

#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace SettingsKeys;

namespace {

// The disk fills up after a number of values; the store, all or nothing, then keeps none.
class FailingStore : public ForwardingStore
{
public:
    explicit FailingStore(std::size_t writesLeft) : m_writesLeft(writesLeft) {}
    StoreStatus replaceRows(std::string_view s, std::span<const Row> r, std::uint32_t ms) override
    {
        return r.size() <= m_writesLeft ? m_real->replaceRows(s, r, ms) : StoreStatus::DiskFull;
    }

private:
    std::size_t m_writesLeft;
};

// Gives a section's rows sorted by name, as Wine's registry does.
class SortedStore : public ForwardingStore
{
public:
    std::vector<Row> rows(std::string_view s) override
    {
        std::vector<Row> rows = m_real->rows(s);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreStartsWithEverythingOn();
    void flagReading_data();
    void flagReading();
    void namesComeBackInOrder_data();
    void namesComeBackInOrder();
    void namesNotRestoredWhenSaveNamesIsOff();
    void emptyListLeavesNoSection();
    void shorterListLeavesNoStaleNames();
    void soundFileIsTrimmedOfSpaces_data();
    void soundFileIsTrimmedOfSpaces();
    void programFolderAtRoot();
    void exitButtonStoresTheList();
    void failedSaveKeepsTheOldList();
};

void TestStartup::emptyStoreStartsWithEverythingOn()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    QVERIFY(f.effects().flashy());
    QVERIFY(f.effects().shaky());
    QVERIFY(f.effects().sound());
    QCOMPARE(f.hat().count(), 0);
    QCOMPARE(nameList(f)->horizontalExtent(), 0);
    QCOMPARE(f.helpFile(), fx.appDir.path() + QStringLiteral("/nimbrel.hlp"));
    QCOMPARE(fx.random.seeds().size(), qsizetype(1));
    QCOMPARE(f.windowTitle(), QStringLiteral("Nimbrel"));
}

void TestStartup::flagReading_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("padded 1") << " 1 " << true;
    QTest::newRow("not a number counts as the default") << "yes" << true;
    QTest::newRow("empty text counts as the default") << "" << true;
}

void TestStartup::flagReading()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    MainWindowFixture fx;
    Settings s = MainWindowFixture::store();
    for (const Key* key : {&Flash, &Shake, &Sound, &SaveNames})
        QVERIFY(s.setText(*key, stored));
    MainWindow& f = fx.open();
    QCOMPARE(f.effects().flashy(), on);
    QCOMPARE(f.effects().shaky(), on);
    QCOMPARE(f.effects().sound(), on);
}

void TestStartup::namesComeBackInOrder_data()
{
    QTest::addColumn<bool>("sortedStore");

    QTest::newRow("store keeps creation order") << false;
    QTest::newRow("store enumerates sorted") << true;
}

void TestStartup::namesComeBackInOrder()
{
    QFETCH(bool, sortedStore);

    // A drawn order with blanks and repeats, long enough for Name10 to follow Name9.
    const QStringList names = {QStringLiteral("b"),         QStringLiteral("a"),  QStringLiteral("c"),
                               QStringLiteral("  b"),       QStringLiteral("a "), QStringLiteral(" "),
                               QStringLiteral("Zoë & Ann"), QStringLiteral("a"),  QStringLiteral("d"),
                               QStringLiteral("e"),         QStringLiteral("f"),  QStringLiteral("g")};
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    for (const QString& n : names)
        f.hat().append(n);
    fx.close();

    QCOMPARE(MainWindowFixture::store().names(), names);

    if (sortedStore)
        fx.registry = std::make_shared<SortedStore>();
    MainWindow& again = fx.open();
    QCOMPARE(MainWindowFixture::names(again), names);
    QVERIFY(nameList(again)->horizontalExtent() > 0);
}

void TestStartup::namesNotRestoredWhenSaveNamesIsOff()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("kept"));
    fx.close();
    MainWindowFixture::store().setFlag(SaveNames, false);

    MainWindow& g = fx.open();
    QCOMPARE(g.hat().count(), 0);
    g.hat().append(QStringLiteral("new"));
    fx.close();
    // Written at exit all the same, replacing what was stored.
    QCOMPARE(MainWindowFixture::store().names(), QStringList({"new"}));
}

void TestStartup::emptyListLeavesNoSection()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("x"));
    fx.close();
    MainWindow& g = fx.open();
    g.hat().clear();
    fx.close();
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(userStorePath().c_str(), &db), SQLITE_OK);
    int sections = 0;
    const int rc = sqlite3_exec(
        db, "SELECT * FROM reg_keys WHERE name = CAST('Last Used Names' AS BLOB)",
        [](void* n, int, char**, char**) { return ++*static_cast<int*>(n), 0; }, &sections, nullptr);
    sqlite3_close(db);
    QCOMPARE(rc, SQLITE_OK);
    QCOMPARE(sections, 0);
}

void TestStartup::shorterListLeavesNoStaleNames()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    for (const char* n : {"one", "two", "three"})
        f.hat().append(QString::fromLatin1(n));
    fx.close();
    MainWindow& g = fx.open();
    g.hat().removeAt(2);
    g.hat().removeAt(1);
    fx.close();
    QCOMPARE(MainWindowFixture::store().names(), QStringList({"one"}));
}

void TestStartup::soundFileIsTrimmedOfSpaces_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("held");
    QTest::newRow("trailing spaces") << QByteArray("RIFF\0data  \x01  ", 14) << QByteArray("RIFF\0data  \x01", 12);
    QTest::newRow("leading spaces") << QByteArray("   RIFF") << QByteArray("RIFF");
    QTest::newRow("only spaces") << QByteArray("    ") << QByteArray();
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("inner spaces kept") << QByteArray("a  b") << QByteArray("a  b");
}

void TestStartup::soundFileIsTrimmedOfSpaces()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, held);
    MainWindowFixture fx;
    fx.writeSound(file);
    QCOMPARE(fx.open().effects().shuffleSound(), held);
}

void TestStartup::programFolderAtRoot()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open(QStringLiteral("/"));
    QCOMPARE(f.helpFile(), QStringLiteral("/nimbrel.hlp"));
    QVERIFY(f.effects().shuffleSound().isEmpty());
    QCOMPARE(ShuffleEffects::readFileData(QStringLiteral("/no/such/file")), QByteArray());
    QCOMPARE(ShuffleEffects::readFileData(fx.appDir.path()), QByteArray()); // a folder is not a sound
}

void TestStartup::exitButtonStoresTheList()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    f.hat().append(QStringLiteral("Ann"));
    f.hat().append(QStringLiteral("Bob"));
    QTest::mouseClick(button(f, "exitButton"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(fx.prompter.calls.size(), 0); // Exit asks nothing
    QCOMPARE(MainWindowFixture::store().names().size(), 2);
}

void TestStartup::failedSaveKeepsTheOldList()
{
    MainWindowFixture fx;
    fx.open().hat().append({QStringLiteral("old 1"), QStringLiteral("old 2")});
    fx.close();

    // The disk fills up after the second of three names.
    fx.registry = std::make_shared<FailingStore>(2);
    MainWindow& f = fx.open();
    f.hat().clear();
    f.hat().append({QStringLiteral("new 1"), QStringLiteral("new 2"), QStringLiteral("new 3")});
    fx.prompter.expectMessage();
    fx.close();
    // The user is told before the window goes.
    QCOMPARE(fx.prompter.calls.size(), 1);
    QVERIFY(fx.prompter.calls[0].prompt.contains(StoreTexts::diskFull()));

    QCOMPARE(MainWindowFixture::store().names(), QStringList({"old 1", "old 2"}));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
