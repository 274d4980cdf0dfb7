#include "MainWindowFixture.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QTest>

// The draw shown over the whole screen: the name whole and as large as it fits.
class TestDrawView : public QObject
{
    Q_OBJECT
private slots:
    void nameFitsTheScreen_data();
    void nameFitsTheScreen();
};

void TestDrawView::nameFitsTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("capShare"); // of the screen's height, at least
    QTest::newRow("short") << QStringLiteral("Ann") << 0.25;
    QTest::newRow("markup shown as typed") << QStringLiteral("<b>Ann</b>") << 0.1;
    QTest::newRow("right to left") << QStringLiteral("שרה כהן") << 0.1;
    QTest::newRow("one long word") << QString(300, QLatin1Char('W')) << 0.0;
    QTest::newRow("10,000 characters") << QStringLiteral("Maximiliana ").repeated(834).left(10000) << 0.0;
}

void TestDrawView::nameFitsTheScreen()
{
    QFETCH(QString, name);
    QFETCH(double, capShare);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({name, QStringLiteral("Bob")});
    f.showMinimized(); // it opens on the screen of a minimised window too
    f.findChild<ListMenu*>()->showDraw();
    DrawView* view = f.findChild<ListMenu*>()->drawView();
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->size(), view->screen()->size());
    QCOMPARE(view->accessibleName(), name);
    QCOMPARE(view->shownLength(), name.size());                  // every character is laid out...
    QVERIFY(view->rect().contains(view->nameBounds().toRect())); // ...within the screen
    QVERIFY(QFontMetricsF(view->nameFont()).capHeight() >= capShare * view->height());

    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!f.findChild<ListMenu*>()->drawView());
    // Refused with a shuffle running.
    f.toggleShuffle();
    f.findChild<ListMenu*>()->showDraw();
    QVERIFY(!f.findChild<ListMenu*>()->drawView());
    f.toggleShuffle();
}

QTEST_MAIN(TestDrawView)
#include "test_drawview.moc"
