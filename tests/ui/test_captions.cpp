// No caption of our windows is cut (a push button's stays inside its frame), no check box
// loses part of its indicator or draws its caption over it, and a frame's drawing stays
// clear of the controls it holds; a caption that fits keeps the window's font. Run at the
// default scale and font setting and again with QT_SCALE_FACTOR=2 and QT_FONT_DPI=120, in
// English and in each language the program speaks (NIMBREL_CAPTIONS_LANGUAGE=de, ja, ...).
#include "MainWindowFixture.h"
#include "about/AboutBox.h"
#include "app/Translation.h"
#include "help/HelpMessageDialog.h"
#include "settings/OptionsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <functional>
#include <memory>

class TestCaptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCaptionFits_data();
    void everyCaptionFits();
    void fittingCaptionKeepsItsFont_data();
    void fittingCaptionKeepsItsFont();

private:
    std::unique_ptr<Translation> m_translation;
};

namespace {

// Opens one of our windows over the fixture's main window; the main window itself for "main".
QWidget* openWindow(const QString& name, MainWindowFixture& fx, std::unique_ptr<QWidget>& dialog)
{
    MainWindow& f = fx.open();
    if (name == QLatin1String("Options"))
        dialog = std::make_unique<OptionsDialog>(&f, *fx.settings, fx.prompter);
    else if (name == QLatin1String("Help"))
        dialog = std::make_unique<HelpMessageDialog>(&f, *fx.settings);
    else if (name == QLatin1String("About"))
        dialog = std::make_unique<AboutBox>(&f, fx.launcher, fx.prompter);
    QWidget* window = dialog ? dialog.get() : static_cast<QWidget*>(&f);
    window->show();
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// A named control of one of our windows, opened over fx.
QWidget* controlIn(const QString& window, const QString& control, MainWindowFixture& fx,
                   std::unique_ptr<QWidget>& dialog)
{
    QWidget* w = openWindow(window, fx, dialog);
    return w ? w->findChild<QWidget*>(control) : nullptr;
}

bool captioned(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w);
}

QString captionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    return {};
}

QString describe(const QSizeF& need, const QRect& room)
{
    return QStringLiteral("needs %1x%2 in %3x%4")
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// Drawn on whole pixels: what overruns by less than half a pixel loses nothing.
bool fitsIn(const QSizeF& need, const QRect& room)
{
    return qRound(need.width()) <= room.width() && qRound(need.height()) <= room.height();
}

} // namespace

void TestCaptions::initTestCase()
{
    const QString language = qEnvironmentVariable("NIMBREL_CAPTIONS_LANGUAGE");
    if (language.isEmpty())
        return;
    m_translation = std::make_unique<Translation>(QStringLiteral(NIMBREL_PROGRAM_DIR), QStringList{language});
    // Not silently English: the catalogue asked for is the one the windows speak.
    QCOMPARE(m_translation->language(), language);
}

void TestCaptions::everyCaptionFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    for (const char* name : {"main", "Options", "Help", "About"}) {
        MainWindowFixture fx;
        std::unique_ptr<QWidget> dialog;
        QWidget* window = openWindow(QString::fromLatin1(name), fx, dialog);
        QVERIFY(window);
        for (const QWidget* w : window->findChildren<QWidget*>())
            if (captioned(w) && !w->isWindow())
                QTest::addRow("%s: %s", name, qPrintable(w->objectName()))
                    << QString::fromLatin1(name) << w->objectName();
    }
}

void TestCaptions::everyCaptionFits()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    MainWindowFixture fx;
    std::unique_ptr<QWidget> dialog;
    QWidget* c = controlIn(window, control, fx, dialog);
    QVERIFY(c);
    QStyle* style = c->style();
    const QFontMetricsF fm(c->font());

    // Every letter is drawn from a face that has it, the control's or one the system falls
    // back to, not as a box: the faces a language needs are installed.
    for (const char32_t letter : captionOf(c).toUcs4())
        QVERIFY2(QChar::isSpace(letter) || fm.inFontUcs4(letter),
                 qPrintable(QStringLiteral("no face has U+%1").arg(uint(letter), 4, 16, QLatin1Char('0'))));

    if (auto* button = qobject_cast<QAbstractButton*>(c)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QSizeF need = fm.size(Qt::TextShowMnemonic, button->text());
        const bool box = qobject_cast<QCheckBox*>(button);
        // A push button's caption inside its frame.
        const QRect text =
            style->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button)
                .intersected(button->rect());
        QVERIFY2(fitsIn(need, text), qPrintable(describe(need, text)));
        const QRect indicator = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button);
        QVERIFY2(!box || button->rect().contains(indicator), "the indicator is cut");
        QVERIFY2(!box || !text.intersects(indicator), "the caption is drawn over the indicator");
    } else if (auto* label = qobject_cast<QLabel*>(c)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSizeF need = fm.boundingRect(QRectF(0, 0, room.width(), 100000), flags, label->text()).size();
        QVERIFY2(fitsIn(need, room), qPrintable(describe(need, room)));
    } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
        // Drawn on its own, the frame and its caption leave the controls' places untouched.
        QImage image(group->size(), QImage::Format_ARGB32);
        const QColor unpainted(1, 2, 3);
        image.fill(unpainted);
        group->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        for (const QWidget* inside : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect r = inside->geometry();
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QVERIFY2(image.pixelColor(x, y) == unpainted,
                             qPrintable(QStringLiteral("the frame is drawn across %1 at %2,%3")
                                            .arg(inside->objectName())
                                            .arg(x)
                                            .arg(y)));
        }
        const QSizeF need = fm.size(Qt::TextShowMnemonic, group->title());
        QVERIFY2(qRound(need.width()) <= group->width(), qPrintable(describe(need, group->rect())));
    }
}

void TestCaptions::fittingCaptionKeepsItsFont_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<qreal>("points"); // the design's font size for the control
    auto row = [](const char* window, const char* control, const char* caption, qreal points) {
        QTest::addRow("%s: %s", window, caption)
            << QString::fromLatin1(window) << QString::fromLatin1(control) << points;
    };
    // Captions that fit their controls in the design's 8.25 pt and were once shrunk all the
    // same, as if a push button's caption had to keep clear of the style's inner margin.
    row("main", "importButton", "Import from File", 8.25);
    row("main", "clearButton", "Clear All Names", 8.25);
    row("Options", "rememberBox", "Remember name list between sessions.", 8.25);
    row("Help", "showAgainBox", "Show this message every time", 8.25);
    row("About", "ownershipLabel", "the ownership line", 8.25);
    // And a few that always kept it.
    row("main", "shuffleButton", "Shuffle", 9.75);
    row("Options", "flashBox", "Flash different colors", 8.25);
    row("About", "versionLabel", "the version", 8.25);
}

void TestCaptions::fittingCaptionKeepsItsFont()
{
    // A larger font setting or another language's captions may shrink where they no longer
    // fit; twice the scale keeps the same sizes in points and pixels.
    if (qEnvironmentVariableIsSet("QT_FONT_DPI") || m_translation)
        QSKIP("the font sizes are the default setting's in English");
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(qreal, points);
    MainWindowFixture fx;
    std::unique_ptr<QWidget> dialog;
    QWidget* c = controlIn(window, control, fx, dialog);
    QVERIFY(c);
    QCOMPARE(c->font().pointSizeF(), points);
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
