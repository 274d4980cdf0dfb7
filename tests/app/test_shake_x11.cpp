#include "MainWindowFixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// Under a real X server: a shaking tick really moves the window, and back.
namespace {

// The main window with two names and only the shake switched on, shown.
MainWindow& showShakingWindow(MainWindowFixture& fx)
{
    MainWindow& f = fx.open();
    fx.setEffects(true, false, false);
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.show();
    return f;
}

} // namespace

class TestShakeX11 : public QObject
{
    Q_OBJECT
private slots:
    void windowMoves();
    void endsWhereItStartedUnderAWindowManager();
};

void TestShakeX11::windowMoves()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X server");
    MainWindowFixture fx;
    MainWindow& f = showShakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QPoint rest = f.windowHandle()->position();

    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    f.hat().reorder();
    // 100 twips is 6.67 logical pixels.
    QTRY_COMPARE(f.windowHandle()->position(), rest + QPoint(7, 0));

    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    f.hat().reorder();
    QTRY_COMPARE(f.windowHandle()->position(), rest);
}

void TestShakeX11::endsWhereItStartedUnderAWindowManager()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X server");
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty())
        QSKIP("needs openbox");
    // A window manager answers each move a little later, after the next tick may have
    // asked for another.
    QTemporaryDir dir;
    const QString ready = dir.filePath(QStringLiteral("ready"));
    QProcess manager;
    manager.start(openbox, {QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
    auto stop = qScopeGuard([&] {
        manager.terminate();
        manager.waitForFinished();
    });
    QTRY_VERIFY(QFile::exists(ready));

    MainWindowFixture fx;
    MainWindow& f = showShakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(f.windowHandle()->frameMargins().top() > 0); // framed by the manager
    QTest::qWait(200);
    const QPoint rest = f.pos();
    const float restTwips = f.effects().leftTwips();

    // Shuffles of one to four ticks, 10 ms apart as the timer makes them.
    for (int shuffle = 0; shuffle < 40; ++shuffle) {
        for (int tick = 0; tick <= shuffle % 4; ++tick) {
            fx.random.enqueue(0.f);
            fx.random.enqueue(0.f);
            f.hat().reorder();
            QTest::qWait(10);
        }
        QTest::qWait(shuffle % 3 * 20);
    }
    const int shift = f.effects().shifted() ? 7 : 0;
    QTRY_COMPARE(f.pos(), rest + QPoint(shift, 0));
    QCOMPARE(f.effects().leftTwips(), restTwips + (f.effects().shifted() ? 100 : 0));
}

QTEST_MAIN(TestShakeX11)
#include "test_shake_x11.moc"
