// The exit save with each of its file calls failing in turn (with the fault-injection shim
// preloaded): afterwards the store passes SQLite's integrity check and holds the old list
// or the new one, and whenever it holds the old one the user has been told. The walk must
// reach the commit itself: that is where a full disk shows, the pages staying in the cache
// until then. And a store that a full disk kept from being opened for writing at start-up
// says so at exit.
#include "FaultInjection.h"
#include "ForwardingStore.h"
#include "MainWindowFixture.h"

#include "app/MainWindowTexts.h"
#include "platform/StoreLocation.h"

#include <QTest>

#include <sqlite3.h>

namespace {

const QByteArray kCalls = "open,write,fsync,fdatasync,ftruncate,unlink,close";
const QStringList kOld = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")};
const QStringList kNew = {QStringLiteral("Dee"), QStringLiteral("Ed"), QStringLiteral("Flo"), QStringLiteral("Gus")};

// The user's store, noting whether the save itself failed (its commit, mostly).
class CommitWatch : public ForwardingStore
{
public:
    bool commitFailed = false;
    StoreStatus replaceRows(std::string_view s, std::span<const Row> r, std::uint32_t ms) override
    {
        const StoreStatus status = m_real->replaceRows(s, r, ms);
        commitFailed = commitFailed || status != StoreStatus::Ok;
        return status;
    }
};

struct Trial
{
    long calls = 0;   // matching calls the save made
    QByteArray fired; // the kind of the call that failed
    bool commitFailed = false;
    QString message; // the message shown, "" for none
    QString integrity;
    QStringList stored;
    QString path; // the store's
};

QString integrityOf(const QString& path)
{
    sqlite3* db = nullptr;
    QString result = QStringLiteral("cannot open");
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

// Saves the new list over the old one at exit with the k-th matching call failing (none for 0).
Trial saveWithFault(long k, const QByteArray& error)
{
    Trial t;
    MainWindowFixture fx;
    MainWindow& before = fx.open();
    before.hat().append(kOld);
    fx.close();
    fx.settings.reset(); // closes the store, which then has no -wal or -shm

    auto watch = std::make_shared<CommitWatch>();
    fx.registry = watch;
    MainWindow& f = fx.open();
    f.hat().clear();
    f.hat().append(kNew);
    fx.prompter.expectMessage();
    const QString path = QString::fromStdString(userStorePath());
    FaultInjection::arm(kCalls, path + QLatin1Char('*'), k, error);
    fx.close();
    t.calls = FaultInjection::count();
    t.fired = FaultInjection::fired();
    FaultInjection::disarm();

    t.commitFailed = watch->commitFailed;
    if (!fx.prompter.calls.isEmpty())
        t.message = fx.prompter.calls.last().prompt;
    t.path = path;
    t.integrity = integrityOf(path);
    t.stored = MainWindowFixture::store().names();
    return t;
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFailureLeavesOneWholeList_data();
    void everyFailureLeavesOneWholeList();
    void fullDiskAtStartUpIsNamedAtExit();
};

void TestSaveFaults::initTestCase()
{
    QVERIFY2(FaultInjection::loaded(), "run with the fault-injection shim in LD_PRELOAD");
}

void TestSaveFaults::everyFailureLeavesOneWholeList_data()
{
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<QString>("reason"); // the reason a failed commit gives
    QTest::newRow("EIO") << QByteArray("EIO") << StoreTexts::storeFailed();
    QTest::newRow("ENOSPC") << QByteArray("ENOSPC") << StoreTexts::diskFull();
}

void TestSaveFaults::everyFailureLeavesOneWholeList()
{
    QFETCH(QByteArray, error);
    QFETCH(QString, reason);
    const Trial clean = saveWithFault(0, error);
    QCOMPARE(clean.message, QString());
    QCOMPARE(clean.stored, kNew);
    QVERIFY(clean.calls > 0);

    int newList = 0, oldList = 0, commits = 0;
    for (long k = 1; k <= clean.calls; ++k) {
        const Trial t = saveWithFault(k, error);
        const QString at = QStringLiteral("call %1 of %2 (%3): ").arg(k).arg(clean.calls).arg(QLatin1String(t.fired));
        QVERIFY2(!t.fired.isEmpty(), qPrintable(at + QStringLiteral("never came")));
        QVERIFY2(t.integrity == QLatin1String("ok"), qPrintable(at + t.integrity));
        if (t.stored == kNew) {
            ++newList;
        } else {
            QVERIFY2(t.stored == kOld, qPrintable(at + QStringLiteral("the store holds ") + t.stored.join(u',')));
            QVERIFY2(!t.message.isEmpty(), qPrintable(at + QStringLiteral("the old list was kept unsaid")));
            ++oldList;
        }
        if (t.commitFailed) {
            ++commits;
            // A sync's failure does not say why (SQLite keeps no errno for it).
            if (t.fired == "write")
                QCOMPARE(t.message, StoreTexts::exportInstead().arg(reason, t.path));
        }
    }
    qInfo("%ld failing calls walked: the new list stored %d times, the old one kept and said so %d times, "
          "%d of them at the commit",
          clean.calls, newList, oldList, commits);
    QVERIFY2(commits > 0, "no failure reached the commit");
}

void TestSaveFaults::fullDiskAtStartUpIsNamedAtExit()
{
    MainWindowFixture fx;
    MainWindow& before = fx.open();
    before.hat().append(kOld);
    fx.close();
    fx.settings.reset(); // closes the store, which then has no -wal or -shm

    // The store cannot be opened for writing when the disk is full; by exit there is room.
    const QString path = QString::fromStdString(userStorePath());
    FaultInjection::arm("write,ftruncate", path + QLatin1Char('*'), 1, "ENOSPC", true);
    MainWindow& f = fx.open();
    const QByteArray fired = FaultInjection::fired();
    FaultInjection::disarm();
    QVERIFY2(!fired.isEmpty(), "opening the store wrote nothing");
    f.hat().append(kNew);
    fx.prompter.expectMessage();
    fx.close();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, StoreTexts::exportInstead().arg(StoreTexts::diskFull(), path));
}

QTEST_MAIN(TestSaveFaults)
#include "test_savefaults.moc"
