#include "Form1Fixture.h"
#include "app/NameListModel.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void designSizeLayout();
    void offeredToScreenReaders();
    void widening();
    void minimiseMaximiseRestore();
    void extentFollowsWidestName();
    void extentMeasuresAmpersands();
    void extentAfterReorderEqualsRemeasure();
    void enterPressesShuffle();
};

void TestMainWindow::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("helpId");
    QTest::newRow("Command1") << "Command1"
                              << "Add Name" << 0 << 3;
    QTest::newRow("Command3") << "Command3"
                              << "Remove Name" << 390 << 4;
    QTest::newRow("Command10") << "Command10"
                               << "Import from File" << 780 << 11;
    QTest::newRow("Command11") << "Command11"
                               << "Export to File" << 1170 << 12;
    QTest::newRow("Command4") << "Command4"
                              << "Clear All Names" << 1545 << 5;
    QTest::newRow("Command7") << "Command7"
                              << "Print List" << 1935 << 6;
    QTest::newRow("Command9") << "Command9"
                              << "Options" << 2325 << 7;
    QTest::newRow("Command6") << "Command6"
                              << "Help" << 2715 << 8;
    QTest::newRow("Command8") << "Command8"
                              << "About" << 3105 << 9;
    QTest::newRow("Command5") << "Command5"
                              << "Exit" << 3495 << 10;
}

void TestMainWindow::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);
    QFETCH(int, helpId);
    Form1Fixture fx;
    Form1Fixture::store().SaveSetting(SettingsKeys::NamesSection, SettingsKeys::nameKey(0), QStringLiteral("Ann"));
    Form1& f = fx.open();
    QCOMPARE(f.List1->ListCount(), 1);
    auto* b = f.findChild<QPushButton*>(name);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->parentWidget(), f.Picture1);
    QCOMPARE(b->geometry(), QRect(0, qRound(top / 15.0), 87, qRound((top + 345) / 15.0) - qRound(top / 15.0)));
    QCOMPARE(b->property("WhatsThisHelpID").toInt(), helpId);
    // With names in the list every button is enabled, before and after the enabling rule runs.
    QVERIFY(b->isEnabled());
    f.Timer2_Timer();
    QVERIFY(b->isEnabled());
}

void TestMainWindow::designSizeLayout()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.size(), QSize(322, 266)); // 4830 x 3990 twips
    QCOMPARE(f.list1Bounds(), (TwipsRect{75, 75, 3290, 2980}));
    QCOMPARE(f.picture1Bounds(), (TwipsRect{3440, 75, 1365, 3975}));
    QCOMPARE(f.command2Bounds(), (TwipsRect{75, 3180, 3290, 735}));
    QCOMPARE(f.List1->geometry(), QRect(5, 5, 219, 199));
    QCOMPARE(f.Picture1->pos(), QPoint(229, 5));
    QCOMPARE(f.Command2->geometry(), QRect(5, 212, 219, 49));
    QVERIFY(f.Command2->isDefault());
    QVERIFY(f.property("WhatsThisHelp").toBool());
    QCOMPARE(f.List1->property("WhatsThisHelpID").toInt(), 1);
    QCOMPARE(f.Command2->property("WhatsThisHelpID").toInt(), 2);

    // Keyboard order: the list, Shuffle, then the column from the bottom of its tab indexes up.
    f.List1->AddItem(QStringLiteral("Ann")); // so that every button takes the focus
    QTRY_VERIFY(f.Command3->isEnabled());
    QApplication::setActiveWindow(&f);
    f.List1->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(u' '), QStringLiteral("List1 Command2 Command11 Command10 Command9 Command8 Command7 Command6 "
                                              "Command5 Command4 Command3 Command1"));
    QVERIFY(!f.List2->isVisible());
    QVERIFY(!f.Text1->isVisible());
    QVERIFY(!f.maxmin());
}

void TestMainWindow::offeredToScreenReaders()
{
    // What a screen reader finds in the window: the named list and button panel, the
    // Shuffle button; never the hidden helpers that only carry print text or scratch work.
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&f);
    QVERIFY(window);
    QStringList offered;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        offered << child->object()->objectName() + u'=' + child->text(QAccessible::Name);
    }
    offered.sort();
    QCOMPARE(offered.join(u' '), QStringLiteral("Command2=Shuffle List1=Names Picture1=Buttons"));
}

