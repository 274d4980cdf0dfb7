#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"
#include "draw/MaxNames.h"

#include <QCryptographicHash>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using DrawRecordFile::Fault;

namespace {

QStringList names(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << QStringLiteral("Name %1").arg(i);
    return list;
}

const QDateTime kWhen(QDate(2026, 12, 8), QTime(14, 3, 5), QTimeZone(3600));

// The record of the draw the program makes from list, seed and reorders.
DrawRecord drawOf(const QStringList& list, quint64 seed, qint64 reorders, const QDateTime& when = kWhen)
{
    QStringList drawn;
    for (int position : replayDraw(int(list.size()), seed, reorders))
        drawn << list[position];
    return DrawRecord::ofDraw(list, drawn, reorders, seed, when);
}

QByteArray fileOf(const QStringList& list, quint64 seed = 42, qint64 reorders = 9)
{
    return DrawRecordFile::write(drawOf(list, seed, reorders), list).value_or(QByteArray());
}

const QStringList kFive{QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral("Cy"), QStringLiteral("Di"),
                        QStringLiteral("Ed")};

QByteArray replaced(QByteArray data, const QByteArray& from, const QByteArray& to)
{
    const qsizetype at = data.indexOf(from);
    return at < 0 ? QByteArray() : data.replace(at, from.size(), to);
}

} // namespace

class TestDrawRecord : public QObject
{
    Q_OBJECT

private slots:
    void fingerprint_data();
    void fingerprint();
    void roundTrip_data();
    void roundTrip();
    void writerRefuses_data();
    void writerRefuses();
    void parse_data();
    void parse();
    void check_data();
    void check();
    void readFile_data();
    void readFile();
};

void TestDrawRecord::fingerprint_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QByteArray>("sha256"); // of the names as UTF-8, each followed by "\n"
    QTest::newRow("two") << QStringList{QStringLiteral("Ann"), QStringLiteral("Bo")}
                         << QByteArray("bed68af6e87fa98f9deccc18f4f93b881808f87b749cd12fabcb57df92d9685e");
    // Half a surrogate pair is fingerprinted as the file holds it: U+FFFD.
    QTest::newRow("half a surrogate pair")
        << QStringList{QStringLiteral("A") + QChar(0xD83D), QStringLiteral("\U0001F600")}
        << QCryptographicHash::hash("A\xEF\xBF\xBD\n\xF0\x9F\x98\x80\n", QCryptographicHash::Sha256).toHex();
    QTest::newRow("a long name")
        << QStringList{QString(100'000, QLatin1Char('x'))}
        << QCryptographicHash::hash(QByteArray(QByteArray(100000, 'x') + "\n"), QCryptographicHash::Sha256).toHex();
}

void TestDrawRecord::fingerprint()
{
    QFETCH(QStringList, list);
    QFETCH(QByteArray, sha256);
    QCOMPARE(listFingerprint(list).toHex(), sha256);
}

void TestDrawRecord::roundTrip_data()
{
    QTest::addColumn<DrawRecord>("record");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QByteArray>("start"); // how the file begins

    QTest::newRow("two names") << drawOf(kFive.first(2), 1, 1) << kFive.first(2)
                               << QByteArray("Nimbrel draw record 1\nKind: draw\nTime: 2026-12-08T14:03:05+01:00\n"
                                             "Names: 2\nList SHA-256: bed68af6e87fa98f9deccc18f4f93b881808f87b749cd1"
                                             "2fabcb57df92d9685e\nSeed: 1\nRe-orders: 1\nDrawn 1: Bo\nDrawn 2: Ann\n"
                                             "Rest not shown: 0\n\nAnn\nBo\n");
    QTest::newRow("150 names: 100 shown, 50 not")
        << drawOf(names(150), ~quint64(0), 3) << names(150) << QByteArray("Nimbrel draw record 1\n");
    const QStringList odd{QStringLiteral("  spaced  "),      QStringLiteral("Key: value"),
                          QStringLiteral("Zo\u00eb \u674e"), QStringLiteral("\U0001F600"),
                          QStringLiteral("Drawn 1: Ann"),    QString()};
    QTest::newRow("names that look like fields, spaces, non-ASCII, empty") << drawOf(odd, 5, 2) << odd << QByteArray();
    QTest::newRow("west of UTC, half hours")
        << drawOf(kFive, 3, 4, QDateTime(QDate(2027, 1, 2), QTime(23, 59, 59), QTimeZone(-(3 * 3600 + 1800)))) << kFive
        << QByteArray("Nimbrel draw record 1\nKind: draw\nTime: 2027-01-02T23:59:59-03:30\n");
    DrawRecord ofList = drawOf(kFive.first(2), 1, 1);
    ofList.listId = 12;
    ofList.listName = QStringLiteral("4B: <b>Mon</b>");
    QTest::newRow("from a list") << ofList << kFive.first(2)
                                 << QByteArray("Nimbrel draw record 1\nKind: draw\nTime: 2026-12-08T14:03:05+01:00\n"
                                               "List: 4B: <b>Mon</b>\nList ID: 12\nNames: 2\n");
    QTest::newRow("set aside") << DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("Bo")}, kWhen)
                               << QStringList{}
                               << QByteArray("Nimbrel draw record 1\nKind: set aside\nTime: 2026-12-08T14:03:05+01:00\n"
                                             "Names: 1\n\nBo\n");
}

