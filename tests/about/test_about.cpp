#include "MainWindowFixture.h"
#include "about/AboutBox.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

#include <cmath>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void looksAsDesigned();
    void colouredTextReadsOnItsWindow_data();
    void colouredTextReadsOnItsWindow();
    void linkClick_data();
    void linkClick();
    void aboutButtonShowsItModally_data();
    void aboutButtonShowsItModally();
};

namespace {

const QString kMailTarget = QStringLiteral("mailto:support@quorvane.example");
const QString kWebTarget = QStringLiteral("http://www.quorvane.example");

QColor textColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

// Contrast ratio of two colours by the web's accessibility guidelines.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette(const QColor& window, const QColor& text)
{
    QPalette p = QApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Button, window.lighter(120));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Base, window.darker(120));
        p.setColor(group, QPalette::Text, text);
    }
    return p;
}

} // namespace

void TestAbout::colouredTextReadsOnItsWindow_data()
{
    QTest::addColumn<QPalette>("palette"); // none: the style's own (light) palette
    QTest::addColumn<bool>("switchWhileOpen");
    QTest::newRow("light") << QPalette() << false;
    QTest::newRow("dark grey") << darkPalette(QColor(53, 53, 53), Qt::white) << false;
    QTest::newRow("near black") << darkPalette(QColor(18, 18, 18), QColor(224, 224, 224)) << false;
    QTest::newRow("dark blue-grey") << darkPalette(QColor(42, 46, 50), QColor(252, 252, 252)) << false;
    QTest::newRow("dark mid grey") << darkPalette(QColor(85, 85, 85), QColor(240, 240, 240)) << false;
    QTest::newRow("turned dark while open") << darkPalette(QColor(30, 30, 30), Qt::white) << true;
}

void TestAbout::colouredTextReadsOnItsWindow()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, switchWhileOpen);
    const bool dark = palette != QPalette();
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    if (dark && !switchWhileOpen)
        QApplication::setPalette(palette);
    AboutBox box(&f, fx.launcher, fx.prompter);
    if (switchWhileOpen) {
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QApplication::setPalette(palette);
        // The change reaches open windows through the event loop.
        QTRY_COMPARE(box.palette().color(QPalette::Window), palette.color(QPalette::Window));
    }
    const QColor window = box.frame->palette().color(QPalette::Window);
    const QList<std::pair<QLabel*, QColor>> designed = {{box.ownershipLabel, QColor(255, 0, 0)},
                                                        {box.moreSoftwareLabel, QColor(0, 0, 0)},
                                                        {box.webLink, QColor(0, 0, 255)},
                                                        {box.mailLink, QColor(0, 0, 255)}};
    for (const auto& [label, colour] : designed) {
        const QColor shown = textColour(label);
        if (dark)
            QVERIFY2(contrast(shown, window) >= 4.5, qPrintable(label->objectName() + QLatin1Char(' ') + shown.name()));
        else
            QCOMPARE(shown, colour);
    }
    // The red line stays red and the links blue: lightened, not replaced.
    QCOMPARE(textColour(box.ownershipLabel).hsvHue(), 0);
    QCOMPARE(textColour(box.webLink).hsvHue(), 240);
}

void TestAbout::looksAsDesigned()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    AboutBox box(&f, fx.launcher, fx.prompter);
    QCOMPARE(box.windowTitle(), QStringLiteral("About..."));
    QCOMPARE(box.size(), QSize(329, 203));
    QCOMPARE(box.windowType(), Qt::Tool);
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.frame->geometry(), QRect(6, 4, 317, 193));
    QCOMPARE(box.okButton->parentWidget(), box.frame);

    QCOMPARE(box.logo->pixmap().size(), QSize(135, 65));
    QCOMPARE(box.logo->contentsRect().size(), QSize(135, 65));
    QCOMPARE(box.versionLabel->text(), QStringLiteral("Version 1.5"));
    QVERIFY(box.ownershipLabel->text().contains(QString(QChar(0xA9)) + QLatin1Char(' ') +
                                                QString::number(QDate::currentDate().year()) +
                                                QStringLiteral(" Quorvane")));
    QCOMPARE(textColour(box.ownershipLabel), QColor(255, 0, 0));
    QCOMPARE(box.moreSoftwareLabel->text(), QStringLiteral("Find more great software from Quorvane at:"));
    QCOMPARE(box.separator->geometry(), QRect(154, 72, 152, 1));
    QCOMPARE(box.webLink->text(), kWebTarget);
    QCOMPARE(box.mailLink->text(), QStringLiteral("support@quorvane.example"));
    for (QLabel* link : {box.mailLink, box.webLink}) {
        QCOMPARE(textColour(link), QColor(0, 0, 255));
        QVERIFY(link->font().underline());
        QCOMPARE(link->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(box.okButton->text(), QStringLiteral("OK"));
    QVERIFY(box.okButton->isDefault());
    QCOMPARE(box.okButton->geometry(), QRect(154, 158, 155, 27));
}

void TestAbout::linkClick_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message"); // empty: none

    const QString mailFailed = QStringLiteral("Could not start your email program.");
    const QString webFailed = QStringLiteral("Could not start your web browser.");
    QTest::newRow("mail, no program") << true << 31 << mailFailed;
    QTest::newRow("web, no program") << false << 31 << webFailed;
    QTest::newRow("mail, file not found") << true << 2 << QString();
    QTest::newRow("web, out of resources") << false << 0 << QString();
    QTest::newRow("web, other error") << false << 32 << QString();
    QTest::newRow("mail, started") << true << 42 << QString();
    QTest::newRow("web, started") << false << 33 << QString();
}

void TestAbout::linkClick()
{
    QFETCH(bool, mail);
    QFETCH(int, result);
    QFETCH(QString, message);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.launcher.result = result;
    if (!message.isEmpty())
        fx.prompter.expectMessage();

    AboutBox box(&f, fx.launcher, fx.prompter);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(mail ? box.mailLink : box.webLink, Qt::LeftButton);

    QCOMPARE(fx.launcher.targets, QStringList{mail ? kMailTarget : kWebTarget});
    QCOMPARE(fx.launcher.owners.value(0), quintptr(box.winId()));
    if (message.isEmpty()) {
        QVERIFY(fx.prompter.calls.isEmpty());
    } else {
        QCOMPARE(fx.prompter.calls.size(), 1);
        QCOMPARE(fx.prompter.calls[0].prompt, message);
        QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
        QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Warning);
    }
    QVERIFY(box.isVisible());
    QCOMPARE(box.result(), 0);
}

void TestAbout::aboutButtonShowsItModally_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestAbout::aboutButtonShowsItModally()
{
    QFETCH(int, key);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    QPointer<QWidget> seen;
    bool opened = false;
    QPoint centreOffset;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, &f, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || opened)
            return;
        opened = true;
        seen = box;
        QVERIFY(box->parentWidget() == &f);
        centreOffset = box->frameGeometry().center() - f.frameGeometry().center();
        QTest::keyClick(box, Qt::Key(key));
    });
    closer.start();
    button(f, "aboutButton")->click();
    closer.stop();

    QVERIFY(opened);
    QVERIFY(seen.isNull()); // loaded afresh each time: gone once closed
    QVERIFY(centreOffset.manhattanLength() <= 2);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(fx.launcher.targets.isEmpty());
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
