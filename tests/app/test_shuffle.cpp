#include "Form1Fixture.h"

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
    void tickOrders_data();
    void tickOrders();
    void soundPlayedEveryTick();
    void missingSoundWarnsOnceAndSwitchesOff();
    void shakeAlternatesAcrossShuffles();
    void noShakeWhileMinimisedOrMaximised();
    void flashCycle();
    void foreignColourStays();
    void stopRestoresColourWithFlashingOff();
    void restColourIgnoresDisabledLook();
    void closingMidShuffleStoresLastOrder();

private:
    static void addNames(Form1& f, int n);
    // A shown window with two names that only shakes.
    static Form1& shakingWindow(Form1Fixture& fx);
    static void tick(Form1Fixture& fx, const QList<float>& r);
};

void TestShuffle::addNames(Form1& f, int n)
{
    for (int i = 0; i < n; ++i)
        f.List1->AddItem(QString(QLatin1Char('A' + i)));
}

Form1& TestShuffle::shakingWindow(Form1Fixture& fx)
{
    Form1& f = fx.open();
    f.sound = f.flashy = false;
    f.show();
    addNames(f, 2);
    return f;
}

void TestShuffle::tick(Form1Fixture& fx, const QList<float>& r)
{
    for (float v : r)
        fx.random.enqueue(v);
    fx.form->Timer1_Timer();
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
    Form1Fixture fx;
    Form1& f = fx.open();
    addNames(f, names);
    fx.prompter.answer(Prompter::IDOK);
    f.Command2_Click();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("You must add at least two names to the list first."));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[0].style, 48);
    QCOMPARE(f.Command2->text(), QStringLiteral("Shuffle"));
    QVERIFY(!f.Timer1->isActive());
    QVERIFY(f.timer2Enabled());
    QVERIFY(f.Command1->isEnabled());
}

void TestShuffle::startAndStopStates()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    addNames(f, 3);
    QTRY_VERIFY(f.Command3->isEnabled());
    QList<QPushButton*> six = {f.Command1, f.Command3, f.Command4, f.Command7, f.Command10, f.Command11};
    QList<QPushButton*> others = {f.Command2, f.Command5, f.Command6, f.Command8, f.Command9};

    f.Command2_Click();
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 10);
    QCOMPARE(f.Command2->text(), QStringLiteral("Stop"));
    QVERIFY(!f.timer2Enabled());
    QVERIFY(!f.Timer2->isActive());
    for (QPushButton* b : six)
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    for (QPushButton* b : others)
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(fx.random.remaining(), 0); // the press itself does not re-order

    f.Command2_Click();
    QVERIFY(!f.Timer1->isActive());
    QCOMPARE(f.Command2->text(), QStringLiteral("Shuffle"));
    QVERIFY(f.timer2Enabled());
    for (QPushButton* b : six + others) // at once, before the enabling rule runs
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
}

void TestShuffle::tickOrders_data()
{
    // The draw order itself is tested on its own; here: the window's list follows it.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<float>>("r");
    QTest::addColumn<QStringList>("order");
    const QStringList ab = {QStringLiteral("A"), QStringLiteral("B")};
    const QStringList abc = ab + QStringList{QStringLiteral("C")};
    QTest::newRow("two names, 0.5 keeps (tie to even)") << ab << QList<float>{0.5f, 0.f} << ab;
    QTest::newRow("two names, 0.75 swaps") << ab << QList<float>{0.75f, 0.f} << QStringList{ab[1], ab[0]};
    QTest::newRow("three names, 0.74 takes the middle")
        << abc << QList<float>{0.74f, 0.9f, 0.f} << QStringList{abc[1], abc[2], abc[0]};
    const QStringList sam = {QStringLiteral("Sam"), QStringLiteral("Sam"), QStringLiteral("Kim")};
    QTest::newRow("equal names stay two entries")
        << sam << QList<float>{0.9f, 0.9f, 0.f} << QStringList{sam[2], sam[0], sam[0]};
}

void TestShuffle::tickOrders()
{
    QFETCH(QStringList, names);
    QFETCH(QList<float>, r);
    QFETCH(QStringList, order);
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = f.flashy = false;
    f.List1->AddItems(names);
    f.List1->setListIndex(0);
    tick(fx, r);
    QCOMPARE(Form1Fixture::names(f), order);
    QCOMPARE(f.List1->ListIndex(), -1); // the selection is lost
}

void TestShuffle::soundPlayedEveryTick()
{
    Form1Fixture fx;
    const QByteArray wav("RIFF....WAVEfmt  sound bytes");
    fx.writeSound(wav);
    Form1& f = fx.open();
    f.shaky = f.flashy = false;
    addNames(f, 2);
    f.Command2_Click();
    tick(fx, {0.1f, 0.f});
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.player.calls(), (QList<QByteArray>{wav, wav}));
    f.sound = false; // read afresh on every tick
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.player.calls().size(), 2);
}