void TestDrawRecord::roundTrip()
{
    QFETCH(DrawRecord, record);
    QFETCH(QStringList, list);
    QFETCH(QByteArray, start);

    const std::optional<QByteArray> file = DrawRecordFile::write(record, list);
    QVERIFY(file.has_value());
    QVERIFY2(file->startsWith(start), file->left(400).constData());
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(*file);
    QCOMPARE(parsed.fault, Fault::None);
    QVERIFY(parsed.record == record);
    QCOMPARE(parsed.record.when.toString(Qt::ISODate), record.when.toString(Qt::ISODate));
    QCOMPARE(parsed.list, record.kind == DrawRecord::Kind::Draw ? list : record.names);
    if (record.kind == DrawRecord::Kind::Draw) {
        QCOMPARE(record.drawn.size(), qMin(list.size(), qsizetype(100)));
        QCOMPARE(record.notShown, list.size() - record.drawn.size());
    }
}

void TestDrawRecord::writerRefuses_data()
{
    QTest::addColumn<DrawRecord>("record");
    QTest::addColumn<QStringList>("list");

    // A name with a line break would come back as two: the fingerprint could not tell.
    QStringList broken = kFive;
    broken[1] = QStringLiteral("B\no");
    QTest::newRow("line break in the list") << drawOf(broken, 1, 1) << broken;
    QStringList carriage = kFive;
    carriage[4] = QStringLiteral("Ed\r");
    QTest::newRow("carriage return in the list") << drawOf(carriage, 1, 1) << carriage;
    QTest::newRow("another list") << drawOf(kFive, 1, 1) << QStringList(kFive).replaceInStrings("Bo", "Bob");
    DrawRecord noTime = drawOf(kFive, 1, 1);
    noTime.when = QDateTime();
    QTest::newRow("no time") << noTime << kFive;
    DrawRecord unnamed = drawOf(kFive, 1, 1);
    unnamed.listId = 2;
    QTest::newRow("a list's number without its name") << unnamed << kFive;
    unnamed.listName = QStringLiteral("4\nB");
    QTest::newRow("a list's name with a line break") << unnamed << kFive;
}

void TestDrawRecord::writerRefuses()
{
    QFETCH(DrawRecord, record);
    QFETCH(QStringList, list);
    QVERIFY(!DrawRecordFile::write(record, list).has_value());
}

void TestDrawRecord::parse_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("line"); // 0: any

    const QByteArray good = fileOf(kFive);
    QVERIFY(!good.isEmpty());
    const auto row = [](const char* name, const QByteArray& data, Fault fault, int line = 0) {
        QVERIFY2(!data.isEmpty() || fault == Fault::NotARecord, name); // the edit found its text
        QTest::newRow(name) << data << fault << line;
    };

    row("good", good, Fault::None);
    row("saved with CRLF", QByteArray(good).replace("\n", "\r\n"), Fault::None);
    row("with UTF-8's mark", "\xEF\xBB\xBF" + good, Fault::None);

    row("truncated in a name", good.chopped(2), Fault::Truncated);
    row("truncated in the fields", good.first(good.indexOf("Seed")), Fault::Truncated);
    row("a name list", "Ann\nBo\n", Fault::NotARecord);
    row("other version", replaced(good, "record 1\n", "record 2\n"), Fault::OtherVersion, 1);

    QStringEncoder utf16le(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    row("UTF-16 with its mark", utf16le.encode(QString::fromUtf8(good)), Fault::OtherEncoding);
    row("invalid UTF-8 in a name", replaced(good, "\nCy\n", "\nC\xFF\n"), Fault::InvalidUtf8, 17);
    row("overlong UTF-8", replaced(good, "\nCy\n", "\nC\xC0\xAF\n"), Fault::InvalidUtf8, 17);
    row("cut in a character", good + "\xC3", Fault::InvalidUtf8, 20);

    row("edited name", replaced(good, "\nCy\n", "\nCyd\n"), Fault::FingerprintDiffers);
    row("name added", good + "Flo\n", Fault::NameCountDiffers);
    row("name count edited", replaced(good, "Names: 5", "Names: 6"), Fault::Truncated);
    row("carriage return in a name", replaced(good, "\nCy\n", "\nC\ry\n"), Fault::BadField, 17);
    row("unknown field", replaced(good, "Seed:", "Colour: red\nSeed:"), Fault::BadField, 6);
    row("field twice", replaced(good, "Seed:", "Seed: 1\nSeed:"), Fault::BadField, 7);
    row("seed over 64 bits", replaced(good, "Seed: 42", "Seed: 18446744073709551616"), Fault::BadField, 6);
    row("negative re-orders", replaced(good, "Re-orders: 9", "Re-orders: -9"), Fault::BadField, 7);
    row("no such date", replaced(good, "2026-12-08", "2026-02-30"), Fault::BadField, 3);
    row("time left empty", replaced(good, "2026-12-08T14:03:05+01:00", ""), Fault::BadField, 3);
    row("seed missing", replaced(good, "Seed: 42\n", ""), Fault::MissingField);
    row("a list's name without its number", replaced(good, "Names:", "List: 4B\nNames:"), Fault::MissingField);
    row("list number 0", replaced(good, "Names:", "List: 4B\nList ID: 0\nNames:"), Fault::BadField, 5);
    row("drawn places out of order", replaced(good, "Drawn 2:", "Drawn 3:"), Fault::BadField, 9);
    row("rest count edited", replaced(good, "Rest not shown: 0", "Rest not shown: 1"), Fault::DrawnCountDiffers);
    const QByteArray setAside =
        DrawRecordFile::write(DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("Bo")}, kWhen))
            .value_or(QByteArray());
    row("a draw's field in another record", replaced(setAside, "Names:", "Seed: 4\nNames:"), Fault::BadField, 4);

    const QStringList halves{QStringLiteral("Ann") + QChar(0xDC00), QStringLiteral("Bo") + QChar(0xD800)};
    row("names with half a surrogate pair", fileOf(halves), Fault::None);

    const QByteArray full = fileOf(names(kMaxNames), 1, 1);
    row("32,767 names", full, Fault::None);
    row("32,768 names", replaced(full, "Names: 32767", "Names: 32768") + "Name 32768\n", Fault::TooManyNames, 4);
    row("32,768 names in the list", full + "Name 32768\n", Fault::TooManyNames);
}

