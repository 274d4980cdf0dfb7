#include "app/ListBox.h"
#include "app/ListHistory.h"

#include <QApplication>
#include <QTest>

// Undo and Redo over the window's list box, and the bound on what the history keeps.
class TestListHistory : public QObject
{
    Q_OBJECT
private slots:
    void undoEachChange_data();
    void undoEachChange();
    void heldNamesStayBounded();
};

void TestListHistory::undoEachChange_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("aside");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("listAfter");
    QTest::addColumn<QStringList>("asideAfter");
    const QStringList abc = {"Ann", "Maximiliana Bartholomew", "Cy"};
    QTest::newRow("add") << abc << QStringList{"Dee"} << "add" << abc + QStringList{"Eve"} << QStringList{"Dee"};
    QTest::newRow("remove the widest") << abc << QStringList() << "remove 1" << QStringList{"Ann", "Cy"}
                                       << QStringList();
    QTest::newRow("remove the first") << abc << QStringList() << "remove 0" << abc.mid(1) << QStringList();
    QTest::newRow("clear, set-aside names too")
        << abc << QStringList{"Dee"} << "clear" << QStringList() << QStringList();
    QTest::newRow("import keeps the set-aside")
        << abc << QStringList{"Dee"} << "import" << QStringList{"X", "Y"} << QStringList{"Dee"};
    QTest::newRow("set aside") << abc << QStringList{"Dee"} << "set aside" << abc.mid(1) << QStringList{"Dee", "Ann"};
    QTest::newRow("bring back, in their order") << QStringList{"Cy"} << QStringList{"Dee", "Ann"} << "bring back"
                                                << QStringList{"Cy", "Dee", "Ann"} << QStringList();
    QTest::newRow("shuffle") << abc << QStringList() << "shuffle" << QStringList{abc[2], abc[0], abc[1]}
                             << QStringList();
}

void TestListHistory::undoEachChange()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, aside);
    QFETCH(QString, change);
    QFETCH(QStringList, listAfter);
    QFETCH(QStringList, asideAfter);
    ListBox box(QApplication::font());
    box.append(list);
    ListHistory history(box);
    history.restoreSetAside(aside);
    const int extent = box.horizontalExtent();

    if (change == "add")
        history.append({"Eve"});
    else if (change.startsWith("remove"))
        history.removeAt(change.back().digitValue());
    else if (change == "clear")
        history.replace({}, true);
    else if (change == "import")
        history.replace({"X", "Y"}, false);
    else if (change == "set aside")
        history.setAsideFirst();
    else if (change == "bring back")
        history.bringBack();
    else if (change == "shuffle") {
        box.permute({2, 0, 1});
        history.reordered(list);
    }
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(box.names(), listAfter);
        QCOMPARE(history.setAside(), asideAfter);
        QVERIFY(history.canUndo() && !history.canRedo());
        history.undo();
        QCOMPARE(box.names(), list);
        QCOMPARE(history.setAside(), aside);
        QCOMPARE(box.horizontalExtent(), extent); // the widest name measured again
        QVERIFY(!history.canUndo() && history.canRedo());
        history.redo();
    }
}

void TestListHistory::heldNamesStayBounded()
{
    ListBox box(QApplication::font());
    ListHistory history(box);
    // One name a step: only the step count bounds them, and the oldest go.
    for (int i = 0; i < ListHistory::kMaxSteps + 50; ++i)
        history.append({QString::number(i)});
    QCOMPARE(history.steps(), ListHistory::kMaxSteps);
    while (history.canUndo())
        history.undo();
    QCOMPARE(box.count(), 50);

    // Whole lists of the largest size: the names held bound them.
    QStringList whole;
    for (int i = 0; i < kMaxNames; ++i)
        whole << QString::number(i);
    for (int i = 0; i < 20; ++i)
        history.reordered(whole);
    QVERIFY(history.held() <= ListHistory::kMaxHeld + kMaxNames);
    QVERIFY(history.steps() < 10);
}

QTEST_MAIN(TestListHistory)
#include "test_listhistory.moc"
