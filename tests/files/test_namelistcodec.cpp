#include "files/NameListCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace NameListCodec;

class TestNameListCodec : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void keepsTheFirst32767();
    void exportFormAndRoundTrip();
    void readRefuses_data();
    void readRefuses();
    void writeOutcome_data();
    void writeOutcome();
};

namespace {

QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

void TestNameListCodec::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names"); // empty with refused = true: not a name list
    QTest::addColumn<bool>("refused");
    const QString zoe = QStringLiteral("Zo\u00EB");

    QTest::newRow("export form") << QByteArray("Ann\r\n\r\nBob\r\n\r\n") << QStringList{"Ann", "Bob"} << false;
    QTest::newRow("empty lines, no end after the last")
        << QByteArray("Ann\r\n\r\n\r\nBob") << QStringList{"Ann", "Bob"} << false;
    QTest::newRow("LF and lone CR end lines too")
        << QByteArray("Ann\n\nBob\rCy\r\r\n") << QStringList{"Ann", "Bob", "Cy"} << false;
    QTest::newRow("blanks and repeats kept exactly")
        << QByteArray("  \r\n Ann \r\n Ann \r\n\tx") << QStringList{"  ", " Ann ", " Ann ", "\tx"} << false;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << false;
    QTest::newRow("empty lines only") << QByteArray("\r\n\n\r\r\n") << QStringList{} << false;
    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB\r\n\xE2\x82\xAC 5") << QStringList{zoe, "\u20AC 5"} << false;
    QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xEF\xBB\xBFZo\xC3\xAB") << QStringList{zoe} << false;
    QTest::newRow("UTF-16 LE") << utf16(zoe + "\r\n\r\nAnn\n", false) << QStringList{zoe, "Ann"} << false;
    QTest::newRow("UTF-16 BE") << utf16(zoe + "\r\n\u20AC", true) << QStringList{zoe, "\u20AC"} << false;
    // Not UTF-8: every byte read as Windows-1252, its undefined bytes kept as the same number.
    QTest::newRow("Windows-1252") << QByteArray("Zo\xEB\r\n\x80 \x81\x8D\x8F\x90\x9D \xFF")
                                  << QStringList{zoe, "\u20AC \u0081\u008D\u008F\u0090\u009D \u00FF"} << false;
    // A list edited in two programs: each line is read as what it is.
    QTest::newRow("UTF-8 with a Windows-1252 line")
        << QByteArray("Zo\xC3\xAB\r\nZo\xEB\r\n\xE2\x82\xAC 5") << QStringList{zoe, zoe, "\u20AC 5"} << false;
    QTest::newRow("byte-order mark, then a Windows-1252 line")
        << QByteArray("\xEF\xBB\xBFZo\xEB\nZo\xC3\xAB") << QStringList{zoe, zoe} << false;
    QTest::newRow("cut-off UTF-8 read as Windows-1252")
        << QByteArray("Ann\r\nZo\xC3") << QStringList{"Ann", "Zo\u00C3"} << false;
    QTest::newRow("NUL bytes refused") << QByteArray("Ann\r\nB\0b", 9) << QStringList{} << true;
    QTest::newRow("UTF-16 without byte-order mark refused") << QByteArray("A\0n\0n\0", 6) << QStringList{} << true;
    QTest::newRow("UTF-16 cut off refused") << QByteArray("\xFF\xFE"
                                                          "A\0B",
                                                          5)
                                            << QStringList{} << true;
    QTest::newRow("UTF-16 lone surrogate refused") << QByteArray("\xFF\xFE\x00\xD8"
                                                                 "A\0",
                                                                 6)
                                                   << QStringList{} << true;
    QTest::newRow("UTF-16 NUL character refused")
        << utf16(QStringLiteral("Ann") + QChar(0), false) << QStringList{} << true;
}

void TestNameListCodec::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(bool, refused);
    const Decoded d = decode(bytes);
    QCOMPARE(d.ok(), !refused);
    QCOMPARE(d.names, names);
    QCOMPARE(d.leftOut, 0);
}

void TestNameListCodec::keepsTheFirst32767()
{
    QByteArray bytes;
    for (int i = 0; i < kMaxNames + 3; ++i)
        bytes += "n" + QByteArray::number(i) + "\n\n";
    const Decoded d = decode(bytes);
    QVERIFY(d.ok());
    QCOMPARE(d.names.size(), kMaxNames);
    QCOMPARE(d.names.last(), QStringLiteral("n32766"));
    QCOMPARE(d.leftOut, 3);
}

