// The draws' records in the settings store: the cap, Forget All, and a damaged section.
#include "TestHome.h"
#include "draw/DrawRecordFile.h"
#include "history/DrawHistory.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"

#include <QTest>

class TestDrawHistory : public QObject
{
    Q_OBJECT
private slots:
    void keptInStore_data();
    void keptInStore();
};

namespace {

const std::string kDraws = "Software\\Quorvane\\Nimbrel\\Draws";

DrawRecord setAside(int i)
{
    return DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("Name %1").arg(i)},
                                    QDateTime(QDate(2026, 12, 8), QTime(14, 3)).addSecs(i));
}

} // namespace

void TestDrawHistory::keptInStore_data()
{
    QTest::addColumn<int>("records");    // round events recorded, after any damage
    QTest::addColumn<QString>("damage"); // what is wrong with the section before
    QTest::addColumn<bool>("forget");
    QTest::addColumn<int>("kept");      // records listed by a later run
    QTest::addColumn<qint64>("oldest"); // the first one's sequence, when any are

    QTest::newRow("none: the store reads as before") << 0 << QString() << false << 0 << qint64(0);
    QTest::newRow("1,001: the oldest goes") << 1001 << QString() << false << 1000 << qint64(2);
    QTest::newRow("forget: none left") << 3 << QString() << true << 0 << qint64(0);
    // An unreadable record, one edited after writing, and a value of no record: left out,
    // and no new record takes their places.
    QTest::newRow("damaged values: left out") << 2 << QStringLiteral("values") << false << 2 << qint64(8);
    QTest::newRow("section below: forgotten all the same") << 2 << QStringLiteral("section") << true << 0 << qint64(0);
}

void TestDrawHistory::keptInStore()
{
    QFETCH(int, records);
    QFETCH(QString, damage);
    QFETCH(bool, forget);
    QFETCH(int, kept);
    QFETCH(qint64, oldest);

    TestHome home;
    const QStringList list{QStringLiteral("Ann"), QStringLiteral("<b>Bo</b>")};
    {
        Settings settings(openUserStore());
        QCOMPARE(settings.saveNames(list), StoreStatus::Ok);
        std::shared_ptr<SettingsStore> store = openUserStore();
        if (damage == QLatin1String("values")) {
            QByteArray edited = *DrawRecordFile::write(setAside(0));
            edited.replace("Name 0", "Name X"); // the count still agrees: the name is what changed
            QVERIFY(DrawRecordFile::parse(edited).ok());
            edited.replace("Kind: set aside", "Kind: setaside");
            store->setValue(kDraws, "Draw1", "\xff\xfe garbage");
            store->setValue(kDraws, "Draw7", edited.toStdString());
            store->setValue(kDraws, "Note", "not a record");
        } else if (damage == QLatin1String("section")) {
            store->setValue(kDraws + "\\Below", "Draw1", "x");
        }
    }

    {
        Settings settings(openUserStore());
        DrawHistory history(settings);
        for (int i = 1; i <= records; ++i)
            QCOMPARE(history.add(setAside(i)), StoreStatus::Ok);
        if (forget)
            QCOMPARE(history.forgetAll(), StoreStatus::Ok);
    }

    // What a later run finds.
    Settings settings(openUserStore());
    DrawHistory history(settings);
    QCOMPARE(history.entries().size(), qsizetype(kept));
    if (kept > 0) {
        QCOMPARE(history.entries().first().sequence, oldest);
        QCOMPARE(history.entries().last().record, setAside(records));
        QCOMPARE(DrawRecordFile::parse(history.file(history.entries().last().sequence)).record, setAside(records));
    }
    const auto stored = settings.drawRecords();
    QCOMPARE(stored.size(), qsizetype(kept + (damage == QLatin1String("values") ? 3 : 0)));
    QCOMPARE(settings.names(), list);
}

QTEST_GUILESS_MAIN(TestDrawHistory)
#include "test_drawhistory.moc"
