#include "QueuedRandomSource.h"
#include "draw/DrawOrder.h"

#include <QTest>

#include <cmath>
#include <random>
#include <vector>

namespace {

// The draw done the slow, obvious way: remove the k-th name from a list.
std::vector<int> literalDraw(int n, const std::vector<float>& values)
{
    std::vector<int> left(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        left[i] = i;
    std::vector<int> result;
    std::size_t next = 0;
    for (int m = n - 1; !left.empty(); --m) {
        const float x = values[next++] * static_cast<float>(m);
        const int k = static_cast<int>(std::nearbyint(x));
        result.push_back(left[k]);
        left.erase(left.begin() + k);
    }
    return result;
}

// n values like the real source's; coarse ones (multiples of 1/64) make r * m land on
// exact halves often, and the largest value below 1 is mixed in.
std::vector<float> randomValues(int n, unsigned seed, bool coarse)
{
    std::mt19937 engine(seed);
    std::vector<float> values;
    for (int i = 0; i < n; ++i) {
        const unsigned bits = engine() >> 8;
        if (i % 97 == 5)
            values.push_back(std::nextafter(1.0f, 0.0f));
        else if (coarse)
            values.push_back(static_cast<float>(bits >> 18) / 64.0f);
        else
            values.push_back(static_cast<float>(bits) / 16777216.0f);
    }
    return values;
}

} // namespace

class TestDrawOrder : public QObject
{
    Q_OBJECT

private slots:
    void scriptedValuesGiveExactOrder_data();
    void scriptedValuesGiveExactOrder();
    void matchesLiteralRemoval_data();
    void matchesLiteralRemoval();

private:
    DrawOrder m_sharedOrder; // one instance across rows: buffers are reused between draws
};

void TestDrawOrder::scriptedValuesGiveExactOrder_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("no names") << 0 << QList<float>{} << QList<int>{};
    QTest::newRow("one name") << 1 << QList<float>{0.9f} << QList<int>{0};
    QTest::newRow("two, 0.5 is a tie to 0: kept") << 2 << QList<float>{0.5f, 0.9f} << QList<int>{0, 1};
    QTest::newRow("two, 0.75 rounds to 1: swapped") << 2 << QList<float>{0.75f, 0.0f} << QList<int>{1, 0};
    QTest::newRow("two, just above 0.5: swapped")
        << 2 << QList<float>{std::nextafter(0.5f, 1.0f), 0.0f} << QList<int>{1, 0};
    QTest::newRow("three, 0.3: middle first") << 3 << QList<float>{0.3f, 0.0f, 0.0f} << QList<int>{1, 0, 2};
    QTest::newRow("three, 0.5: middle first") << 3 << QList<float>{0.5f, 0.9f, 0.0f} << QList<int>{1, 2, 0};
    QTest::newRow("three, 0.74: middle first") << 3 << QList<float>{0.74f, 0.0f, 0.0f} << QList<int>{1, 0, 2};
    QTest::newRow("three, x = 0.5 goes to 0") << 3 << QList<float>{0.25f, 0.0f, 0.0f} << QList<int>{0, 1, 2};
    QTest::newRow("three, x = 1.5 goes to 2") << 3 << QList<float>{0.75f, 0.0f, 0.0f} << QList<int>{2, 0, 1};
    QTest::newRow("three, largest r takes the last")
        << 3 << QList<float>{std::nextafter(1.0f, 0.0f), 0.0f, 0.0f} << QList<int>{2, 0, 1};
    QTest::newRow("five, x = 2.5 goes to 2")
        << 5 << QList<float>{0.625f, 0.0f, 0.0f, 0.0f, 0.0f} << QList<int>{2, 0, 1, 3, 4};
    QTest::newRow("five, x = 3.5 goes to 4")
        << 5 << QList<float>{0.875f, 0.0f, 0.0f, 0.0f, 0.0f} << QList<int>{4, 0, 1, 2, 3};
    // 0.5 then 0.5 with m = 3 then 2: x = 1.5 -> 2, then x = 1.0 -> 1 of {0, 1, 3}.
    QTest::newRow("four, later picks index the names left")
        << 4 << QList<float>{0.5f, 0.5f, 0.0f, 0.0f} << QList<int>{2, 1, 0, 3};
}

void TestDrawOrder::scriptedValuesGiveExactOrder()
{
    QFETCH(int, n);
    QFETCH(QList<float>, values);
    QFETCH(QList<int>, expected);

    QueuedRandomSource random;
    for (float value : values)
        random.enqueue(value);
    const std::vector<int>& order = m_sharedOrder.draw(n, random);
    QCOMPARE(QList<int>(order.begin(), order.end()), expected);
    QCOMPARE(random.remaining(), qsizetype(0)); // exactly one value per name
}

void TestDrawOrder::matchesLiteralRemoval_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<bool>("coarse");

    for (int n : {0, 1, 2, 3, 10, 1000, 32767}) {
        const int seeds = n > 1000 ? 2 : 20;
        for (unsigned seed = 1; seed <= static_cast<unsigned>(seeds); ++seed) {
            for (bool coarse : {false, true}) {
                const QByteArray name =
                    QByteArray::number(n) + " names, seed " + QByteArray::number(seed) + (coarse ? ", coarse" : "");
                QTest::newRow(name.constData()) << n << seed << coarse;
            }
        }
    }
}

void TestDrawOrder::matchesLiteralRemoval()
{
    QFETCH(int, n);
    QFETCH(unsigned, seed);
    QFETCH(bool, coarse);

    const std::vector<float> values = randomValues(n, seed, coarse);
    QueuedRandomSource random;
    for (float value : values)
        random.enqueue(value);
    const std::vector<int>& order = m_sharedOrder.draw(n, random);
    QCOMPARE(random.remaining(), qsizetype(0));
    QVERIFY(order == literalDraw(n, values));
}

QTEST_GUILESS_MAIN(TestDrawOrder)
#include "test_draworder.moc"
