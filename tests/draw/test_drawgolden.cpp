#include "DrawGolden.h"
#include "draw/DrawRecordFile.h"

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
    QStringList drawn;
    for (int position : replayDraw(int(list.size()), golden.seed, golden.reorders))
        drawn << list[position];
    const DrawRecord record =
        DrawRecord::ofDraw(list, drawn, golden.reorders, golden.seed, QDateTime::currentDateTime());
    const std::optional<QByteArray> file = DrawRecordFile::write(record, list);
    QVERIFY(file.has_value());
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(*file);
    QCOMPARE(parsed.fault, DrawRecordFile::Fault::None);
    QVERIFY(checkDraw(parsed.record, parsed.list).matches);
}

QTEST_GUILESS_MAIN(TestDrawGolden)
#include "test_drawgolden.moc"
