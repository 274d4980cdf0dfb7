#include "MainWindowFixture.h"
#include "app/DrawActions.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

// The draw shown over the whole screen: the winners, or the teams in columns, whole and as
// large as they fit.
class TestDrawView : public QObject
{
    Q_OBJECT
private slots:
    void nameFitsTheScreen_data();
    void nameFitsTheScreen();
    void winnersFitTheScreen_data();
    void winnersFitTheScreen();
    void teamsFitTheScreen_data();
    void teamsFitTheScreen();
    void opensOnAnotherScreen_data();
    void opensOnAnotherScreen();
    void winnersPrintedAndSetAside();
};

namespace {

QStringList numbered(const QString& prefix, int from, int count)
{
    QStringList names;
    for (int i = from; i < from + count; ++i)
        names << prefix + QString::number(i);
    return names;
}

// A view of the size of a 1080p screen, shown and laid out.
template <typename... Args> std::unique_ptr<DrawView> shownView(Args... args)
{
    auto view = std::make_unique<DrawView>(args...);
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->resize(1920, 1080);
    view->show();
    return QTest::qWaitForWindowExposed(view.get()) ? std::move(view) : nullptr;
}

} // namespace

void TestDrawView::nameFitsTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("capShare"); // of the screen's height, at least
    QTest::newRow("short") << QStringLiteral("Ann") << 0.25;
    QTest::newRow("markup shown as typed") << QStringLiteral("<b>Ann</b>") << 0.1;
    QTest::newRow("right to left") << QStringLiteral("שרה כהן") << 0.1;
    QTest::newRow("one long word") << QString(300, QLatin1Char('W')) << 0.0;
    QTest::newRow("10,000 characters") << QStringLiteral("Maximiliana ").repeated(834).left(10000) << 0.0;
}

void TestDrawView::nameFitsTheScreen()
{
    QFETCH(QString, name);
    QFETCH(double, capShare);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({name, QStringLiteral("Bob")});
    f.showMinimized(); // it opens on the screen of a minimised window too
    f.findChild<ListMenu*>()->showDraw();
    DrawView* view = f.findChild<ListMenu*>()->drawView();
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->size(), view->screen()->size());
    QCOMPARE(view->accessibleName(), name);
    QCOMPARE(view->shownLength(), name.size());                  // every character is laid out...
    QVERIFY(view->rect().contains(view->nameBounds().toRect())); // ...within the screen
    QVERIFY(QFontMetricsF(view->nameFont()).capHeight() >= capShare * view->height());

    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!f.findChild<ListMenu*>()->drawView());
    // Refused with a shuffle running.
    f.toggleShuffle();
    f.findChild<ListMenu*>()->showDraw();
    QVERIFY(!f.findChild<ListMenu*>()->drawView());
    f.toggleShuffle();
}

void TestDrawView::winnersFitTheScreen_data()
{
    QTest::addColumn<QStringList>("names"); // the first names drawn
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("winners");
    QTest::addColumn<double>("share"); // of the height, each winner's font at least
    QTest::addColumn<QString>("count");
    QTest::newRow("3 of a raffle of 5,000")
        << numbered(QStringLiteral("Ticket "), 4711, 15) << 5000 << 3 << 0.1 << QStringLiteral("3 of 5,000");
    QTest::newRow("10 long names") << numbered(QStringLiteral("Maximiliana Bartholomew-Featherstonehaugh "), 1, 15)
                                   << 15 << 10 << 0.02 << QStringLiteral("10 of 15");
    QTest::newRow("more winners than names")
        << numbered(QStringLiteral("N"), 1, 2) << 2 << 5 << 0.1 << QStringLiteral("2 of 2");
}

void TestDrawView::winnersFitTheScreen()
{
    QFETCH(QStringList, names);
    QFETCH(int, total);
    QFETCH(int, winners);
    QFETCH(double, share);
    QFETCH(QString, count);
    const auto view = shownView(names, total, winners);
    QVERIFY(view);
    QCOMPARE(view->countText(), count);
    QCOMPARE(view->lines(), names.first(std::min(winners, int(names.size()))));
    int characters = 0;
    for (const QString& line : view->lines())
        characters += int(line.size());
    QCOMPARE(view->shownLength(), characters);                   // every winner whole...
    QVERIFY(view->rect().contains(view->nameBounds().toRect())); // ...within the view
    QVERIFY(view->nameFont().pixelSize() >= share * view->height());

    // + and - show one more or one fewer, within 1 and the names there are, at most 10.
    QSignalSpy changed(view.get(), &DrawView::winnersChanged);
    QTest::keyClick(view.get(), Qt::Key_Plus);
    QTest::keyClick(view.get(), Qt::Key_Minus);
    QTest::keyClick(view.get(), Qt::Key_Minus);
    const int most = std::min(10, int(names.size()));
    const int raised = std::min(std::min(winners, most) + 1, most);
    QCOMPARE(view->winners(), std::max(1, raised - 2));
    QCOMPARE(changed.size(), (raised > std::min(winners, most)) + std::min(2, raised - 1));
}

