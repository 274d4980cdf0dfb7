#include "MainWindowFixture.h"
#include "hat/NameListModel.h"
#include "ui/TextDirection.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QBackingStore>
#include <QElapsedTimer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>

#include <map>
#include <random>

namespace {

// Counts the paints of every widget, as the application's event filter.
struct PaintCounter : QObject
{
    std::map<QObject*, int> paints;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

// "Name 0", "Name 1", ...
QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("Name %1").arg(i);
    return names;
}

} // namespace

// What the user sees of a tick: the list on screen, and the cost of getting it there.
class TestShuffleView : public QObject
{
    Q_OBJECT
private slots:
    void viewShowsNewOrder();
    void ticksLookAsAfterARelayout_data();
    void ticksLookAsAfterARelayout();
    void tickPaintsEachWidgetOnce();
    void shufflePaintedOnceAFrame();
    void drawnOrderShownFromItsStart_data();
    void drawnOrderShownFromItsStart();
    void rowsLookAsTheStyleDrawsThem_data();
    void rowsLookAsTheStyleDrawsThem();

private:
    // A shown window with names, flashing only (or with no effect at all).
    static MainWindow& flashingWindow(MainWindowFixture& fx, const QStringList& names, bool flashy = true);
    // What the window shows on screen (its backing store), after pending layouts and paints.
    static QImage screen(MainWindow& f);
};

MainWindow& TestShuffleView::flashingWindow(MainWindowFixture& fx, const QStringList& names, bool flashy)
{
    MainWindow& f = fx.open();
    fx.setEffects(false, flashy, false);
    f.hat().append(names);
    f.resize(400, 300);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f))
        qWarning("window not exposed");
    return f;
}

QImage TestShuffleView::screen(MainWindow& f)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QPaintDevice* device = f.backingStore()->paintDevice();
    return device->devType() == QInternal::Image ? static_cast<QImage*>(device)->copy() : f.grab().toImage();
}

