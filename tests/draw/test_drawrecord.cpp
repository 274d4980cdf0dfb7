#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"
#include "draw/MaxNames.h"
#include "draw/PublicDraw.h"

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

// A draw of kFive from a public text, dealt into two teams.
DrawRecord publicDraw()
{
    const QString text = QStringLiteral("12 17 23 31 40 45");
    DrawRecord record = drawOf(kFive, PublicDraw::seed(listFingerprint(kFive), text), PublicDraw::kReorders);
    record.seedFrom = text;
    record.teams = 2;
    return record;
}

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
    void entryRefused_data();
    void entryRefused();
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
    QTest::newRow("from a public text, in teams")
        << publicDraw() << kFive
        << QByteArray("Nimbrel draw record 1\nKind: draw\nTime: 2026-12-08T14:03:05+01:00\nNames: 5\nList SHA-256: "
                      "77c961dc7eab295f5f7655b51517bffce05eb6ccee34c62010f6a1d40d2389a6\nSeed: 788652070437845312\n"
                      "Seed from: 12 17 23 31 40 45\nRe-orders: 200\nDrawn 1: Di\nDrawn 2: Ed\nDrawn 3: Cy\nDrawn 4: "
                      "Ann\nDrawn 5: Bo\nRest not shown: 0\nTeams: 2\n\nAnn\n");
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

    // As the history keeps it: the entry without the list, and the list apart, its text the
    // one the fingerprint is of.
    const std::optional<QByteArray> entry = DrawRecordFile::writeEntry(record);
    QVERIFY(entry.has_value());
    QVERIFY(DrawRecordFile::parseEntry(*entry).record == record);
    if (record.kind == DrawRecord::Kind::Draw) {
        const QByteArray text = DrawRecordFile::listText(list);
        QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256), record.listFingerprint);
        QCOMPARE(DrawRecordFile::parseList(text), list);
        QByteArray apart;
        QVERIFY(DrawRecordFile::parseFields(*file, &apart).record == record);
        QCOMPARE(apart, text);
    }
}

void TestDrawRecord::entryRefused_data()
{
    QTest::addColumn<QByteArray>("entry");

    const QByteArray good = DrawRecordFile::writeEntry(drawOf(kFive, 42, 9)).value_or(QByteArray());
    const QByteArray deflated = good.sliced(good.indexOf("deflated: ") + 10).split('\n').first();
    const auto packed = [](QByteArray names) { return qCompress(names).toBase64(); };
    QTest::newRow("not base64") << replaced(good, deflated, "#" + deflated);
    // A size of 4 GB in qCompress's header: refused before anything is made that big.
    QTest::newRow("forged size") << replaced(good, deflated, QByteArray("\xff\xff\xff\xffx").toBase64());
    QTest::newRow("one name fewer") << replaced(good, deflated, packed("Bo\nAnn\nCy\nDi\n"));
    QTest::newRow("last line not ended") << replaced(good, deflated, packed("Bo\nAnn\nCy\nDi\nEd"));
    QTest::newRow("invalid UTF-8") << replaced(good, deflated, packed("Bo\nAnn\nCy\nDi\nE\xff\n"));
    QTest::newRow("a list after the fields") << good + "Ann\n";
    QTest::newRow("names as a file has them") << replaced(good, "Drawn, deflated: " + deflated, "Drawn 1: Bo");
}

