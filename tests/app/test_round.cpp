#include "MainWindowFixture.h"
#include "settings/SqliteStore.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace SettingsKeys;

// A round drawn name by name: the drawn names set aside, the rest shuffled, the round kept
// across runs, and the list and its set-aside names saved together or not at all.
class TestRound : public QObject
{
    Q_OBJECT
private slots:
    void roundAcrossRuns_data();
    void roundAcrossRuns();
    void clearAndUndoTakeTheSetAsideNames();
    void saveIsAllOrNothing();

private:
    static QAction* action(const MainWindow& f, const char* name)
    {
        return f.listMenu()->findChild<QAction*>(QString::fromLatin1(name));
    }
};

void TestRound::roundAcrossRuns_data()
{
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QStringList>("listAfterRestart");
    QTest::addColumn<QStringList>("asideAfterRestart");
    QTest::newRow("remembered") << true << QStringList{"Dee", "Cy"} << QStringList{"Ann", "Bob"};
    QTest::newRow("not remembered") << false << QStringList() << QStringList();
}

void TestRound::roundAcrossRuns()
{
    QFETCH(bool, remember);
    QFETCH(QStringList, listAfterRestart);
    QFETCH(QStringList, asideAfterRestart);
    MainWindowFixture fx;
    MainWindowFixture::store().setFlag(SaveNames, remember);
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.nameList()->append({"Ann", "Bob", "Cy", "Dee"});
    QSignalSpy moves(&f, &MainWindow::roundChanged);

    action(f, "setAsideAction")->trigger();
    action(f, "setAsideAction")->trigger();
    QCOMPARE(f.setAsideNames(), QStringList({"Ann", "Bob"}));
    QCOMPARE(moves.size(), 2);
    QCOMPARE(moves[1][1].toStringList(), QStringList{"Bob"});
    QCOMPARE(action(f, "bringBackAction")->text(), QStringLiteral("Bring Back 2 Set-Aside Names"));

    // The shuffle draws from the rest, and nothing in the menu changes the list meanwhile.
    f.toggleShuffle();
    for (const char* name : {"setAsideAction", "bringBackAction", "undoAction", "showDrawAction"})
        QVERIFY2(!action(f, name)->isEnabled(), name);
    fx.random.enqueue(0.75f);
    fx.random.enqueue(0.f);
    f.shuffleTick();
    f.toggleShuffle();
    QCOMPARE(MainWindowFixture::names(f), QStringList({"Dee", "Cy"}));

    fx.close();
    MainWindow& again = fx.open();
    QCOMPARE(MainWindowFixture::names(again), listAfterRestart);
    QCOMPARE(again.setAsideNames(), asideAfterRestart);
    action(again, "bringBackAction")->trigger();
    QCOMPARE(MainWindowFixture::names(again), listAfterRestart + asideAfterRestart);
    QVERIFY(again.setAsideNames().isEmpty());
}

void TestRound::clearAndUndoTakeTheSetAsideNames()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.nameList()->append({"Ann", "Bob", "Cy"});
    f.setAsideDrawn();
    fx.prompter.answer(Prompter::Answer::Yes);
    f.clearNames();
    QCOMPARE(
        fx.prompter.calls[0].prompt,
        QStringLiteral("This will erase all names in the list, and the 1 set-aside name. Do you wish to continue?"));
    QCOMPARE(f.nameList()->count(), 0);
    QVERIFY(f.setAsideNames().isEmpty());
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier); // the shortcut, as the user presses it
    QCOMPARE(MainWindowFixture::names(f), QStringList({"Bob", "Cy"}));
    QCOMPARE(f.setAsideNames(), QStringList{"Ann"});
}

void TestRound::saveIsAllOrNothing()
{
    TestHome home;
    SqliteStore store(QDir(home.path()).filePath(QStringLiteral("store.sqlite")).toStdString());
    // A section with one below it is refused: the first section must not change either.
    QCOMPARE(store.setValue("Nimbrel\\Aside\\Below", "x", "1"), StoreStatus::Ok);
    const std::vector<SettingsStore::Row> rows = {{"Name0", "Ann"}};
    const SettingsStore::SectionRows sections[] = {{"Nimbrel\\List", rows}, {"Nimbrel\\Aside", rows}};
    QVERIFY(store.replaceSections(sections, 100) != StoreStatus::Ok);
    QVERIFY(store.rows("Nimbrel\\List").empty());
}

QTEST_MAIN(TestRound)
#include "test_round.moc"
