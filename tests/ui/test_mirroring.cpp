// Right to left (Arabic, or -reverse) every window is the mirror image of its left-to-right
// self, and a caption or a name reads in its own direction wherever it stands.
#include "MainWindowFixture.h"
#include "about/AboutBox.h"
#include "hat/NameListModel.h"
#include "help/HelpMessageDialog.h"
#include "history/DrawHistory.h"
#include "history/DrawsWindow.h"
#include "settings/OptionsDialog.h"
#include "ui/DesignStyle.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTest>
#include <QTimeZone>

#include <memory>

class TestMirroring : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    void windowIsMirrored_data();
    void windowIsMirrored();
    void textReadsInItsOwnDirection_data();
    void textReadsInItsOwnDirection();
};

namespace {

// Where each of a window's named controls stands, with its parent's width.
using Places = QMap<QString, std::pair<QRect, int>>;

Places placesIn(const QString& window, const QString& scene, Qt::LayoutDirection direction)
{
    QGuiApplication::setLayoutDirection(direction);
    MainWindowFixture fx;
    fx.windowPlacesItself = false; // the shake moves the contents
    MainWindow& f = fx.open();
    if (scene == QLatin1String("resized"))
        f.resize(f.width() + 67, f.height() + 40);
    std::unique_ptr<QWidget> dialog;
    if (window == QLatin1String("Options"))
        dialog = std::make_unique<OptionsDialog>(&f, *fx.settings, fx.prompter);
    else if (window == QLatin1String("Help"))
        dialog = std::make_unique<HelpMessageDialog>(&f, *fx.settings);
    else if (window == QLatin1String("About"))
        dialog = std::make_unique<AboutBox>(&f, fx.launcher, fx.prompter);
    QWidget* shown = dialog ? dialog.get() : &f;
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown))
        return {};
    if (scene == QLatin1String("shaken")) {
        fx.setEffects(true, false, false);
        f.hat().append(QStringList{QStringLiteral("A"), QStringLiteral("B")});
        f.toggleShuffle();
        fx.random.enqueue(0.f);
        fx.random.enqueue(0.f);
        f.hat().reorder();
    }
    Places places;
    for (const QWidget* w : shown->findChildren<QWidget*>())
        if (!w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            places.insert(w->objectName(), {w->geometry(), w->parentWidget()->width()});
    if (f.hat().isShuffling())
        f.toggleShuffle();
    return places;
}

bool inked(const QImage& image, int x, int y)
{
    return image.valid(x, y) && image.pixelColor(x, y).value() < 128; // dark text on light paper
}

// What is drawn in a widget's area, cut to the text's ink.
QImage inkIn(QWidget* widget, const QRect& area)
{
    const QImage image = widget->grab(area).toImage();
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(image, x, y))
                drawn |= QRect(x, y, 1, 1);
    return image.copy(drawn);
}

// The text of a control like those of our windows, drawn in a window of a direction.
QImage drawnText(const QString& control, const QString& text, Qt::LayoutDirection direction)
{
    QGuiApplication::setLayoutDirection(direction); // as Qt's own catalogue for the language sets it
    QWidget parent;
    QFont font = parent.font();
    font.setPixelSize(24);
    parent.setFont(font);
    parent.resize(600, 100);
    if (control == QLatin1String("record")) {
        // The Draws window's record of a draw of the name, as the window opens on it.
        TestHome home;
        Settings settings(openUserStore(), QString());
        DrawHistory history(settings);
        QStringList names{QStringLiteral("Ann"), text};
        for (int i = 0; i < 32765; ++i) names << text + QString::number(i);
        const QDateTime when(QDate(2026, 12, 8), QTime(14, 3, 5), QTimeZone(3600));
        if (history.add(DrawRecord::ofDraw(names, names, 1, 1, when), names) != StoreStatus::Ok)
            return {};
        DrawsWindow window(history, {}, &parent);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return {};
        return inkIn(window.recordView()->viewport(), window.recordView()->viewport()->rect());
    }
    if (control == QLatin1String("list")) {
        NameListModel names(font);
        ListBox list(&names, &parent);
        list.resize(600, 100);
        names.append({text});
        parent.show();
        const QRect row = list.visualRect(list.nameModel()->index(0, 0));
        return inkIn(list.viewport(), row);
    }
    QCheckBox box(text, &parent);
    DesignStyle::apply(&box);
    box.resize(600, 40);
    QStyleOptionButton option;
    option.initFrom(&box);
    return inkIn(&box, box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box));
}

