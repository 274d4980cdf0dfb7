// No caption of our windows is cut or runs up to its control's edge, no check box loses part
// of its indicator, and a frame's drawing stays clear of the controls it holds; run at the
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

private:
    std::unique_ptr<Translation> m_translation;
};

namespace {

// Opens one of our windows over the fixture's main window; the main window itself for "main".
QWidget* openWindow(const QString& name, MainWindowFixture& fx, std::unique_ptr<QWidget>& dialog)
{
    MainWindow& f = fx.open();
    if (name == QLatin1String("Options"))
        dialog = std::make_unique<OptionsDialog>(&f, f, *fx.settings);
    else if (name == QLatin1String("Help"))
        dialog = std::make_unique<HelpMessageDialog>(&f, *fx.settings);
    else if (name == QLatin1String("About"))
        dialog = std::make_unique<AboutBox>(&f, fx.launcher, fx.prompter);
    QWidget* window = dialog ? dialog.get() : static_cast<QWidget*>(&f);
    window->show();
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
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

QString describe(const QSize& need, const QRect& room)
{
    return QStringLiteral("needs %1x%2 in %3x%4")
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
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
    QWidget* w = openWindow(window, fx, dialog);
    QVERIFY(w);
    auto* c = w->findChild<QWidget*>(control);
    QVERIFY(c);
    QStyle* style = c->style();
    const QFontMetrics fm = c->fontMetrics();

    // Every letter is drawn from a face that has it, the control's or one the system falls
    // back to, not as a box: the faces a language needs are installed.
    for (const char32_t letter : captionOf(c).toUcs4())
        QVERIFY2(QChar::isSpace(letter) || fm.inFontUcs4(letter),
                 qPrintable(QStringLiteral("no face has U+%1").arg(uint(letter), 4, 16, QLatin1Char('0'))));

    if (auto* button = qobject_cast<QAbstractButton*>(c)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QSize need = fm.size(Qt::TextShowMnemonic, button->text());
        if (qobject_cast<QCheckBox*>(button)) {
            const QRect text = style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
            QVERIFY2(need.width() <= text.width() && need.height() <= text.height(), qPrintable(describe(need, text)));
            const QRect indicator = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button);
            QVERIFY2(button->rect().contains(indicator), "the indicator is cut");
        } else {
            // The style's own margin stays clear on either side, or the caption looks cut.
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
            const QRect text = style->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                   .intersected(button->rect().adjusted(margin, 0, -margin, 0));
            QVERIFY2(need.width() <= text.width() && need.height() <= text.height(), qPrintable(describe(need, text)));
        }
    } else if (auto* label = qobject_cast<QLabel*>(c)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize need = fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text()).size();
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(), qPrintable(describe(need, room)));
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
        const QSize need = fm.size(Qt::TextShowMnemonic, group->title());
        QVERIFY2(need.width() <= group->width(), qPrintable(describe(need, group->rect())));
    }
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
