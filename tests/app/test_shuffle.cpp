#include "MainWindowFixture.h"

#include <QPushButton>
#include <QTest>

using namespace SettingsKeys;

class TestShuffle : public QObject
{
    Q_OBJECT
private slots:
    void tooFewNames_data();
    void tooFewNames();
    void startAndStopStates();
    void soundPlayedEveryTick();
    void missingSoundWarnsOnceAndSwitchesOff();
    void shakeAlternatesAcrossShuffles();
    void noShakeWhileMinimisedOrMaximised();
    void shakeMovesContentsWhereTheWindowCannotMove();
    void flashCycle();
    void stopRestoresColourWithFlashingOff();
    void restColourIgnoresDisabledLook();
    void closingMidShuffleStoresLastOrder();

private:
    static void addNames(MainWindow& f, int n);
    // A shown window with two names that only shakes.
    static MainWindow& shakingWindow(MainWindowFixture& fx);
    static void tick(MainWindowFixture& fx, const QList<float>& r);
};

void TestShuffle::addNames(MainWindow& f, int n)
{
    for (int i = 0; i < n; ++i)
        f.hat().append(QString(QLatin1Char('A' + i)));
}

MainWindow& TestShuffle::shakingWindow(MainWindowFixture& fx)
{
    MainWindow& f = fx.open();
    fx.setEffects(true, false, false);
    f.show();
    addNames(f, 2);
    return f;
}

void TestShuffle::tick(MainWindowFixture& fx, const QList<float>& r)
{
    for (float v : r)
        fx.random.enqueue(v);
    fx.form->hat().reorder();
    QCOMPARE(fx.random.remaining(), 0);
}

void TestShuffle::tooFewNames_data()
{
    QTest::addColumn<int>("names");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
}

void TestShuffle::tooFewNames()
{
    QFETCH(int, names);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    addNames(f, names);
    fx.prompter.expectMessage();
    f.toggleShuffle();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("You must add at least two names to the list first."));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Warning);
    QCOMPARE(button(f, "shuffleButton")->text(), QStringLiteral("Shuffle"));
    QVERIFY(!f.hat().isShuffling());
    QVERIFY(button(f, "addButton")->isEnabled());
}

void TestShuffle::startAndStopStates()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    addNames(f, 3);
    QVERIFY(button(f, "removeButton")->isEnabled());
    QList<QPushButton*> six = {button(f, "addButton"),   button(f, "removeButton"), button(f, "clearButton"),
                               button(f, "printButton"), button(f, "importButton"), button(f, "exportButton")};
    QList<QPushButton*> others = {button(f, "shuffleButton"), button(f, "exitButton"), button(f, "helpButton"),
                                  button(f, "aboutButton"), button(f, "optionsButton")};

    f.toggleShuffle();
    QVERIFY(f.hat().isShuffling());
    QCOMPARE(button(f, "shuffleButton")->text(), QStringLiteral("Stop"));
    for (QPushButton* b : six)
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    for (QPushButton* b : others)
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(fx.random.remaining(), 0); // the press itself does not re-order
    for (int i = 0; i < 300; ++i)       // the running shuffle's ticks turn A B C round by one each
        fx.random.enqueue(QList<float>{0.74f, 0.9f, 0.f}[i % 3]);
    QVERIFY(QTest::qWaitFor([&] { return MainWindowFixture::names(f) != QStringList({"A", "B", "C"}); }));

    f.toggleShuffle();
    QVERIFY(!f.hat().isShuffling());
    QCOMPARE(button(f, "shuffleButton")->text(), QStringLiteral("Shuffle"));
    for (QPushButton* b : six + others)
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
}

void TestShuffle::soundPlayedEveryTick()
{
    MainWindowFixture fx;
    const QByteArray wav("RIFF....WAVEfmt  sound bytes");
    fx.writeSound(wav);
    MainWindow& f = fx.open();
    fx.setEffects(false, false, true);
    addNames(f, 2);
    f.toggleShuffle();
    tick(fx, {0.1f, 0.f});
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.player.calls(), (QList<QByteArray>{wav, wav}));
    fx.setEffects(false, false, false); // read afresh on every tick
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.player.calls().size(), 2);
}

void TestShuffle::missingSoundWarnsOnceAndSwitchesOff()
{
    MainWindowFixture fx; // no shuffle.wav in the program folder
    MainWindow& f = fx.open();
    fx.setEffects(false, false, true);
    addNames(f, 2);
    f.toggleShuffle();

    // Further ticks arrive while the message is open: they must not stack more messages.
    fx.prompter.duringNext([&] {
        tick(fx, {0.1f, 0.f});
        tick(fx, {0.1f, 0.f});
    });
    fx.prompter.expectMessage();
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Sound Error"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Warning);
    QCOMPARE(fx.prompter.calls[0].prompt,
             QStringLiteral("Nimbrel cannot find the sound file it needs to play sound while shuffling. The file "
                            "\"shuffle.wav\" should be in the same folder as the program file. It might have been "
                            "deleted. You should replace the file or reinstall the program if you wish to play sound "
                            "while shuffling. Sound will be disabled."));
    QVERIFY(!f.effects().sound());
    QCOMPARE(MainWindowFixture::stored(Sound), QStringLiteral("0"));
    QCOMPARE(button(f, "shuffleButton")->text(), QStringLiteral("Stop")); // the shuffle goes on, silently
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.prompter.calls.size(), 1);
    QVERIFY(fx.player.calls().isEmpty());
}