void TestDrawRecord::parse()
{
    QFETCH(QByteArray, data);
    QFETCH(Fault, fault);
    QFETCH(int, line);
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(data);
    QCOMPARE(parsed.fault, fault);
    if (line != 0)
        QCOMPARE(parsed.line, line);
    if (fault == Fault::None)
        QVERIFY(checkDraw(parsed.record, parsed.list).matches);
    else
        QVERIFY(parsed.list.isEmpty()); // nothing half-read is handed on
}

void TestDrawRecord::check_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("position"); // 0: it matches
    QTest::addColumn<QString>("recorded");

    // Seed 20261208, one re-order: Bo, Cy, Di, Ann, Ed.
    const QByteArray good = fileOf(kFive, 20261208, 1);
    QTest::newRow("as drawn") << good << 0 << QString();
    QTest::newRow("order edited at 3") << replaced(good, "Drawn 3: Di", "Drawn 3: Ann") << 3 << QStringLiteral("Ann");
    QTest::newRow("seed edited") << replaced(good, "Seed: 20261208", "Seed: 20261209") << 1 << QStringLiteral("Bo");
    QTest::newRow("one re-order more") << replaced(good, "Re-orders: 1", "Re-orders: 2") << 1 << QStringLiteral("Bo");
    const QByteArray long150 = fileOf(names(150), 77, 2);
    const qsizetype at = long150.indexOf("Drawn 100: ") + 11;
    QTest::newRow("150 names, the 100th edited")
        << QByteArray(long150).insert(at, "X") << 100
        << QStringLiteral("X") + QString::fromUtf8(long150.sliced(at, long150.indexOf('\n', at) - at));
}

void TestDrawRecord::check()
{
    QFETCH(QByteArray, data);
    QFETCH(int, position);
    QFETCH(QString, recorded);
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(data);
    QCOMPARE(parsed.fault, Fault::None); // the order is not covered by the fingerprint: the check finds it
    const DrawCheck result = checkDraw(parsed.record, parsed.list);
    QCOMPARE(result.matches, position == 0);
    QCOMPARE(result.position, position);
    QCOMPARE(result.recorded, recorded);
    if (position != 0) {
        QVERIFY(!result.redrawn.isEmpty());
        QVERIFY(result.redrawn != result.recorded);
    }
}

void TestDrawRecord::readFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Fault>("fault");
    QTest::newRow("good") << QStringLiteral("good") << Fault::None;
    QTest::newRow("100 MB, refused unread") << QStringLiteral("huge") << Fault::TooLarge;
    QTest::newRow("missing") << QStringLiteral("missing") << Fault::Unreadable;
}

void TestDrawRecord::readFile()
{
    QFETCH(QString, kind);
    QFETCH(Fault, fault);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draw.txt"));
    QFile file(path);
    if (kind == QLatin1String("good") || kind == QLatin1String("huge")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(fileOf(kFive)) > 0);
        // Sparse: no 100 MB written, and a reader that read it all would still be slow.
        if (kind == QLatin1String("huge"))
            QVERIFY(file.resize(100'000'000));
        file.close();
    }
    const DrawRecordFile::Parsed parsed = DrawRecordFile::read(path);
    QCOMPARE(parsed.fault, fault);
    if (fault == Fault::Unreadable)
        QVERIFY(!parsed.detail.isEmpty());
}

QTEST_GUILESS_MAIN(TestDrawRecord)
#include "test_drawrecord.moc"
