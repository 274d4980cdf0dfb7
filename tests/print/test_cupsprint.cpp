#include <QTest>
class TestCupsPrint : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestCupsPrint)
#include "test_cupsprint.moc"