// The share of two images' ink they have in common, laid over each other as well as they go
// within a pixel: text drawn at another fraction of a pixel is shaded a little differently.
double overlap(const QImage& a, const QImage& b)
{
    double best = 0;
    for (int dx = -1; dx <= 1; ++dx) {
        double both = 0;
        double either = 0;
        for (int y = 0; y < std::max(a.height(), b.height()); ++y)
            for (int x = -1; x <= std::max(a.width(), b.width()); ++x) {
                both += inked(a, x, y) && inked(b, x + dx, y);
                either += inked(a, x, y) || inked(b, x + dx, y);
            }
        best = std::max(best, either > 0 ? both / either : 0);
    }
    return best;
}

} // namespace

void TestMirroring::windowIsMirrored_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scene");
    QTest::newRow("main window") << "main"
                                 << "";
    QTest::newRow("main window, resized") << "main"
                                          << "resized";
    QTest::newRow("main window, contents shaken aside") << "main"
                                                        << "shaken";
    QTest::newRow("Options") << "Options"
                             << "";
    QTest::newRow("help message") << "Help"
                                  << "";
    QTest::newRow("About") << "About"
                           << "";
}

void TestMirroring::windowIsMirrored()
{
    QFETCH(QString, window);
    QFETCH(QString, scene);
    const Places ltr = placesIn(window, scene, Qt::LeftToRight);
    const Places rtl = placesIn(window, scene, Qt::RightToLeft);
    QVERIFY(ltr.size() >= 3);
    QCOMPARE(rtl.keys(), ltr.keys());
    for (auto it = ltr.cbegin(); it != ltr.cend(); ++it) {
        const auto [r, parentWidth] = it.value();
        QCOMPARE(rtl[it.key()].second, parentWidth);
        const QRect mirrored(parentWidth - r.x() - r.width(), r.y(), r.width(), r.height());
        QVERIFY2(rtl[it.key()].first == mirrored, qPrintable(it.key()));
    }
}

void TestMirroring::textReadsInItsOwnDirection_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("check box, English with a period") << "box"
                                                      << "Remember name list between sessions.";
    QTest::newRow("check box, Arabic with a period") << "box" << QString::fromUtf8("تذكّر قائمة الأسماء.");
    QTest::newRow("list, Arabic name with a period") << "list" << QString::fromUtf8("أحمد.");
    QTest::newRow("list, Hebrew name with a bang") << "list" << QString::fromUtf8("שלום!");
    QTest::newRow("list, English name in brackets") << "list"
                                                    << "Bob the Builder (Jr.)";
    // The record's fields are left-to-right data: it opens at their start in either window.
    QTest::newRow("draw record, Arabic name") << "record" << QString::fromUtf8("عائشة");
}

void TestMirroring::textReadsInItsOwnDirection()
{
    // Drawn the same, letter for letter, in a left-to-right and a right-to-left window: a
    // period on the wrong side moves every letter, and a fifth of the ink stays in common.
    QFETCH(QString, control);
    QFETCH(QString, text);
    const QImage ltr = drawnText(control, text, Qt::LeftToRight);
    const QImage rtl = drawnText(control, text, Qt::RightToLeft);
    QVERIFY(!ltr.isNull());
    QVERIFY2(overlap(ltr, rtl) > 0.6, qPrintable(QString::number(overlap(ltr, rtl))));
}

QTEST_MAIN(TestMirroring)
#include "test_mirroring.moc"
