// The export with each of its file calls failing in turn (with the fault-injection shim
// preloaded): afterwards the old file is there byte for byte or the new one is whole, and
// whenever it is not the new one the user has been told what became of the file. A new
// file whose first sync failed may not be on the disk: it never takes the old one's place.
#include "FaultInjection.h"
#include "MainWindowFixture.h"

#include <QDir>
#include <QTest>

#include <unistd.h>

class TestExportFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFailureLeavesAWholeFile_data();
    void everyFailureLeavesAWholeFile();
};

namespace {

const QByteArray kCalls = "open,write,fsync,fdatasync,ftruncate,link,rename,unlink,close";
const QByteArray kOld = "Old\r\n\r\nList\r\n\r\n";
const QByteArray kNew = "Ann\r\n\r\nBob\r\n\r\n";

struct Trial
{
    long calls = 0;   // matching calls the export made
    QByteArray fired; // the kind of the call that failed
    QString message;  // the message shown, "" for none
    QByteArray bytes; // the file afterwards; null when there is none
    QStringList folder;
};

// Exports Ann, Bob into folder/names.txt with the k-th matching call failing (none for 0).
Trial exportWithFault(bool fileThere, bool readOnlyFolder, long k, const QByteArray& error)
{
    Trial t;
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    const QString folder = fx.appDir.filePath(QStringLiteral("export"));
    const QString path = folder + QStringLiteral("/names.txt");
    QDir().mkpath(folder);
    if (fileThere) {
        QFile old(path);
        if (!old.open(QIODevice::WriteOnly) || old.write(kOld) != kOld.size())
            return t;
    }
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (readOnlyFolder)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    fx.prompter.choose(path);
    fx.prompter.expectMessage();
    FaultInjection::arm(kCalls, folder + QLatin1Char('*'), k, error);
    f.exportList();
    t.calls = FaultInjection::count();
    t.fired = FaultInjection::fired();
    FaultInjection::disarm();
    QFile::setPermissions(folder, all);

    if (fx.prompter.calls.size() > 1)
        t.message = fx.prompter.calls.last().prompt;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        t.bytes = file.readAll();
    t.folder = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    fx.close();
    return t;
}

} // namespace

void TestExportFaults::initTestCase()
{
    QVERIFY2(FaultInjection::loaded(), "run with the fault-injection shim in LD_PRELOAD");
}

void TestExportFaults::everyFailureLeavesAWholeFile_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("readOnlyFolder"); // the file is then written over in place
    QTest::addColumn<QByteArray>("error");
    for (const QByteArray error : {"EIO", "ENOSPC"}) {
        QTest::addRow("file there, %s", error.constData()) << true << false << error;
        QTest::addRow("no file there, %s", error.constData()) << false << false << error;
        QTest::addRow("file in a read-only folder, %s", error.constData()) << true << true << error;
    }
}

void TestExportFaults::everyFailureLeavesAWholeFile()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, readOnlyFolder);
    QFETCH(QByteArray, error);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("root writes into every folder");
    const QStringList names = fileThere ? QStringList{QStringLiteral("names.txt")} : QStringList{};
    const QString kept =
        fileThere ? QStringLiteral("A file already there is unchanged.") : QStringLiteral("No file was made.");
    const QString part = QStringLiteral("The file could only be written over in place, so it may now hold only part "
                                        "of the list.");

    const Trial clean = exportWithFault(fileThere, readOnlyFolder, 0, error);
    QCOMPARE(clean.message, QString());
    QCOMPARE(clean.bytes, kNew);
    QVERIFY(clean.calls > 0);

    int whole = 0, old = 0, told = 0;
    bool synced = false; // a sync of the new file has failed
    for (long k = 1; k <= clean.calls; ++k) {
        const Trial t = exportWithFault(fileThere, readOnlyFolder, k, error);
        const QString at = QStringLiteral("call %1 of %2: ").arg(k).arg(clean.calls);
        const QString holds = QString::fromLatin1(t.bytes.toPercentEncoding());
        QVERIFY2(!t.fired.isEmpty(), qPrintable(at + QStringLiteral("never came")));
        const bool firstSync = !synced && (t.fired == "fsync" || t.fired == "fdatasync");
        synced = synced || firstSync;
        QVERIFY2(!firstSync || !t.message.isEmpty(), qPrintable(at + QStringLiteral("the first sync failed unsaid")));
        QVERIFY2(t.folder == QStringList{QStringLiteral("names.txt")} || t.folder == names,
                 qPrintable(at + QStringLiteral("left ") + t.folder.join(u' ')));
        if (t.message.isEmpty()) {
            QVERIFY2(t.bytes == kNew, qPrintable(at + QStringLiteral("no message, yet the file holds ") + holds));
            ++whole;
        } else if (t.message.endsWith(part)) {
            QVERIFY2(readOnlyFolder, qPrintable(at + t.message));
            ++told;
        } else {
            QVERIFY2(t.message.endsWith(kept), qPrintable(at + t.message));
            QVERIFY2(t.bytes == (fileThere ? kOld : QByteArray()) && t.folder == names,
                     qPrintable(at + QStringLiteral("the file holds ") + holds));
            ++old;
        }
    }
    qInfo("%ld failing calls walked: the new file whole %d times, the old one kept and said so %d times, "
          "told it may be part written %d times",
          clean.calls, whole, old, told);
}

QTEST_MAIN(TestExportFaults)
#include "test_exportfaults.moc"