void TestDrawView::teamsFitTheScreen_data()
{
    QTest::addColumn<QList<QStringList>>("teams");
    QTest::addColumn<double>("share"); // of the height, the names' font at least
    QTest::addColumn<int>("rows");     // of columns, as many as make the text largest
    QTest::addColumn<bool>("whole");   // every name on the screen (too long a team ends in "and 16,284 more")

    QList<QStringList> seven;
    for (int team = 0; team < 7; ++team)
        seven << QStringList{QStringLiteral("Name %1").arg(team + 1), QStringLiteral("Name %1").arg(team + 8),
                             QStringLiteral("Name %1").arg(team + 15), QStringLiteral("Name %1").arg(team + 22)};
    QTest::newRow("a class of 28 in 7 teams of 4") << seven << 0.05 << 2 << true;
    QTest::newRow("two teams of long names")
        << QList<QStringList>{numbered(QStringLiteral("Maximiliana Bartholomew-Featherstonehaugh "), 1, 14),
                              numbered(QStringLiteral("Maximiliana Bartholomew-Featherstonehaugh "), 15, 13)}
        << 0.02 << 1 << true;
    QList<QStringList> sixteen;
    for (int team = 0; team < 16; ++team)
        sixteen << numbered(QStringLiteral("Alexandra "), team * 2, 2);
    QTest::newRow("16 teams") << sixteen << 0.05 << 4 << true;
    QTest::newRow("a full list in 2 teams") << QList<QStringList>{numbered(QStringLiteral("Person "), 10000, 16384),
                                                                  numbered(QStringLiteral("Person "), 30000, 16383)}
                                            << 0.01 << 1 << false;
    QTest::newRow("one name of 300 characters")
        << QList<QStringList>{{QString(300, QLatin1Char('W')), QStringLiteral("Bo")}, {QStringLiteral("Cy")}} << 0.0
        << 2 << true;
    QTest::newRow("right to left") << QList<QStringList>{{QStringLiteral("שרה כהן")}, {QStringLiteral("ليلى")}} << 0.1
                                   << 1 << true;
}

void TestDrawView::teamsFitTheScreen()
{
    QFETCH(QList<QStringList>, teams);
    QFETCH(double, share);
    QFETCH(int, rows);
    QFETCH(bool, whole);
    int total = 0;
    for (const QStringList& team : teams)
        total += int(team.size());
    const auto view = shownView(teams, total);
    QVERIFY(view);
    QVERIFY(view->showsTeams());

    const QList<QRectF> areas = view->columnAreas();
    const QList<QRectF> bounds = view->columnBounds();
    QCOMPARE(areas.size(), teams.size());
    for (int i = 0; i < areas.size(); ++i) {
        // Each column within the view, apart from the others, its lines within it.
        QVERIFY(QRectF(view->rect()).contains(areas[i]));
        for (int j = i + 1; j < areas.size(); ++j)
            QVERIFY(!areas[i].intersects(areas[j]));
        QVERIFY2(areas[i].adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds[i]), qPrintable(QString::number(i)));
    }
    QSet<qreal> tops;
    for (const QRectF& area : areas)
        tops.insert(area.top());
    QCOMPARE(tops.size(), rows);
    int characters = 0;
    for (const QString& line : view->lines())
        characters += int(line.size());
    QCOMPARE(view->shownLength() == characters, whole);
    QVERIFY2(view->nameFont().pixelSize() >= share * view->height(),
             qPrintable(QString::number(view->nameFont().pixelSize())));
    // Printed and exported as a heading, its names, and a blank line between teams.
    QCOMPARE(view->lines().first(), QStringLiteral("Team 1"));
    QCOMPARE(view->lines().count(QString()), teams.size() - 1);
    QCOMPARE(view->lines().size(), total + 2 * teams.size() - 1); // every name, shown or not
    QCOMPARE(view->countText(), QStringLiteral("%1 names").arg(QLocale(QLocale::English).toString(total)));
}

void TestDrawView::opensOnAnotherScreen_data()
{
    QTest::addColumn<QString>("chosen"); // Show the Draw On, as remembered
    QTest::addColumn<QString>("screen"); // where the view opens
    QTest::newRow("none chosen: the projector") << QString() << QStringLiteral("PROJECTOR");
    QTest::newRow("the window's own chosen") << QStringLiteral("LAPTOP") << QStringLiteral("LAPTOP");
    QTest::newRow("a screen no longer there") << QStringLiteral("HDMI-2") << QStringLiteral("PROJECTOR");
}

void TestDrawView::opensOnAnotherScreen()
{
    QFETCH(QString, chosen);
    QFETCH(QString, screen);
    if (QGuiApplication::screens().size() != 2)
        QSKIP("needs the two screens of two-screens.json");
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QCOMPARE(f.screen()->name(), QStringLiteral("LAPTOP"));
    fx.settings->setText(SettingsKeys::DrawScreen, chosen);
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bo")});
    f.findChild<ListMenu*>()->showDraw();
    DrawView* view = f.findChild<ListMenu*>()->drawView();
    QVERIFY(view);
    QCOMPARE(view->screen()->name(), screen);
    QTRY_COMPARE(view->geometry(), view->screen()->geometry());
}

// What the view shows is what Print prints, and what Set Aside takes out of the list.
void TestDrawView::winnersPrintedAndSetAside()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral("Cy")});
    ListMenu* menu = f.findChild<ListMenu*>();
    menu->drawActions()->setWinners(2);
    QCOMPARE(fx.settings->text(SettingsKeys::WinnersShown), QStringLiteral("2")); // remembered
    menu->showDraw();
    QVERIFY(menu->drawView());
    QCOMPARE(menu->drawView()->winners(), 2);
    QTest::keyClick(menu->drawView(), Qt::Key_P, Qt::ControlModifier);
    QStringList printed;
    for (const RecordingPrinter::Line& line : fx.recorder.lines)
        printed << line.text;
    QVERIFY2(printed.contains(QStringLiteral("Ann")) && printed.contains(QStringLiteral("Bo")) &&
                 !printed.contains(QStringLiteral("Cy")),
             qPrintable(printed.join(QLatin1Char('|'))));
    menu->drawView()->close();
    f.findChild<QAction*>(QStringLiteral("setAsideAction"))->trigger();
    QCOMPARE(f.hat().setAside(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bo")}));
}

QTEST_MAIN(TestDrawView)
#include "test_drawview.moc"