void TestDrawRecord::entryRefused()
{
    QFETCH(QByteArray, entry);
    QVERIFY(!entry.isEmpty());
    QVERIFY(!DrawRecordFile::parseEntry(entry).ok());
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
    DrawRecord moreTeams = publicDraw();
    moreTeams.teams = 6;
    QTest::newRow("more teams than names") << moreTeams << kFive;
    DrawRecord brokenText = publicDraw();
    brokenText.seedFrom = QStringLiteral("12 17\n23");
    QTest::newRow("a line break in the public text") << brokenText << kFive;
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
    const QByteArray hex = listFingerprint(kFive).toHex();
    row("fingerprint with a letter past f", replaced(good, hex, "g" + hex.sliced(1)), Fault::BadField, 5);
    // More than a shuffle of 100 re-orders a second makes in a day: replaying it would take hours.
    row("re-orders past a day", replaced(good, "Re-orders: 9", "Re-orders: 8640001"), Fault::BadField, 7);
    row("re-orders of 2^63-1", replaced(good, "Re-orders: 9", "Re-orders: 9223372036854775807"), Fault::BadField, 7);
    row("rest count edited", replaced(good, "Rest not shown: 0", "Rest not shown: 1"), Fault::DrawnCountDiffers);
    const QByteArray setAside =
        DrawRecordFile::write(DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("Bo")}, kWhen))
            .value_or(QByteArray());
    row("a draw's field in another record", replaced(setAside, "Names:", "Seed: 4\nNames:"), Fault::BadField, 4);

    // The fields a draw from a public text and a split add: each once, only in a draw, and
    // only as the program writes them.
    const QByteArray pub = DrawRecordFile::write(publicDraw(), kFive).value_or(QByteArray());
    row("public text and teams", pub, Fault::None);
    row("more teams than names", replaced(pub, "Teams: 2", "Teams: 6"), Fault::BadField, 15);
    row("one team", replaced(pub, "Teams: 2", "Teams: 1"), Fault::BadField, 15);
    row("public text left empty", replaced(pub, "Seed from: 12 17 23 31 40 45", "Seed from: "), Fault::BadField, 7);
    row("public text twice", replaced(pub, "Re-orders:", "Seed from: 1\nRe-orders:"), Fault::BadField, 8);
    row("a public text in another record", replaced(setAside, "Names:", "Seed from: 4\nNames:"), Fault::BadField, 4);

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
    QTest::addColumn<int>("position"); // 0: it matches, or parts from the record elsewhere than in the order
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<DrawCheck::Mismatch>("mismatch");
    using Mismatch = DrawCheck::Mismatch;

    // Seed 20261208, one re-order: Bo, Cy, Di, Ann, Ed.
    const QByteArray good = fileOf(kFive, 20261208, 1);
    QTest::newRow("as drawn") << good << 0 << QString() << Mismatch::None;
    QTest::newRow("order edited at 3") << replaced(good, "Drawn 3: Di", "Drawn 3: Ann") << 3 << QStringLiteral("Ann")
                                       << Mismatch::Order;
    QTest::newRow("seed edited") << replaced(good, "Seed: 20261208", "Seed: 20261209") << 1 << QStringLiteral("Bo")
                                 << Mismatch::Order;
    QTest::newRow("one re-order more") << replaced(good, "Re-orders: 1", "Re-orders: 2") << 1 << QStringLiteral("Bo")
                                       << Mismatch::Order;
    // A draw from a public text: the seed is the text's, the re-orders the method's. A host
    // who tried seeds, or stopped early, until a name came first is found out.
    const QByteArray pub = DrawRecordFile::write(publicDraw(), kFive).value_or(QByteArray());
    QTest::newRow("public: as drawn") << pub << 0 << QString() << Mismatch::None;
    QTest::newRow("public: another text")
        << replaced(pub, "Seed from: 12 17", "Seed from: 12 18") << 0 << QString() << Mismatch::PublicSeed;
    QTest::newRow("public: seed and order of a shorter shuffle")
        << DrawRecordFile::write(
               [] {
                   DrawRecord record = drawOf(kFive, publicDraw().seed, 7);
                   record.seedFrom = publicDraw().seedFrom;
                   return record;
               }(),
               kFive)
               .value_or(QByteArray())
        << 0 << QString() << Mismatch::PublicReorders;
    const QByteArray long150 = fileOf(names(150), 77, 2);
    const qsizetype at = long150.indexOf("Drawn 100: ") + 11;
    QTest::newRow("150 names, the 100th edited")
        << QByteArray(long150).insert(at, "X") << 100
        << QStringLiteral("X") + QString::fromUtf8(long150.sliced(at, long150.indexOf('\n', at) - at))
        << Mismatch::Order;
}

void TestDrawRecord::check()
{
    QFETCH(QByteArray, data);
    QFETCH(int, position);
    QFETCH(QString, recorded);
    QFETCH(DrawCheck::Mismatch, mismatch);
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(data);
    QCOMPARE(parsed.fault, Fault::None); // the order is not covered by the fingerprint: the check finds it
    const DrawCheck result = checkDraw(parsed.record, parsed.list);
    QCOMPARE(result.mismatch, mismatch);
    QCOMPARE(result.matches, mismatch == DrawCheck::Mismatch::None);
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