void TestShuffle::missingSoundWarnsOnceAndSwitchesOff()
{
    Form1Fixture fx; // no shuffle.wav in the program folder
    Form1& f = fx.open();
    f.shaky = f.flashy = false;
    addNames(f, 2);
    f.Command2_Click();

    // Further ticks arrive while the message is open: they must not stack more messages.
    fx.prompter.duringNext([&] {
        tick(fx, {0.1f, 0.f});
        tick(fx, {0.1f, 0.f});
    });
    fx.prompter.answer(Prompter::IDOK);
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Sound Error"));
    QCOMPARE(fx.prompter.calls[0].style, 48);
    QCOMPARE(fx.prompter.calls[0].prompt,
             QStringLiteral("Nimbrel cannot find the sound file it needs to play sound while shuffling. The file "
                            "\"shuffle.wav\" should be in the same folder as the program file. It might have been "
                            "deleted. You should replace the file or reinstall the program if you wish to play sound "
                            "while shuffling. Sound will be disabled."));
    QVERIFY(!f.sound);
    QCOMPARE(Form1Fixture::store().GetSetting(Sound.section, Sound.key, QStringLiteral("unset")), QStringLiteral("0"));
    QVERIFY(f.Timer1->isActive()); // the shuffle goes on, silently
    tick(fx, {0.9f, 0.f});
    QCOMPARE(fx.prompter.calls.size(), 1);
    QVERIFY(fx.player.calls().isEmpty());
}

void TestShuffle::shakeAlternatesAcrossShuffles()
{
    Form1Fixture fx;
    Form1& f = shakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const float rest = f.Left();

    f.Command2_Click();
    tick(fx, {0.f, 0.f});
    QCOMPARE(f.Left(), rest + 100);
    QVERIFY(f.shifted());
    tick(fx, {0.f, 0.f});
    QCOMPARE(f.Left(), rest);
    tick(fx, {0.f, 0.f});
    f.Command2_Click(); // stopped after an odd number: stays to the right
    QCOMPARE(f.Left(), rest + 100);

    f.Command2_Click();
    tick(fx, {0.f, 0.f}); // the next shuffle's first shake moves it back
    QCOMPARE(f.Left(), rest);
    QVERIFY(!f.shifted());
    f.Command2_Click();
}

void TestShuffle::noShakeWhileMinimisedOrMaximised()
{
    Form1Fixture fx;
    Form1& f = shakingWindow(fx);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    for (auto state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        f.setWindowState(state);
        QTRY_VERIFY(f.maxmin());
        const float left = f.Left();
        tick(fx, {0.f, 0.f});
        QCOMPARE(f.Left(), left);
        QVERIFY(!f.shifted());
    }
}

void TestShuffle::flashCycle()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = false;
    addNames(f, 2);
    const QColor rest = backColor(f.Command1);
    QCOMPARE(backColor(&f), rest);
    const QList<QColor> cycle = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::red, Qt::blue};
    for (const QColor& expected : cycle) {
        tick(fx, {0.f, 0.f});
        QCOMPARE(backColor(&f), expected);
        QCOMPARE(backColor(f.Picture1), expected);
    }
    f.Command2_Click();
    f.Command2_Click(); // stop
    QCOMPARE(backColor(&f), rest);
    QCOMPARE(backColor(f.Picture1), rest);
}

void TestShuffle::foreignColourStays()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = false;
    addNames(f, 2);
    setBackColor(&f, QColor(12, 34, 56));
    tick(fx, {0.f, 0.f});
    tick(fx, {0.f, 0.f});
    QCOMPARE(backColor(&f), QColor(12, 34, 56));
}

void TestShuffle::stopRestoresColourWithFlashingOff()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = false;
    addNames(f, 2);
    f.Command2_Click();
    tick(fx, {0.f, 0.f});
    QCOMPARE(backColor(&f), QColor(Qt::red));
    f.flashy = false;
    f.Command2_Click();
    QCOMPARE(backColor(&f), backColor(f.Command1));
    QCOMPARE(backColor(f.Picture1), backColor(f.Command1));
}

void TestShuffle::restColourIgnoresDisabledLook()
{
    // Add Name is disabled while shuffling; its face colour must still count as the rest.
    DisabledButtonsLookDifferent look;
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = false;
    addNames(f, 2);
    QCOMPARE(backColor(&f), look.restColour());
    f.Command2_Click();
    tick(fx, {0.f, 0.f});
    QCOMPARE(backColor(&f), QColor(Qt::red));
    f.Command2_Click();
    QCOMPARE(backColor(&f), look.restColour());
    QCOMPARE(backColor(f.Picture1), look.restColour());
}

void TestShuffle::closingMidShuffleStoresLastOrder()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.sound = f.shaky = f.flashy = false;
    addNames(f, 3);
    f.Command2_Click();
    tick(fx, {0.76f, 0.1f, 0.f}); // C A B
    fx.close();
    const QList<CRegSettings::Row> rows = Form1Fixture::store().GetAllSettings(NamesSection);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].second + rows[1].second + rows[2].second, QStringLiteral("CAB"));
}

QTEST_MAIN(TestShuffle)
#include "test_shuffle.moc"