void TestShuffle::shakeAlternatesAcrossShuffles()
{
    MainWindowFixture fx;
    MainWindow& f = shakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const float rest = f.effects().leftTwips();

    f.toggleShuffle();
    tick(fx, {0.f, 0.f});
    QCOMPARE(f.effects().leftTwips(), rest + 100);
    QVERIFY(f.effects().shifted());
    tick(fx, {0.f, 0.f});
    QCOMPARE(f.effects().leftTwips(), rest);
    tick(fx, {0.f, 0.f});
    f.toggleShuffle(); // stopped after an odd number: back where it stood
    QCOMPARE(f.effects().leftTwips(), rest);
    QVERIFY(!f.effects().shifted());

    f.toggleShuffle();
    tick(fx, {0.f, 0.f}); // the next shuffle's first shake moves it right again
    QCOMPARE(f.effects().leftTwips(), rest + 100);
    f.toggleShuffle();
}

void TestShuffle::noShakeWhileMinimisedOrMaximised()
{
    MainWindowFixture fx;
    MainWindow& f = shakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    for (auto state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        f.setWindowState(state);
        QTRY_VERIFY((f.isMinimized() || f.isMaximized()));
        const float left = f.effects().leftTwips();
        tick(fx, {0.f, 0.f});
        QCOMPARE(f.effects().leftTwips(), left);
        QVERIFY(!f.effects().shifted());
    }
}

void TestShuffle::shakeMovesContentsWhereTheWindowCannotMove()
{
    MainWindowFixture fx;
    fx.windowPlacesItself = false; // as in a Wayland session
    MainWindow& f = shakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QPoint window = f.pos();
    const QList<QWidget*> contents = {nameList(f), f.findChild<QFrame*>("buttonPanel"), button(f, "shuffleButton")};
    QList<QPoint> rest;
    for (QWidget* w : contents)
        rest << w->pos();
    auto shiftedBy = [&](int dx) {
        for (qsizetype i = 0; i < contents.size(); ++i) {
            if (contents[i]->pos() != rest[i] + QPoint(dx, 0))
                return false;
        }
        return f.effects().contentShift() == dx && f.pos() == window;
    };

    f.toggleShuffle();
    tick(fx, {0.f, 0.f});
    QVERIFY(shiftedBy(7)); // 100 twips
    tick(fx, {0.f, 0.f});
    QVERIFY(shiftedBy(0));
    tick(fx, {0.f, 0.f});
    f.layOut(); // a layout meanwhile keeps them aside
    QVERIFY(shiftedBy(7));
    f.toggleShuffle(); // Stop brings them back
    QVERIFY(shiftedBy(0));
    QVERIFY(!f.effects().shifted());
}

void TestShuffle::flashCycle()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, true, false);
    addNames(f, 2);
    const QColor rest = backColor(button(f, "addButton"));
    QCOMPARE(MainWindowFixture::shown(&f), rest);
    const QList<QColor> cycle = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::red, Qt::blue};
    for (const QColor& expected : cycle) {
        tick(fx, {0.f, 0.f});
        QCOMPARE(MainWindowFixture::shown(&f), expected);
        QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), expected);
    }
    f.toggleShuffle();
    f.toggleShuffle(); // stop
    QCOMPARE(MainWindowFixture::shown(&f), rest);
    QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), rest);
}

void TestShuffle::stopRestoresColourWithFlashingOff()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, true, false);
    addNames(f, 2);
    f.toggleShuffle();
    tick(fx, {0.f, 0.f});
    QCOMPARE(MainWindowFixture::shown(&f), QColor(Qt::red));
    fx.setEffects(false, false, false);
    f.toggleShuffle();
    QCOMPARE(MainWindowFixture::shown(&f), backColor(button(f, "addButton")));
    QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), backColor(button(f, "addButton")));
}

void TestShuffle::restColourIgnoresDisabledLook()
{
    // Add Name is disabled while shuffling; its face colour must still count as the rest.
    DisabledButtonsLookDifferent look;
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, true, false);
    addNames(f, 2);
    QCOMPARE(MainWindowFixture::shown(&f), look.restColour());
    f.toggleShuffle();
    tick(fx, {0.f, 0.f});
    QCOMPARE(MainWindowFixture::shown(&f), QColor(Qt::red));
    f.toggleShuffle();
    QCOMPARE(MainWindowFixture::shown(&f), look.restColour());
    QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), look.restColour());
}

void TestShuffle::closingMidShuffleStoresLastOrder()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    addNames(f, 3);
    f.toggleShuffle();
    tick(fx, {0.76f, 0.1f, 0.f}); // C A B
    fx.close();
    QCOMPARE(MainWindowFixture::store().names(), QStringList({"C", "A", "B"}));
}

QTEST_MAIN(TestShuffle)
#include "test_shuffle.moc"
