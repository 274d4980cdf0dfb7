#include "MainWindowFixture.h"
#include "help/ContextHelp.h"
#include "help/HelpMessageDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QWhatsThis>

using namespace SettingsKeys;

class TestHelpMode : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void everyCloseWritesTheBox_data();
    void everyCloseWritesTheBox();
    void showsTheControlsTopic_data();
    void showsTheControlsTopic();
};

namespace {

QString storedShowHelp()
{
    return MainWindowFixture::stored(ShowHelpMessage);
}

void writeHelpFile(MainWindowFixture& fx)
{
    QFile file(fx.appDir.filePath(QStringLiteral("nimbrel.hlp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int topic = 1; topic <= 12; ++topic)
        file.write(QStringLiteral("[%1] Topic %1\nAbout topic %1.\n").arg(topic).toUtf8());
}

QString topicText(int topic)
{
    return QStringLiteral("<p><b>Topic %1</b></p><p>About topic %1.</p>").arg(topic);
}

QWidget* whatsThisPopup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qstrcmp(w->metaObject()->className(), "QWhatsThat") == 0)
            return w;
    return nullptr;
}

// Presses Help, handing the help message (if it opens) to `close`; returns how many opened.
int pressHelp(MainWindow& f, const std::function<void(HelpMessageDialog*)>& close)
{
    int messages = 0;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<HelpMessageDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("seen").toBool())
            return;
        dialog->setProperty("seen", true);
        ++messages;
        close(dialog);
    });
    closer.start();
    f.showHelp();
    return messages;
}

} // namespace

void TestHelpMode::cleanup()
{
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    if (QWidget* popup = whatsThisPopup())
        popup->close();
}

void TestHelpMode::everyCloseWritesTheBox_data()
{
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<bool>("untick");
    for (const char* closeBy : {"OK", "Enter", "Esc", "close box"}) {
        QTest::addRow("%s, ticked", closeBy) << closeBy << false;
        QTest::addRow("%s, unticked", closeBy) << closeBy << true;
    }
}

void TestHelpMode::everyCloseWritesTheBox()
{
    QFETCH(QString, closeBy);
    QFETCH(bool, untick);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    bool tickedAtOpen = false;
    bool modeDuringMessage = true;
    const auto close = [&](HelpMessageDialog* dialog) {
        modeDuringMessage = QWhatsThis::inWhatsThisMode();
        tickedAtOpen = dialog->showAgainBox->isChecked();
        dialog->showAgainBox->setChecked(!untick);
        if (closeBy == QLatin1String("OK"))
            dialog->okButton->click();
        else if (closeBy == QLatin1String("close box"))
            dialog->close();
        else
            QTest::keyClick(dialog, closeBy == QLatin1String("Esc") ? Qt::Key_Escape : Qt::Key_Return);
    };
    QCOMPARE(pressHelp(f, close), 1);
    QVERIFY(tickedAtOpen); // nothing stored yet
    QVERIFY(!modeDuringMessage);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(storedShowHelp(), untick ? QStringLiteral("0") : QStringLiteral("1"));
    QWhatsThis::leaveWhatsThisMode();

    // The next Help shows the message again only while the box stays ticked.
    QCOMPARE(pressHelp(f, [](HelpMessageDialog* dialog) { dialog->okButton->click(); }), untick ? 0 : 1);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(storedShowHelp(), untick ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestHelpMode::showsTheControlsTopic_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("f1"); // F1 on the control, or a click on it in help mode
    QTest::addColumn<int>("topic");
    QTest::newRow("click on the name list") << "nameList" << false << 1;
    QTest::newRow("click on Import from File") << "importButton" << false << 11;
    QTest::newRow("click on Export to File (disabled)") << "exportButton" << false << 12;
    QTest::newRow("F1 on Import from File") << "importButton" << true << 11;
    QTest::newRow("F1 on Export to File") << "exportButton" << true << 12;
}

void TestHelpMode::showsTheControlsTopic()
{
    QFETCH(QString, control);
    QFETCH(bool, f1);
    QFETCH(int, topic);
    MainWindowFixture fx;
    writeHelpFile(fx);
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* target = f.findChild<QWidget*>(control);
    if (f1) {
        QCOMPARE(f.contextHelp()->f1Text(target), topicText(topic));
        QTest::keyClick(target, Qt::Key_F1);
    } else {
        MainWindowFixture::store().setFlag(ShowHelpMessage, false);
        f.showHelp();
        QCOMPARE(target->whatsThis(), topicText(topic));
        // A click on the list lands on its viewport, inside the list.
        QTest::mouseClick(target == nameList(f) ? nameList(f)->viewport() : target, Qt::LeftButton);
    }
    QTRY_VERIFY(whatsThisPopup());
    QVERIFY(!QWhatsThis::inWhatsThisMode());
}

QTEST_MAIN(TestHelpMode)
#include "test_helpmode.moc"
