#include "draw/ClockRandomSource.h"

#include <QTest>
#include <QThread>

#include <cmath>
#include <vector>

class TestClockRandom : public QObject
{
    Q_OBJECT

private slots:
    void valuesSpanTheUnitInterval();
    void seedsDifferOverTime();
    void batchEqualsOneByOne();
};

void TestClockRandom::valuesSpanTheUnitInterval()
{
    ClockRandomSource random;
    random.randomize();
    float lowest = 1.0f;
    float highest = 0.0f;
    double sum = 0.0;
    constexpr int count = 1'000'000;
    for (int i = 0; i < count; ++i) {
        const float r = random.next();
        QVERIFY2(r >= 0.0f && r < 1.0f, QByteArray::number(r, 'g', 9).constData());
        const float scaled = r * 16777216.0f; // 24 bits, so this is a whole number
        QCOMPARE(scaled, std::floor(scaled));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    QVERIFY(lowest < 1e-4f);
    QVERIFY(highest > 1.0f - 1e-4f);
    QVERIFY(std::abs(sum / count - 0.5) < 0.005);
}

void TestClockRandom::seedsDifferOverTime()
{
    ClockRandomSource first;
    first.randomize();
    QThread::msleep(2);
    ClockRandomSource second;
    second.randomize();
    bool differ = false;
    for (int i = 0; i < 4; ++i)
        differ = differ || first.next() != second.next();
    QVERIFY(differ);
}

void TestClockRandom::batchEqualsOneByOne()
{
    // A draw takes its values in one batch: the order must not depend on it.
    ClockRandomSource batched;
    batched.randomize();
    ClockRandomSource single = batched;
    std::vector<float> values(1000);
    for (int round = 0; round < 3; ++round) {
        batched.fill(values.data(), int(values.size()) - round);
        for (int i = 0; i < int(values.size()) - round; ++i)
            QCOMPARE(values[i], single.next());
    }
}

QTEST_GUILESS_MAIN(TestClockRandom)
#include "test_clockrandom.moc"