void TestShuffleView::viewShowsNewOrder()
{
    MainWindowFixture fx;
    MainWindow& f = flashingWindow(fx, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    nameList(f)->setCurrentRow(1);
    screen(f);
    for (float r : {0.f, 0.f, 0.f}) // takes the first name left each time: Ann, Bob, Cy
        fx.random.enqueue(r);
    for (float r : {0.9f, 0.9f, 0.f}) // the last left each time: Cy, Bob, Ann
        fx.random.enqueue(r);
    f.hat().reorder();
    f.hat().reorder();
    screen(f);

    // Read back the way assistive tools read the list.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(nameList(f));
    QVERIFY(list && list->tableInterface());
    QStringList shown;
    for (int row = 0; row < list->tableInterface()->rowCount(); ++row)
        shown << list->tableInterface()->cellAt(row, 0)->text(QAccessible::Name);
    QCOMPARE(shown, QStringList({QStringLiteral("Cy"), QStringLiteral("Bob"), QStringLiteral("Ann")}));
    QCOMPARE(nameList(f)->currentRow(), -1);
    QVERIFY(nameList(f)->selectionModel()->selectedIndexes().isEmpty());
}

void TestShuffleView::ticksLookAsAfterARelayout_data()
{
    // Flashing repaints the whole window; without it only the list shows the re-order.
    QTest::addColumn<bool>("flashy");
    QTest::newRow("flashing") << true;
    QTest::newRow("not flashing") << false;
}

void TestShuffleView::ticksLookAsAfterARelayout()
{
    QFETCH(bool, flashy);
    // Some names hold a character from a font with a taller line, so the last row, whose
    // height every row takes, changes height on some ticks and not on others.
    const QString plain = QStringLiteral("Plain name");
    QString tall;
    {
        MainWindowFixture probe;
        MainWindow& f = probe.open();
        const QStringList candidates = {QStringLiteral("𝔄"),  QStringLiteral("∰"), QStringLiteral("ༀ"),
                                        QStringLiteral("漢"), QStringLiteral("ก"), QStringLiteral("Ǻ̂̃")};
        f.hat().append(plain);
        for (const QString& c : candidates) {
            f.hat().append(plain + c);
            const QAbstractItemModel* m = nameList(f)->model();
            if (nameList(f)->sizeHintForIndex(m->index(1, 0)).height() >
                nameList(f)->sizeHintForIndex(m->index(0, 0)).height())
                tall = plain + c;
            f.hat().removeAt(1);
            if (!tall.isEmpty())
                break;
        }
    }
    QVERIFY2(!tall.isEmpty(), "no character with a taller line among the fonts installed");

    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << (i % 2 ? tall : plain) + QString::number(i);
    MainWindowFixture fx;
    MainWindowFixture oldWay;
    MainWindow& f = flashingWindow(fx, names, flashy);
    MainWindow& g = flashingWindow(oldWay, names, flashy);
    nameList(f)->scrollToBottom();
    nameList(g)->scrollToBottom();
    QCOMPARE(screen(f), screen(g));

    std::mt19937 engine(5);
    bool heightChanged = false;
    bool heightKept = false;
    for (int tick = 1; tick <= 5; ++tick) {
        const QAbstractItemModel* m = nameList(f)->model();
        const int lastBefore = nameList(f)->sizeHintForIndex(m->index(m->rowCount() - 1, 0)).height();
        for (int i = 0; i < names.size(); ++i) {
            const float r = static_cast<float>(engine() >> 8) / 16777216.0f;
            fx.random.enqueue(r);
            oldWay.random.enqueue(r);
        }
        f.hat().reorder();
        g.hat().reorder();
        // Every re-order reported as a changed layout, as it once always was.
        emit nameList(g)->nameModel()->layoutAboutToBeChanged();
        emit nameList(g)->nameModel()->layoutChanged();
        const int lastAfter = nameList(f)->sizeHintForIndex(m->index(m->rowCount() - 1, 0)).height();
        (lastAfter == lastBefore ? heightKept : heightChanged) = true;

        QCOMPARE(MainWindowFixture::names(f), MainWindowFixture::names(g));
        QCOMPARE(screen(f), screen(g));
        QCOMPARE(f.grab().toImage(), g.grab().toImage());
        // What a tick repainted looks as the whole window painted afresh.
        QCOMPARE(screen(f), f.grab().toImage());
    }
    QVERIFY(heightChanged && heightKept);
}

void TestShuffleView::tickPaintsEachWidgetOnce()
{
    const QStringList names = numberedNames(100);
    MainWindowFixture fx;
    MainWindow& f = flashingWindow(fx, names);
    screen(f);

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    for (int tick = 1; tick <= 3; ++tick) {
        counter.paints.clear();
        for (int i = 0; i < names.size(); ++i)
            fx.random.enqueue(0.5f);
        f.hat().reorder();
        screen(f);
        QVERIFY(counter.paints[nameList(f)->viewport()] == 1);
        QVERIFY(counter.paints[f.findChild<QFrame*>("buttonPanel")] == 1);
        for (const auto& [widget, count] : counter.paints)
            QVERIFY2(
                count == 1,
                qPrintable(
                    QStringLiteral("tick %1: %2 painted %3 times").arg(tick).arg(widget->objectName()).arg(count)));
    }
    qApp->removeEventFilter(&counter);
}

// A shuffle re-orders every 10 ms but is painted at most once a frame of the screen; no
// repaint is left waiting: Stop shows the drawn order at once.
void TestShuffleView::shufflePaintedOnceAFrame()
{
    const QStringList names = numberedNames(20);
    MainWindowFixture fx;
    MainWindow& f = flashingWindow(fx, names);
    screen(f);
    for (int i = 0; i < 1000 * names.size(); ++i)
        fx.random.enqueue(float(i % 97) / 97);

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    QSignalSpy ticks(&f.hat(), &Hat::reordered);
    QElapsedTimer clock;
    clock.start();
    f.toggleShuffle();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 60, 60000);
    const double frames = double(clock.elapsed()) * f.screen()->refreshRate() / 1000;
    const int paints = counter.paints[nameList(f)->viewport()];
    f.toggleShuffle();
    qApp->removeEventFilter(&counter);
    QVERIFY2(paints >= 1 && paints <= frames + 2,
             qPrintable(QStringLiteral("%1 paints in %2 frames, %3 ticks").arg(paints).arg(frames).arg(ticks.count())));
    QCOMPARE(screen(f), f.grab().toImage());
}

