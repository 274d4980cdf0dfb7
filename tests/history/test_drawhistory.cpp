// The draws' records in the settings store: the bounds, Forget All, a damaged section, and
// the records kept whole by earlier builds, moved to today's sections.
#include "TestHome.h"
#include "draw/DrawRecordFile.h"
#include "history/DrawHistory.h"
#include "platform/StoreLocation.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

class TestDrawHistory : public QObject
{
    Q_OBJECT
private slots:
    void keptInStore_data();
    void keptInStore();
    void storeOfEarlierBuildsMoved_data();
    void storeOfEarlierBuildsMoved();
};

namespace {

using namespace SettingsKeys;

const std::string kDraws = "Software\\Quorvane\\Nimbrel\\Draws";
const std::string kRecords = "Software\\Quorvane\\Nimbrel\\Draw Records";

DrawRecord setAside(int i)
{
    return DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("Name %1").arg(i)},
                                    QDateTime(QDate(2026, 12, 8), QTime(14, 3)).addSecs(i));
}

// A list of its own for each i: 32,767 names of 255 characters, a line of 256 bytes each.
constexpr qint64 kBigListBytes = 32767 * 256;
QStringList bigList(int i)
{
    const QString prefix = QString::number(i).rightJustified(2, QLatin1Char('0')) + QLatin1Char('-');
    QStringList names;
    for (int j = 0; j < 32767; ++j)
        names.append(prefix + QString::number(j).rightJustified(252, QLatin1Char('0')));
    return names;
}

DrawRecord drawOf(const QStringList& list, int i)
{
    return DrawRecord::ofDraw(list, list, i, std::uint64_t(i), QDateTime(QDate(2026, 12, 8), QTime(15, 0)).addSecs(i));
}

qint64 storeBytes()
{
    const QString path = QString::fromStdString(userStorePath());
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

} // namespace

void TestDrawHistory::keptInStore_data()
{
    QTest::addColumn<int>("records");    // recorded after any damage
    QTest::addColumn<bool>("lists");     // draws, each of a list of its own of 8 MB; else round events
    QTest::addColumn<QString>("damage"); // what is wrong with the section before
    QTest::addColumn<bool>("forget");
    QTest::addColumn<int>("kept");      // records listed by a later run
    QTest::addColumn<qint64>("oldest"); // the first one's sequence, when any are

    QTest::newRow("none: the store reads as before") << 0 << false << QString() << false << 0 << qint64(0);
    QTest::newRow("1,001: the oldest goes") << 1001 << false << QString() << false << 1000 << qint64(2);
    // 8 lists of 8 MB fit in 64 MB; the 9th does not.
    QTest::newRow("10 lists of 8 MB: the oldest go, and their lists")
        << 10 << true << QString() << false << 8 << qint64(3);
    QTest::newRow("forget: none left, and the room given back") << 3 << true << QString() << true << 0 << qint64(0);
    // An unreadable record, one edited after writing, and a value of no record, kept whole by
    // an earlier build: left out, and no new record takes their places.
    QTest::newRow("damaged values: left out") << 2 << false << QStringLiteral("values") << false << 2 << qint64(8);
    QTest::newRow("section below: forgotten all the same")
        << 2 << false << QStringLiteral("section") << true << 0 << qint64(0);
    // Numbered after it, the next would be past the largest number there is.
    QTest::newRow("a value numbered 2^63 - 1: no record, and not numbered after")
        << 2 << false << QStringLiteral("overflow") << false << 2 << qint64(1);
}

void TestDrawHistory::keptInStore()
{
    QFETCH(int, records);
    QFETCH(bool, lists);
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
        } else if (damage == QLatin1String("overflow")) {
            store->setValue(kRecords, "Draw9223372036854775807", DrawRecordFile::write(setAside(0))->toStdString());
        }
    }

    const auto recordOf = [lists](int i) { return lists ? drawOf(bigList(i), i) : setAside(i); };
    {
        Settings settings(openUserStore());
        DrawHistory history(settings);
        for (int i = 1; i <= records; ++i) {
            const QStringList names = lists ? bigList(i) : QStringList();
            QCOMPARE(lists ? history.add(drawOf(names, i), names) : history.add(setAside(i)), StoreStatus::Ok);
        }
        if (forget)
            QCOMPARE(history.forgetAll(), StoreStatus::Ok);
    }
    // What went gave its room back: the lists kept and little more.
    QVERIFY2(storeBytes() <= (lists ? kept * kBigListBytes : 0) + 2 * 1024 * 1024,
             qPrintable(QString::number(storeBytes())));

    // What a later run finds.
    Settings settings(openUserStore());
    DrawHistory history(settings);
    QCOMPARE(history.entries().size(), qsizetype(kept));
    if (kept > 0) {
        QCOMPARE(history.entries().first().sequence, oldest);
        QCOMPARE(history.entries().last().record, recordOf(records));
        QCOMPARE(DrawRecordFile::parse(history.file(history.entries().last().sequence)).record, recordOf(records));
    }
    const QStringList stored = settings.valueNames(DrawRecordsSection);
    QCOMPARE(stored.size(), qsizetype(kept + (damage == QLatin1String("values") ? 3 : 0) +
                                      (damage == QLatin1String("overflow") ? 1 : 0)));
    QCOMPARE(settings.valueNames(DrawListsSection).size(), qsizetype(lists ? kept : 0));
    QCOMPARE(settings.valueNames(DrawListUsesSection).size(), qsizetype(lists ? kept : 0));
    QCOMPARE(settings.names(), list);
}