void TestMainWindow::widening()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.resize(f.width() + 1000 / 15 + 1, f.height()); // 67 px = 1005 twips
    QTRY_COMPARE(f.list1Bounds(), (TwipsRect{75, 75, 4295, 2980}));
    QCOMPARE(f.picture1Bounds(), (TwipsRect{4445, 75, 1365, 3975}));
    QCOMPARE(f.command2Bounds(), (TwipsRect{75, 3180, 4295, 735}));

    f.resize(100, f.height()); // narrower than the column: the list keeps its bounds
    QTRY_COMPARE(f.width(), 100);
    QCOMPARE(f.list1Bounds(), (TwipsRect{75, 75, 4295, 2980}));
    QCOMPARE(f.picture1Bounds().left, 4445.f);
}

void TestMainWindow::minimiseMaximiseRestore()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const TwipsRect designed = f.list1Bounds();

    f.showMinimized();
    QTRY_VERIFY(f.maxmin());
    QCOMPARE(f.list1Bounds(), designed);

    f.showNormal();
    QTRY_VERIFY(!f.maxmin());
    QCOMPARE(f.list1Bounds(), designed);

    f.showMaximized();
    QTRY_VERIFY(f.maxmin());
    QTRY_COMPARE(f.list1Bounds().width, float(f.width()) * 15 - (1365 + 175));
}

void TestMainWindow::extentFollowsWidestName()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    const int scrollBar = f.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, f.List1);
    const QFontMetrics metrics(f.List1->font());
    const QString wide = QStringLiteral("A name much wider than the list itself, by a long way");

    f.List1->AddItem(QStringLiteral("Al"));
    f.UpdateListExtent();
    QCOMPARE(f.List1->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);

    f.List1->AddItem(wide);
    f.UpdateListExtent();
    QCOMPARE(f.List1->horizontalExtent(), metrics.horizontalAdvance(wide) + scrollBar);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(f.List1->horizontalScrollBar()->maximum() > 0);

    f.List1->RemoveItem(1);
    f.UpdateListExtent();
    QCOMPARE(f.List1->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);
    QTRY_COMPARE(f.List1->horizontalScrollBar()->maximum(), 0);

    f.List1->RemoveItem(0);
    f.UpdateListExtent();
    QCOMPARE(f.List1->horizontalExtent(), 0);
}

void TestMainWindow::extentMeasuresAmpersands()
{
    // The list draws "&" as a character; measuring it as a mnemonic would lose its width.
    Form1Fixture fx;
    Form1& f = fx.open();
    const QFontMetrics metrics(f.List1->font());
    f.List1->AddItem(QStringLiteral("Tom&&Jerry&Co"));
    QCOMPARE(f.List1->widestItemWidth(), metrics.horizontalAdvance(QStringLiteral("Tom&&Jerry&Co")));
    QVERIFY(f.List1->widestItemWidth() > metrics.horizontalAdvance(QStringLiteral("Tom&JerryCo")));
}

void TestMainWindow::extentAfterReorderEqualsRemeasure()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QString(i % 37 + 1, QLatin1Char('a' + i % 26)) + QString::number(i);
    f.List1->AddItems(names);
    std::vector<int> order(names.size());
    for (int j = 0; j < int(order.size()); ++j)
        order[j] = (j * 7 + 3) % int(order.size()); // 7 is coprime with 200: a permutation
    f.List1->permute(order);

    int widest = 0;
    for (int i = 0; i < f.List1->ListCount(); ++i) {
        QCOMPARE(f.List1->List(i), names[order[i]]);
        QCOMPARE(f.List1->names()->width(i), f.List1->names()->measure(f.List1->List(i)));
        widest = std::max(widest, f.List1->names()->measure(f.List1->List(i)));
    }
    QCOMPARE(f.List1->widestItemWidth(), widest);
}

void TestMainWindow::enterPressesShuffle()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.List1->setFocus();
    fx.prompter.answer(Prompter::IDOK);
    QTest::keyClick(f.List1, Qt::Key_Return); // Shuffle on an empty list: the warning
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
