#include "Form1Fixture.h"
#include "help/ContextHelp.h"
#include "help/Form3.h"
#include "help/HelpFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QWhatsThis>

using namespace SettingsKeys;

class TestHelpMode : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void looksAsDesigned();
    void everyCloseWritesTheBox_data();
    void everyCloseWritesTheBox();
    void storedValueDecidesTheMessage_data();
    void storedValueDecidesTheMessage();
    void clickShowsTheControlsTopic_data();
    void clickShowsTheControlsTopic();
    void f1OnFileButtonsShowsTheirF1Topic();
    void missingHelpFileSaysWhy();
};

namespace {

const QString kUnset = QStringLiteral("unset");

QString storedShowHelp()
{
    return Form1Fixture::store().GetSetting(ShowHelpMessage.section, ShowHelpMessage.key, kUnset);
}

void writeHelpFile(Form1Fixture& fx)
{
    QFile file(fx.appDir.filePath(QStringLiteral("nimbrel.hlp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int topic = 1; topic <= 12; ++topic)
        file.write(QStringLiteral("[%1] Topic %1\nAbout topic %1.\n\n").arg(topic).toUtf8());
}

QWidget* whatsThisPopup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qstrcmp(w->metaObject()->className(), "QWhatsThat") == 0)
            return w;
    return nullptr;
}

// Runs Help, handing each help message that opens to `close`; returns how many opened and
// whether help mode was on while one was open.
struct HelpRun
{
    int messages = 0;
    bool modeDuringMessage = false;
};

HelpRun pressHelp(Form1& f, const std::function<void(Form3*)>& close)
{
    HelpRun run;
    QTimer closer;
    closer.setInterval(20);
    Form3* seen = nullptr;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!dialog || dialog == seen)
            return;
        seen = dialog;
        ++run.messages;
        run.modeDuringMessage = run.modeDuringMessage || QWhatsThis::inWhatsThisMode();
        close(dialog);
    });
    closer.start();
    f.Command6_Click();
    return run;
}

} // namespace

void TestHelpMode::cleanup()
{
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    if (QWidget* popup = whatsThisPopup())
        popup->close();
}

void TestHelpMode::looksAsDesigned()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    Form3 dialog(&f);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Help"));
    QCOMPARE(dialog.size(), QSize(185, 133)); // 2775 x 1995 twips
    QCOMPARE(dialog.Label1->text(),
             QStringLiteral("Now click on any area of the program interface for help on that particular feature."));
    QCOMPARE(dialog.Command1->text(), QStringLiteral("OK"));
    QVERIFY(dialog.Command1->isDefault());
    QCOMPARE(dialog.Command1->geometry(), QRect(49, 96, 87, 29));
    QCOMPARE(dialog.Check1->text(), QStringLiteral("Show this message every time"));
    QCOMPARE(dialog.Check1->geometry().topLeft(), QPoint(9, 72));
    QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
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
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(storedShowHelp(), kUnset);

    bool tickedAtOpen = false;
    const HelpRun first = pressHelp(f, [&](Form3* dialog) {
        tickedAtOpen = dialog->Check1->isChecked();
        dialog->Check1->setChecked(!untick);
        if (closeBy == QLatin1String("OK"))
            dialog->Command1->click();
        else if (closeBy == QLatin1String("Enter"))
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (closeBy == QLatin1String("Esc"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    });
    QCOMPARE(first.messages, 1);
    QVERIFY(tickedAtOpen);
    QVERIFY(!first.modeDuringMessage);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(storedShowHelp(), flagText(!untick));
    QWhatsThis::leaveWhatsThisMode();

    // The next Help shows the message again only while the box stays ticked.
    const HelpRun second = pressHelp(f, [](Form3* dialog) { dialog->Command1->click(); });
    QCOMPARE(second.messages, untick ? 0 : 1);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(storedShowHelp(), flagText(!untick));
}

void TestHelpMode::storedValueDecidesTheMessage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("messages");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("2") << "2" << 0;
    QTest::newRow("not a number: the default") << "often" << 1;
}

void TestHelpMode::storedValueDecidesTheMessage()
{
    QFETCH(QString, stored);
    QFETCH(int, messages);
    Form1Fixture fx;
    Form1& f = fx.open();
    Form1Fixture::store().SaveSetting(ShowHelpMessage.section, ShowHelpMessage.key, stored);
    bool ticked = false;
    const HelpRun run = pressHelp(f, [&](Form3* dialog) {
        ticked = dialog->Check1->isChecked();
        dialog->Command1->click();
    });
    QCOMPARE(run.messages, messages);
    QCOMPARE(ticked, messages == 1);
    QVERIFY(QWhatsThis::inWhatsThisMode());
}

void TestHelpMode::clickShowsTheControlsTopic_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("topic");
    QTest::newRow("name list") << "List1" << 1;
    QTest::newRow("Shuffle") << "Command2" << 2;
    QTest::newRow("Import from File") << "Command10" << 11;
    QTest::newRow("Export to File") << "Command11" << 12;
    QTest::newRow("Exit") << "Command5" << 10;
}

void TestHelpMode::clickShowsTheControlsTopic()
{
    QFETCH(QString, control);
    QFETCH(int, topic);
    Form1Fixture fx;
    writeHelpFile(fx);
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Form1Fixture::store().SaveSetting(ShowHelpMessage.section, ShowHelpMessage.key, QStringLiteral("0"));
    f.Command6_Click();
    QVERIFY(QWhatsThis::inWhatsThisMode());

    auto* target = f.findChild<QWidget*>(control);
    QVERIFY(target);
    const QString expected = QStringLiteral("<p><b>Topic %1</b></p><p>About topic %1.</p>").arg(topic);
    QCOMPARE(target->whatsThis(), expected);
    // A click on the list lands on its viewport, a child of the list.
    QWidget* clicked = target == f.List1 ? f.List1->viewport() : target;
    QTest::mouseClick(clicked, Qt::LeftButton);
    QTRY_VERIFY(whatsThisPopup());
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    QCOMPARE(f.List1->ListCount(), 0); // the click only asked for help
}

void TestHelpMode::f1OnFileButtonsShowsTheirF1Topic()
{
    Form1Fixture fx;
    writeHelpFile(fx);
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const HelpFile file = HelpFile::load(fx.appDir.filePath(QStringLiteral("nimbrel.hlp")));
    QCOMPARE(f.contextHelp()->f1Text(f.Command10), file.popupText(12));
    QCOMPARE(f.contextHelp()->f1Text(f.Command11), file.popupText(11));
    QCOMPARE(f.contextHelp()->f1Text(f.Command1), QString());

    QTest::keyClick(f.Command10, Qt::Key_F1);
    QTRY_VERIFY(whatsThisPopup());
}

void TestHelpMode::missingHelpFileSaysWhy()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    const QString path = QDir::toNativeSeparators(fx.appDir.filePath(QStringLiteral("nimbrel.hlp")));
    QCOMPARE(f.Command11->whatsThis(),
             QStringLiteral("<p>Help is not available: the help file %1 was not found.</p>").arg(path));
    QVERIFY(f.contextHelp()->f1Text(f.Command10).contains(QLatin1String("was not found")));

    // A help file put in place later counts from the next Help on.
    writeHelpFile(fx);
    Form1Fixture::store().SaveSetting(ShowHelpMessage.section, ShowHelpMessage.key, QStringLiteral("0"));
    f.Command6_Click();
    QCOMPARE(f.Command11->whatsThis(), QStringLiteral("<p><b>Topic 12</b></p><p>About topic 12.</p>"));
}

QTEST_MAIN(TestHelpMode)
#include "test_helpmode.moc"