void TestDrawHistory::storeOfEarlierBuildsMoved_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("stopped"); // the first move stops before its end
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("lists");

    // Draws of three lists and two round events, each record kept whole, as a file.
    QTest::newRow("whole records: each list once") << "store-whole-records.sqlite" << false << 7 << 3;
    QTest::newRow("stopped half way: moved whole at the next start") << "store-whole-records.sqlite" << true << 7 << 3;
    QTest::newRow("version 1.5: no records") << "store-1.5.sqlite" << false << 0 << 0;
}

void TestDrawHistory::storeOfEarlierBuildsMoved()
{
    QFETCH(QString, fixture);
    QFETCH(bool, stopped);
    QFETCH(int, records);
    QFETCH(int, lists);

    TestHome home;
    const QString path = QString::fromStdString(userStorePath());
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(QFile::copy(QFINDTESTDATA(QStringLiteral("../settings/data/") + fixture), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    QList<std::pair<QString, QByteArray>> before; // each record's file, as kept
    QStringList names;
    {
        Settings settings(openUserStore());
        before = settings.values(DrawsSection);
        names = settings.names();
    }
    QCOMPARE(before.size(), qsizetype(records));

    if (stopped) {
        // Deleting the old values, the move's last step, fails: nothing of it may stay.
        const auto exec = [&path](const char* sql) {
            sqlite3* db = nullptr;
            sqlite3_open(qPrintable(path), &db);
            const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
            sqlite3_close(db);
            return rc;
        };
        QCOMPARE(exec("CREATE TRIGGER stop BEFORE DELETE ON reg_values WHEN old.key_id = "
                      "(SELECT id FROM reg_keys WHERE folded = CAST('draws' AS BLOB)) BEGIN SELECT RAISE(ABORT, "
                      "'stop'); END"),
                 SQLITE_OK);
        {
            Settings settings(openUserStore());
            DrawHistory(settings).entries();
            QCOMPARE(settings.values(DrawsSection), before);
            QVERIFY(settings.valueNames(DrawRecordsSection).isEmpty() &&
                    settings.valueNames(DrawListsSection).isEmpty());
        }
        QCOMPARE(exec("DROP TRIGGER stop"), SQLITE_OK);
    }

    Settings settings(openUserStore());
    DrawHistory history(settings);
    QCOMPARE(history.entries().size(), qsizetype(records));
    for (int i = 0; i < records; ++i) {
        const DrawHistory::Entry& entry = history.entries().at(i);
        const DrawRecordFile::Parsed whole = DrawRecordFile::parse(before.at(i).second);
        QCOMPARE(entry.sequence, qint64(i + 1));
        QCOMPARE(entry.record, whole.record);
        // The record keeps its fields, its list is kept once by its fingerprint, and the two
        // make the same file again.
        const std::optional<QByteArray> stored = settings.value(DrawRecordsSection, drawKey(entry.sequence));
        QVERIFY(stored && DrawRecordFile::parseEntry(*stored).record == whole.record);
        if (whole.record.kind == DrawRecord::Kind::Draw)
            QCOMPARE(settings.value(DrawListsSection, QString::fromLatin1(whole.record.listFingerprint.toHex())),
                     DrawRecordFile::listText(whole.list));
        QCOMPARE(history.file(entry.sequence), before.at(i).second);
    }
    QCOMPARE(settings.valueNames(DrawListsSection).size(), qsizetype(lists));
    QVERIFY(settings.valueNames(DrawsSection).isEmpty());
    QCOMPARE(settings.names(), names);
    QCOMPARE(history.add(setAside(1)), StoreStatus::Ok);
    QCOMPARE(DrawHistory(settings).entries().last().sequence, qint64(records + 1));
}

QTEST_GUILESS_MAIN(TestDrawHistory)
#include "test_drawhistory.moc"
