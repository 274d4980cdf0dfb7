#include "DrawGolden.h"
#include "draw/DrawRecordFile.h"
#include "draw/PublicDraw.h"

#include <QTest>

// The draw a record promises: a list, a seed and re-orders give one order for good.
class TestDrawGolden : public QObject
{
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
};

void TestDrawGolden::golden_data()
{
    QTest::addColumn<int>("row");
    const std::vector<DrawGolden::Row>& rows = DrawGolden::rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name) << int(i);
}

void TestDrawGolden::golden()
{
    QFETCH(int, row);
    const DrawGolden::Row& golden = DrawGolden::rows()[std::size_t(row)];
    const std::string why = DrawGolden::mismatch(golden);
    QVERIFY2(why.empty(), why.c_str());

    // The same draw recorded, written, read back and checked as --check-draw does.
    QStringList list;
    for (const std::string& name : golden.list)
        list << QString::fromStdString(name);
    // A draw from a public text: its seed follows from the list and the text alone.
    const QString seedFrom = golden.seedFrom ? QString::fromUtf8(golden.seedFrom) : QString();
    if (golden.seedFrom) {
        QCOMPARE(PublicDraw::seed(listFingerprint(list), seedFrom), golden.seed);
        QCOMPARE(golden.reorders, PublicDraw::kReorders);
    }
    QStringList drawn;
    for (int position : replayDraw(int(list.size()), golden.seed, golden.reorders))
        drawn << list[position];
    DrawRecord record = DrawRecord::ofDraw(list, drawn, golden.reorders, golden.seed, QDateTime::currentDateTime());
    record.seedFrom = seedFrom;
    const std::optional<QByteArray> file = DrawRecordFile::write(record, list);
    QVERIFY(file.has_value());
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(*file);
    QCOMPARE(parsed.fault, DrawRecordFile::Fault::None);
    QVERIFY(checkDraw(parsed.record, parsed.list).matches);
}

QTEST_GUILESS_MAIN(TestDrawGolden)
#include "test_drawgolden.moc"
