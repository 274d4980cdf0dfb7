#include "MainWindowFixture.h"
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
    QTest::newRow("addButton") << "addButton"
                               << "Add Name" << 0 << 3;
    QTest::newRow("removeButton") << "removeButton"
                                  << "Remove Name" << 390 << 4;
    QTest::newRow("importButton") << "importButton"
                                  << "Import from File" << 780 << 11;
    QTest::newRow("exportButton") << "exportButton"
                                  << "Export to File" << 1170 << 12;
    QTest::newRow("clearButton") << "clearButton"
                                 << "Clear All Names" << 1545 << 5;
    QTest::newRow("printButton") << "printButton"
                                 << "Print List" << 1935 << 6;
    QTest::newRow("optionsButton") << "optionsButton"
                                   << "Options" << 2325 << 7;
    QTest::newRow("helpButton") << "helpButton"
                                << "Help" << 2715 << 8;
    QTest::newRow("aboutButton") << "aboutButton"
                                 << "About" << 3105 << 9;
    QTest::newRow("exitButton") << "exitButton"
                                << "Exit" << 3495 << 10;
}

void TestMainWindow::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);
    QFETCH(int, helpId);
    MainWindowFixture fx;
    MainWindowFixture::store().saveNames({QStringLiteral("Ann")});
    MainWindow& f = fx.open();
    QCOMPARE(f.nameList()->count(), 1);
    auto* b = f.findChild<QPushButton*>(name);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->parentWidget(), f.buttonPanel());
    QCOMPARE(b->geometry(), QRect(0, qRound(top / 15.0), 87, qRound((top + 345) / 15.0) - qRound(top / 15.0)));
    QCOMPARE(b->property("WhatsThisHelpID").toInt(), helpId);
    // With names in the list every button is enabled, before and after the enabling rule runs.
    QVERIFY(b->isEnabled());
    f.enableButtons();
    QVERIFY(b->isEnabled());
}

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
    QCOMPARE(f.nameList()->geometry(), QRect(5, 5, 219, 199));
    QCOMPARE(f.buttonPanel()->pos(), QPoint(229, 5));
    QCOMPARE(f.shuffleButton()->geometry(), QRect(5, 212, 219, 49));
    QVERIFY(f.shuffleButton()->isDefault());
    QVERIFY(f.property("WhatsThisHelp").toBool());
    QCOMPARE(f.nameList()->property("WhatsThisHelpID").toInt(), 1);
    QCOMPARE(f.shuffleButton()->property("WhatsThisHelpID").toInt(), 2);

    // Keyboard order: the list, Shuffle, then the column from the bottom of its tab indexes up.
    f.nameList()->append(QStringLiteral("Ann")); // so that every button takes the focus
    QVERIFY(f.removeButton()->isEnabled());
    QApplication::setActiveWindow(&f);
    f.nameList()->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(u' '),
             QStringLiteral(
                 "nameList shuffleButton exportButton importButton optionsButton aboutButton printButton helpButton "
                 "exitButton clearButton removeButton addButton"));
    QVERIFY(!f.minimizedOrMaximized());
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
    QTRY_VERIFY(f.minimizedOrMaximized());
    QCOMPARE(f.nameListBounds(), designed);

    f.showNormal();
    QTRY_VERIFY(!f.minimizedOrMaximized());
    QCOMPARE(f.nameListBounds(), designed);

    f.showMaximized();
    QTRY_VERIFY(f.minimizedOrMaximized());
    QTRY_COMPARE(f.nameListBounds().width, float(f.width()) * 15 - (1365 + 175));
}

void TestMainWindow::extentFollowsWidestName()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const int scrollBar = f.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, f.nameList());
    const QFontMetrics metrics(f.nameList()->font());
    const QString wide = QStringLiteral("A name much wider than the list itself, by a long way");

    f.nameList()->append(QStringLiteral("Al"));
    QCOMPARE(f.nameList()->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);

    f.nameList()->append(wide);
    QCOMPARE(f.nameList()->horizontalExtent(), metrics.horizontalAdvance(wide) + scrollBar);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(f.nameList()->horizontalScrollBar()->maximum() > 0);

    f.nameList()->removeAt(1);
    QCOMPARE(f.nameList()->horizontalExtent(), metrics.horizontalAdvance(QStringLiteral("Al")) + scrollBar);
    QTRY_COMPARE(f.nameList()->horizontalScrollBar()->maximum(), 0);

    f.nameList()->removeAt(0);
    QCOMPARE(f.nameList()->horizontalExtent(), 0);
}

void TestMainWindow::extentMeasuresAmpersands()
{
    // The list draws "&" as a character; measuring it as a mnemonic would lose its width.
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const QFontMetrics metrics(f.nameList()->font());
    f.nameList()->append(QStringLiteral("Tom&&Jerry&Co"));
    QCOMPARE(f.nameList()->nameModel()->widestWidth(), metrics.horizontalAdvance(QStringLiteral("Tom&&Jerry&Co")));
    QVERIFY(f.nameList()->nameModel()->widestWidth() > metrics.horizontalAdvance(QStringLiteral("Tom&JerryCo")));
}

void TestMainWindow::extentAfterReorderEqualsRemeasure()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QString(i % 37 + 1, QLatin1Char('a' + i % 26)) + QString::number(i);
    f.nameList()->append(names);
    std::vector<int> order(names.size());
    for (int j = 0; j < int(order.size()); ++j)
        order[j] = (j * 7 + 3) % int(order.size()); // 7 is coprime with 200: a permutation
    f.nameList()->permute(order);

    int widest = 0;
    for (int i = 0; i < f.nameList()->count(); ++i) {
        QCOMPARE(f.nameList()->nameAt(i), names[order[i]]);
        QCOMPARE(f.nameList()->nameModel()->width(i), f.nameList()->nameModel()->measure(f.nameList()->nameAt(i)));
        widest = std::max(widest, f.nameList()->nameModel()->measure(f.nameList()->nameAt(i)));
    }
    QCOMPARE(f.nameList()->nameModel()->widestWidth(), widest);
}

void TestMainWindow::enterPressesShuffle()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.nameList()->setFocus();
    fx.prompter.expectMessage();
    QTest::keyClick(f.nameList(), Qt::Key_Return); // Shuffle on an empty list: the warning
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
