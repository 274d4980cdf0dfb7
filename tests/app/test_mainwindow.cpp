#include "MainWindowFixture.h"
#include "hat/NameListModel.h"

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
    void designSizeLayout();
    void offeredToScreenReaders();
    void widening();
    void minimiseMaximiseRestore();
    void extentFollowsWidestName();
    void extentMeasuresAmpersands();
    void extentAfterReorderEqualsRemeasure();
    void enterPressesShuffle();
};

void TestMainWindow::designSizeLayout()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.size(), QSize(322, 266)); // 4830 x 3990 twips
    QCOMPARE(f.nameListBounds(), (TwipsRect{75, 75, 3290, 2980}));
    QCOMPARE(f.buttonPanelBounds(), (TwipsRect{3440, 75, 1365, 3975}));
    QCOMPARE(f.shuffleButtonBounds(), (TwipsRect{75, 3180, 3290, 735}));
    QCOMPARE(nameList(f)->geometry(), QRect(5, 5, 219, 199));
    QCOMPARE(f.findChild<QFrame*>("buttonPanel")->pos(), QPoint(229, 5));
    QCOMPARE(button(f, "shuffleButton")->geometry(), QRect(5, 212, 219, 49));
    QVERIFY(button(f, "shuffleButton")->isDefault());
    QVERIFY(f.property("WhatsThisHelp").toBool());
    QCOMPARE(nameList(f)->property("WhatsThisHelpID").toInt(), 1);
    QCOMPARE(button(f, "shuffleButton")->property("WhatsThisHelpID").toInt(), 2);

    // Keyboard order: the list, Shuffle, then the column from the bottom of its tab indexes up.
    f.hat().append(QStringLiteral("Ann")); // so that every button takes the focus
    QVERIFY(button(f, "removeButton")->isEnabled());
    QApplication::setActiveWindow(&f);
    nameList(f)->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(u' '),
             QStringLiteral(
                 "nameList shuffleButton exportButton importButton optionsButton aboutButton printButton helpButton "
                 "exitButton clearButton removeButton addButton"));
}

void TestMainWindow::offeredToScreenReaders()
{
    // What a screen reader finds in the window: the named list and button panel, the
    // Shuffle button, and nothing hidden.
    MainWindowFixture fx;
    MainWindow& f = fx.open();
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
    QCOMPARE(offered.join(u' '), QStringLiteral("buttonPanel=Buttons nameList=Names shuffleButton=Shuffle"));
}

void TestMainWindow::widening()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.resize(f.width() + 1000 / 15 + 1, f.height()); // 67 px = 1005 twips
    QTRY_COMPARE(f.nameListBounds(), (TwipsRect{75, 75, 4295, 2980}));
    QCOMPARE(f.buttonPanelBounds(), (TwipsRect{4445, 75, 1365, 3975}));
    QCOMPARE(f.shuffleButtonBounds(), (TwipsRect{75, 3180, 4295, 735}));

    f.resize(100, f.height()); // narrower than the column: the list keeps its bounds
    QTRY_COMPARE(f.width(), 100);
    QCOMPARE(f.nameListBounds(), (TwipsRect{75, 75, 4295, 2980}));
    QCOMPARE(f.buttonPanelBounds().left, 4445.f);
}

void TestMainWindow::minimiseMaximiseRestore()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const TwipsRect designed = f.nameListBounds();

    f.showMinimized();
    QTRY_VERIFY((f.isMinimized() || f.isMaximized()));
    QCOMPARE(f.nameListBounds(), designed);

    f.showNormal();
    QTRY_VERIFY(!(f.isMinimized() || f.isMaximized()));
    QCOMPARE(f.nameListBounds(), designed);

    f.showMaximized();
    QTRY_VERIFY((f.isMinimized() || f.isMaximized()));
    QTRY_COMPARE(f.nameListBounds().width, float(f.width()) * 15 - (1365 + 175));
}

void TestMainWindow::extentFollowsWidestName()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const int scrollBar = f.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, nameList(f));
    const QFontMetrics metrics(nameList(f)->font());
    const QString wide = QStringLiteral("A name much wider than the list itself, by a long way");

    f.hat().append(QStringLiteral("Al"));
    QCOMPARE(nameList(f)->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);

    f.hat().append(wide);
    QCOMPARE(nameList(f)->horizontalExtent(), metrics.horizontalAdvance(wide) + scrollBar);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(nameList(f)->horizontalScrollBar()->maximum() > 0);

    f.hat().removeAt(1);
    QCOMPARE(nameList(f)->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);
    QTRY_COMPARE(nameList(f)->horizontalScrollBar()->maximum(), 0);

    f.hat().removeAt(0);
    QCOMPARE(nameList(f)->horizontalExtent(), 0);
}

void TestMainWindow::extentMeasuresAmpersands()
{
    // The list draws "&" as a character; measuring it as a mnemonic would lose its width.
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const QFontMetrics metrics(nameList(f)->font());
    f.hat().append(QStringLiteral("Tom&&Jerry&Co"));
    QCOMPARE(nameList(f)->nameModel()->widestWidth(), metrics.horizontalAdvance(QStringLiteral("Tom&&Jerry&Co")));
    QVERIFY(nameList(f)->nameModel()->widestWidth() > metrics.horizontalAdvance(QStringLiteral("Tom&JerryCo")));
}

void TestMainWindow::extentAfterReorderEqualsRemeasure()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QString(i % 37 + 1, QLatin1Char('a' + i % 26)) + QString::number(i);
    f.hat().append(names);
    std::vector<int> order(names.size());
    for (int j = 0; j < int(order.size()); ++j)
        order[j] = (j * 7 + 3) % int(order.size()); // 7 is coprime with 200: a permutation
    nameList(f)->permute(order);

    int widest = 0;
    for (int i = 0; i < f.hat().count(); ++i) {
        QCOMPARE(f.hat().nameAt(i), names[order[i]]);
        QCOMPARE(nameList(f)->nameModel()->width(i), nameList(f)->nameModel()->measure(f.hat().nameAt(i)));
        widest = std::max(widest, nameList(f)->nameModel()->measure(f.hat().nameAt(i)));
    }
    QCOMPARE(nameList(f)->nameModel()->widestWidth(), widest);
}

void TestMainWindow::enterPressesShuffle()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    nameList(f)->setFocus();
    fx.prompter.expectMessage();
    QTest::keyClick(nameList(f), Qt::Key_Return); // Shuffle on an empty list: the warning
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
