#include "MainWindowFixture.h"

#include <QTest>
#include <QWindow>

// Under a real X server: a shaking tick really moves the window, and back.
class TestShakeX11 : public QObject
{
    Q_OBJECT
private slots:
    void windowMoves();
};

void TestShakeX11::windowMoves()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X server");
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.sound = f.flashy = false;
    f.nameList->AddItems({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QPoint rest = f.windowHandle()->position();

    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    f.shuffleTick();
    // 100 twips is 6.67 logical pixels.
    QTRY_COMPARE(f.windowHandle()->position(), rest + QPoint(7, 0));

    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    f.shuffleTick();
    QTRY_COMPARE(f.windowHandle()->position(), rest);
}

QTEST_MAIN(TestShakeX11)
#include "test_shake_x11.moc"