void TestNameListCodec::exportFormAndRoundTrip()
{
    QCOMPARE(encode({"Ann", "Bob"}), QByteArray("Ann\r\n\r\nBob\r\n\r\n"));
    QCOMPARE(encode({}), QByteArray());
    const QStringList names{QStringLiteral(" Zo\u00EB "), QStringLiteral("\u20AC"), QStringLiteral("Ann"),
                            QStringLiteral("Ann"), QStringLiteral("\U0001F600")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.txt"));
    QCOMPARE(writeFile(path, names).error, QString());
    QVERIFY(!readBytes(path).startsWith("\xEF\xBB\xBF"));
    const Decoded back = readFile(path);
    QVERIFY(back.ok());
    QCOMPARE(back.names, names);
}

void TestNameListCodec::readRefuses_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("missing file") << QStringLiteral("missing");
    QTest::newRow("no read permission") << QStringLiteral("unreadable");
    QTest::newRow("over 64 MiB") << QStringLiteral("huge");
    QTest::newRow("device") << QStringLiteral("device");
}

void TestNameListCodec::readRefuses()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QString path = dir.filePath(what);
    if (what == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(what));
    } else if (what == QLatin1String("unreadable")) {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        writeBytes(path, "Ann\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else if (what == QLatin1String("huge")) {
        // A sparse file: it must be refused by its size, never read.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(kMaxFileBytes + 1));
    } else if (what == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    }
    const Decoded d = readFile(path);
    QVERIFY2(!d.ok(), qPrintable(what));
    QVERIFY(d.names.isEmpty());
    QVERIFY(!d.error.isEmpty());
}

void TestNameListCodec::writeOutcome_data()
{
    QTest::addColumn<QString>("there");    // at the path before: "file", "nothing", "pipe" or "link to a pipe"
    QTest::addColumn<QString>("obstacle"); // "", "size limit N" (fails like a full disk), "read-only folder",
                                           // "read-only folder and file"
    QTest::addColumn<int>("count");        // names written
    QTest::addColumn<QString>("after");    // "new" (the names), "old" (what was there) or "nothing"
    QTest::newRow("full disk, long list") << "file"
                                          << "size limit 4096" << 5000 << "old";
    // Small enough to stay in a write buffer until the file is closed.
    QTest::newRow("full disk, short list") << "file"
                                           << "size limit 8" << 2 << "old";
    QTest::newRow("full disk, no file before") << "nothing"
                                               << "size limit 8" << 2 << "nothing";
    QTest::newRow("read-only folder: written over in place") << "file"
                                                             << "read-only folder" << 2 << "new";
    QTest::newRow("read-only folder, no file before") << "nothing"
                                                      << "read-only folder" << 2 << "nothing";
    QTest::newRow("read-only folder and file") << "file"
                                               << "read-only folder and file" << 2 << "old";
    QTest::newRow("a pipe is refused") << "pipe"
                                       << "" << 2 << "old";
    QTest::newRow("a link to a pipe is refused") << "link to a pipe"
                                                 << "" << 2 << "old";
}

void TestNameListCodec::writeOutcome()
{
    QFETCH(QString, there);
    QFETCH(QString, obstacle);
    QFETCH(int, count);
    QFETCH(QString, after);
    if (obstacle.startsWith(QLatin1String("read-only")) && geteuid() == 0)
        QSKIP("root writes into every folder and file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.txt"));
    const QByteArray old("Old\r\n\r\nList\r\n\r\n");
    if (there == QLatin1String("file")) {
        writeBytes(path, old);
    } else if (there == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (there == QLatin1String("link to a pipe")) {
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, path));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const QStringList names(count, QStringLiteral("a name long enough to fill the space"));

    Written written;
    const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (obstacle.startsWith(QLatin1String("size limit"))) {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = obstacle.section(u' ', 2).toULong();
        setrlimit(RLIMIT_FSIZE, &small);
        written = writeFile(path, names);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
    } else if (obstacle.startsWith(QLatin1String("read-only"))) {
        if (obstacle.endsWith(QLatin1String("file")))
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        written = writeFile(path, names);
        QFile::setPermissions(dir.path(), rw | QFileDevice::ExeOwner);
        QFile::setPermissions(path, rw);
    } else {
        written = writeFile(path, names);
    }

    QCOMPARE(written.ok(), after == QLatin1String("new"));
    QVERIFY(!written.partlyWritten);
    if (obstacle.startsWith(QLatin1String("size limit")))
        QCOMPARE(written.error, qt_error_string(EFBIG)); // the reason, even after part was written
    else if (!written.ok())
        QVERIFY(!written.error.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    if (after == QLatin1String("new"))
        QCOMPARE(readBytes(path), encode(names));
    else if (there == QLatin1String("file"))
        QCOMPARE(readBytes(path), old);
    else if (there != QLatin1String("nothing"))
        QVERIFY2(QFileInfo(path).exists() && !QFileInfo(path).isFile(), "the pipe is still there");
}

QTEST_GUILESS_MAIN(TestNameListCodec)
#include "test_namelistcodec.moc"
