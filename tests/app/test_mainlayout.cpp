#include "app/MainLayout.h"

#include <QTest>

class TestMainLayout : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
};

namespace {
const TwipsRect kPrevious{75, 75, 3290, 2980};
constexpr float kPictureWidth = 1365;
constexpr float kShuffleHeight = 735;
} // namespace

void TestMainLayout::layout_data()
{
    QTest::addColumn<float>("clientWidth");
    QTest::addColumn<float>("clientHeight");
    QTest::addColumn<TwipsRect>("list");
    QTest::addColumn<float>("buttonPanelLeft");
    QTest::addColumn<float>("shuffleTop");

    QTest::newRow("design size") << 4830.f << 3990.f << TwipsRect{75, 75, 3290, 2980} << 3440.f << 3180.f;
    QTest::newRow("1000 wider") << 5830.f << 3990.f << TwipsRect{75, 75, 4290, 2980} << 4440.f << 3180.f;
    QTest::newRow("1000 higher") << 4830.f << 4990.f << TwipsRect{75, 75, 3290, 3980} << 3440.f << 4180.f;
    QTest::newRow("exactly as narrow as the column")
        << 1540.f << 3990.f << TwipsRect{75, 75, 0, 2980} << 150.f << 3180.f;
    QTest::newRow("narrower than the column keeps the list") << 1539.f << 3990.f << kPrevious << 3440.f << 3180.f;
    QTest::newRow("lower than the Shuffle button keeps the list") << 4830.f << 1009.f << kPrevious << 3440.f << 3180.f;
    QTest::newRow("exactly as low as the Shuffle button")
        << 4830.f << 1010.f << TwipsRect{75, 75, 3290, 0} << 3440.f << 200.f;
    QTest::newRow("zero client area") << 0.f << 0.f << kPrevious << 3440.f << 3180.f;
}

void TestMainLayout::layout()
{
    QFETCH(float, clientWidth);
    QFETCH(float, clientHeight);
    QFETCH(TwipsRect, list);
    QFETCH(float, buttonPanelLeft);
    QFETCH(float, shuffleTop);

    const MainLayout out = layOutMainWindow(clientWidth, clientHeight, kPrevious, kPictureWidth, kShuffleHeight);
    QCOMPARE(out.list, list);
    QCOMPARE(out.buttonPanelLeft, buttonPanelLeft);
    QCOMPARE(out.buttonPanelTop, list.top);
    QCOMPARE(out.shuffleLeft, list.left);
    QCOMPARE(out.shuffleTop, shuffleTop);
    QCOMPARE(out.shuffleWidth, list.width);
}

QTEST_APPLESS_MAIN(TestMainLayout)
#include "test_mainlayout.moc"