void TestShuffleView::drawnOrderShownFromItsStart_data()
{
    // What brings a list scrolled sideways (to see a long name) back to the names' start.
    QTest::addColumn<QString>("action");
    QTest::newRow("re-order") << QStringLiteral("tick");
    QTest::newRow("Stop") << QStringLiteral("stop");
    QTest::newRow("Home") << QStringLiteral("home");
}

void TestShuffleView::drawnOrderShownFromItsStart()
{
    QFETCH(QString, action);
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QStringLiteral("Name %1").arg(i);
    names << QStringLiteral("A name far too long to be seen whole in the list without scrolling sideways");
    MainWindowFixture fx;
    MainWindow& f = flashingWindow(fx, names, false);
    QScrollBar* sideways = nameList(f)->horizontalScrollBar();
    QScrollBar* upDown = nameList(f)->verticalScrollBar();
    nameList(f)->setFocus();
    if (action == QStringLiteral("stop")) {
        for (int i = 0; i < 3 * names.size(); ++i) // this tick, and those of the timer until Stop
            fx.random.enqueue(0.f);
        f.toggleShuffle();
        f.hat().reorder();
    }
    screen(f);
    QVERIFY(sideways->maximum() > 0);
    sideways->setValue(sideways->maximum());
    upDown->setValue(upDown->maximum());

    if (action == QStringLiteral("tick")) {
        for (int i = 0; i < names.size(); ++i)
            fx.random.enqueue(0.f);
        f.hat().reorder();
    } else if (action == QStringLiteral("stop")) {
        f.toggleShuffle();
    } else {
        QTest::keyClick(nameList(f), Qt::Key_Home);
        QCOMPARE(nameList(f)->currentIndex().row(), 0);
    }
    screen(f);
    QCOMPARE(sideways->value(), 0);
    // A re-order shows the first names as well; Stop leaves that to the last re-order.
    QCOMPARE(upDown->value(), action == QStringLiteral("stop") ? upDown->maximum() : 0);
}

void TestShuffleView::rowsLookAsTheStyleDrawsThem_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("left to right") << Qt::LeftToRight << true;
    QTest::newRow("right to left") << Qt::RightToLeft << true;
    QTest::newRow("disabled") << Qt::LeftToRight << false;
}

// The list draws its rows itself, to lay each name out once a tick; the rows must look as the
// style draws them: names in either direction and in several scripts, an ampersand, spaces
// at either end, the selected and focused row, in a window of either direction.
void TestShuffleView::rowsLookAsTheStyleDrawsThem()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(bool, enabled);
    // The style's own drawing of a row, with the names' directions as the list sets them.
    class StyleDrawn : public QStyledItemDelegate
    {
    public:
        StyleDrawn(int width, QObject* parent) : QStyledItemDelegate(parent), m_width(width) {}
        QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            return {m_width, QStyledItemDelegate::sizeHint(option, index).height()};
        }

    protected:
        void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
        {
            QStyledItemDelegate::initStyleOption(option, index);
            option->displayAlignment = QStyle::visualAlignment(option->direction, option->displayAlignment);
            option->direction = ownDirection(option->text, option->direction);
        }

    private:
        int m_width;
    };

    const QStringList names = {QStringLiteral("Ann"),
                               QStringLiteral("\u05e9\u05dc\u05d5\u05dd!"),
                               QStringLiteral("\u0633\u0644\u0627\u0645 Bob"),
                               QStringLiteral("Tom & Jerry"),
                               QStringLiteral("  spaced  "),
                               QStringLiteral("\u540d\u524d"),
                               QStringLiteral("AV To ffi \u00e9t\u00e9"),
                               QString()};
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.setLayoutDirection(direction);
    f.hat().append(names);
    f.resize(400, 300);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    ListBox* list = nameList(f);
    list->setEnabled(enabled);
    list->setFocus();
    list->setCurrentRow(2);
    screen(f);
    const QImage ours = list->viewport()->grab().toImage();
    list->setItemDelegate(new StyleDrawn(list->horizontalExtent(), list));
    screen(f);
    QCOMPARE(list->viewport()->grab().toImage(), ours);
}

QTEST_MAIN(TestShuffleView)
#include "test_shuffleview.moc"
