#include "draw/ClockRandomSource.h"

#include <QTest>
#include <QThread>

#include <cmath>

class TestClockRandom : public QObject
{
    Q_OBJECT

private slots:
    void valuesSpanTheUnitInterval();
    void seedsDifferOverTime();
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

QTEST_GUILESS_MAIN(TestClockRandom)
#include "test_clockrandom.moc"
