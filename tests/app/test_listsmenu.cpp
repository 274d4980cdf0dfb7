// The Lists submenu in the window: its lists ticked and on Ctrl+1.., the title naming the
// current list, names refused with a message, a list from a file, deleting and bringing a
// list back, and the Draws window showing the current list's draws.
#include "MainWindowFixture.h"
#include "app/ListsMenu.h"
#include "hat/Shelf.h"

#include <QCheckBox>
#include <QTest>
#include <QWindow>

class TestListsMenu : public QObject
{
    Q_OBJECT
private slots:
    void listsFromTheMenu();
};

void TestListsMenu::listsFromTheMenu()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.hat().append({"Ann", "Bo"});
    f.show();
    f.activateWindow(); // the shortcuts are the active window's
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto* menu = f.findChild<ListsMenu*>();
    QCOMPARE(f.windowTitle(), QStringLiteral("Nimbrel"));
    QVERIFY(!menu->findChild<QAction*>("deleteListAction")->isEnabled());

    // Shown as typed: no markup, the ampersand too.
    fx.prompter.type("  <b>4B</b> & [*]  ");
    menu->findChild<QAction*>("newListAction")->trigger();
    QCOMPARE(f.windowHandle()->title(), QStringLiteral("<b>4B</b> & [*] – Nimbrel")); // as the desktop shows it
    QCOMPARE(f.accessibleName(), QStringLiteral("<b>4B</b> & [*] – Nimbrel"));
    QCOMPARE(menu->listAction(1)->text(), QStringLiteral("<b>4B</b> && [*]"));
    QVERIFY(menu->listAction(1)->isChecked() && !menu->listAction(0)->isChecked());
    QCOMPARE(nameList(f)->count(), 0);

    QTest::keyClick(&f, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(f.windowTitle(), QStringLiteral("Names – Nimbrel"));
    QCOMPARE(nameList(f)->count(), 2);
    // Not while shuffling.
    f.toggleShuffle();
    QTest::keyClick(&f, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(f.shelf().currentIndex(), 0);
    f.toggleShuffle();

    fx.prompter.type("NAMES");
    fx.prompter.expectMessage();
    menu->findChild<QAction*>("newListAction")->trigger();
    QVERIFY(fx.prompter.calls.last().prompt.startsWith("There is already a list with that name"));
    QCOMPARE(f.shelf().count(), 2);

    // A file's names as a list named after the file.
    const QString path = fx.home.path() + "/Class 4C.txt";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Cy\nDee\nEve\n") > 0);
    file.close();
    fx.prompter.choose(path);
    menu->findChild<QAction*>("newListFromFileAction")->trigger();
    QCOMPARE(f.windowTitle(), QStringLiteral("Class 4C – Nimbrel"));
    QCOMPARE(MainWindowFixture::names(f), QStringList({"Cy", "Dee", "Eve"}));

    // Its draw is its own in the Draws window.
    f.toggleShuffle();
    f.toggleShuffle();
    f.findChild<QAction*>("drawsAction")->trigger();
    auto* draws = f.findChild<DrawsWindow*>();
    QCOMPARE(draws->drawList()->count(), 1);
    QTest::keyClick(&f, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(draws->drawList()->count(), 1); // the one drawn while shuffling was refused
    draws->everyListBox()->setChecked(true);
    QCOMPARE(draws->drawList()->count(), 2);

    // Deleted after a question, and brought back.
    QTest::keyClick(&f, Qt::Key_3, Qt::ControlModifier);
    fx.prompter.answer(Prompter::Answer::Yes);
    menu->findChild<QAction*>("deleteListAction")->trigger();
    QVERIFY(fx.prompter.calls.last().prompt.startsWith("Delete the list \"Class 4C\" and its 3 names?"));
    QCOMPARE(f.shelf().count(), 2);
    QCOMPARE(draws->drawList()->count(), 1); // its draws are out of sight
    QAction* restore = menu->findChild<QAction*>("restoreListAction");
    QVERIFY(restore->isVisible());
    restore->trigger();
    QCOMPARE(f.windowTitle(), QStringLiteral("Class 4C – Nimbrel"));
    QCOMPARE(draws->drawList()->count(), 2);
}

QTEST_MAIN(TestListsMenu)
#include "test_listsmenu.moc"
