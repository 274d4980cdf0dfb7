#include "Form1Fixture.h"
#include "settings/Form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTest>

using namespace SettingsKeys;

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void looksAsDesigned();
    void freshStoreChecksEverything();
    void showsWhatIsStored_data();
    void showsWhatIsStored();
    void saveStoresAndApplies_data();
    void saveStoresAndApplies();
    void cancelChangesNothing();
    void rememberNamesMattersAtNextStart();
    void soundSwitchedOffByShuffleOpensUnchecked();
    void saveDuringShuffleActsOnNextTick();
    void escapeOpensItAndEscapeCancels();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
};

namespace {
const Key* const kFlags[] = {&FlashyColorThing, &ShakyWindowThing, &Sound, &SaveNames};
const QString kUnset = QStringLiteral("unset");
} // namespace

void TestOptions::looksAsDesigned()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    Form2 dialog(&f, f);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog.size(), QSize(226, 143));
    QCOMPARE(dialog.Frame1->title(), QStringLiteral("Special Effects While Shuffling:"));
    QCOMPARE(dialog.Check1->parentWidget(), dialog.Frame1);
    QCOMPARE(dialog.Check2->parentWidget(), &dialog);
    QCOMPARE(dialog.Check1->text(), QStringLiteral("Flash different colors"));
    QCOMPARE(dialog.Check2->text(), QStringLiteral("Remember name list between sessions."));
    QCOMPARE(dialog.Check3->text(), QStringLiteral("Shake window"));
    QCOMPARE(dialog.Check4->text(), QStringLiteral("Play sound"));
    QCOMPARE(dialog.Command1->text(), QStringLiteral("Save"));
    QCOMPARE(dialog.Command2->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog.Command1->isDefault());
    QCOMPARE(dialog.Command1->geometry(), QRect(50, 110, 61, 29));
    QCOMPARE(dialog.Check4->geometry().topLeft(), QPoint(10, 52));
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestOptions::freshStoreChecksEverything()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    Form2 dialog(&f, f);
    for (QCheckBox* box : {dialog.Check1, dialog.Check2, dialog.Check3, dialog.Check4})
        QVERIFY2(box->isChecked(), qPrintable(box->text()));
}

void TestOptions::showsWhatIsStored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("not a number") << "on" << true;
}

void TestOptions::showsWhatIsStored()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    Form1Fixture fx;
    Form1& f = fx.open();
    CRegSettings s = Form1Fixture::store();
    for (const Key* key : kFlags)
        s.SaveSetting(key->section, key->key, stored);
    Form2 dialog(&f, f);
    for (QCheckBox* box : {dialog.Check1, dialog.Check2, dialog.Check3, dialog.Check4})
        QCOMPARE(box->isChecked(), checked);
}

void TestOptions::saveStoresAndApplies_data()
{
    QTest::addColumn<bool>("flash");
    QTest::addColumn<bool>("shake");
    QTest::addColumn<bool>("play");
    QTest::addColumn<bool>("remember");
    QTest::newRow("all off") << false << false << false << false;
    QTest::newRow("only flashing") << true << false << false << true;
    QTest::newRow("all but flashing") << false << true << true << true;
}

void TestOptions::saveStoresAndApplies()
{
    QFETCH(bool, flash);
    QFETCH(bool, shake);
    QFETCH(bool, play);
    QFETCH(bool, remember);
    Form1Fixture fx;
    Form1& f = fx.open();
    setBackColor(&f, Qt::green); // a flash colour left from a shuffle
    setBackColor(f.Picture1, Qt::green);

    Form2 dialog(&f, f);
    dialog.Check1->setChecked(flash);
    dialog.Check3->setChecked(shake);
    dialog.Check4->setChecked(play);
    dialog.Check2->setChecked(remember);
    dialog.Command1_Click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    CRegSettings s = Form1Fixture::store();
    QCOMPARE(s.GetSetting(FlashyColorThing.section, FlashyColorThing.key, kUnset), flagText(flash));
    QCOMPARE(s.GetSetting(ShakyWindowThing.section, ShakyWindowThing.key, kUnset), flagText(shake));
    QCOMPARE(s.GetSetting(Sound.section, Sound.key, kUnset), flagText(play));
    QCOMPARE(s.GetSetting(SaveNames.section, SaveNames.key, kUnset), flagText(remember));
    QCOMPARE(f.flashy, flash);
    QCOMPARE(f.shaky, shake);
    QCOMPARE(f.sound, play);
    QVERIFY(f.savenms); // only read at start-up
    const QColor expected = flash ? QColor(Qt::green) : backColor(f.Command1);
    QCOMPARE(backColor(&f), expected);
    QCOMPARE(backColor(f.Picture1), expected);
}

void TestOptions::cancelChangesNothing()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    setBackColor(&f, Qt::blue);
    {
        Form2 dialog(&f, f);
        for (QCheckBox* box : {dialog.Check1, dialog.Check2, dialog.Check3, dialog.Check4})
            box->setChecked(false);
        dialog.Command2_Click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    for (const Key* key : kFlags)
        QCOMPARE(Form1Fixture::store().GetSetting(key->section, key->key, kUnset), kUnset);
    QVERIFY(f.flashy && f.shaky && f.sound && f.savenms);
    QCOMPARE(backColor(&f), QColor(Qt::blue));
    Form2 again(&f, f);
    QVERIFY(again.Check1->isChecked() && again.Check4->isChecked());
}

void TestOptions::rememberNamesMattersAtNextStart()
{
    Form1Fixture fx;
    Form1& f = fx.open();
    f.List1->AddItems({QStringLiteral("Ann"), QStringLiteral("Bob")});
    {
        Form2 dialog(&f, f);
        dialog.Check2->setChecked(false);
        dialog.Command1_Click();
    }
    QVERIFY(f.savenms);
    QCOMPARE(f.List1->ListCount(), 2);
    fx.close();
    QCOMPARE(fx.open().List1->ListCount(), 0);
}

void TestOptions::soundSwitchedOffByShuffleOpensUnchecked()
{
    Form1Fixture fx; // no sound file
    Form1& f = fx.open();
    f.List1->AddItems({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.Command2_Click();
    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    fx.prompter.answer(Prompter::IDOK); // the sound error
    f.Timer1_Timer();
    f.Command2_Click();
    Form2 dialog(&f, f);
    QVERIFY(!dialog.Check4->isChecked());
    QVERIFY(dialog.Check1->isChecked());
}

void TestOptions::saveDuringShuffleActsOnNextTick()
{
    DisabledButtonsLookDifferent look; // the rest colour is read while Add Name is disabled
    Form1Fixture fx;
    fx.writeSound("RIFF");
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.List1->AddItems({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.Command2_Click();
    auto tick = [&] {
        fx.random.enqueue(0.f);
        fx.random.enqueue(0.f);
        f.Timer1_Timer();
    };
    tick();
    QCOMPARE(backColor(&f), QColor(Qt::red));
    QVERIFY(f.shifted());
    QCOMPARE(fx.player.calls().size(), 1);
    {
        Form2 dialog(&f, f);
        dialog.Check1->setChecked(false);
        dialog.Check3->setChecked(false);
        dialog.Check4->setChecked(false);
        dialog.Command1_Click();
    }
    QCOMPARE(backColor(&f), look.restColour());
    QCOMPARE(backColor(f.Picture1), look.restColour());
    const float left = f.Left();
    tick();
    QCOMPARE(backColor(&f), look.restColour());
    QCOMPARE(f.Left(), left);
    QCOMPARE(fx.player.calls().size(), 1);
    f.Command2_Click();
}

void TestOptions::escapeOpensItAndEscapeCancels()
{
    // The real modal dialog, opened by Esc in the main window and left with Esc.
    Form1Fixture fx;
    Form1& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QString seen;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<Form2*>(QApplication::activeModalWidget())) {
            seen = dialog->windowTitle();
            dialog->Check1->setChecked(false);
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    closer.start();
    QTest::keyClick(&f, Qt::Key_Escape);
    QCOMPARE(seen, QStringLiteral("Options"));
    QVERIFY(f.flashy);
    QCOMPARE(Form1Fixture::store().GetSetting(FlashyColorThing.section, FlashyColorThing.key, kUnset), kUnset);
}

void TestOptions::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("saved");
    QTest::newRow("check box: the default, Save") << "Check1" << true;
    QTest::newRow("Save") << "Command1" << true;
    QTest::newRow("Cancel") << "Command2" << false;
}

void TestOptions::enterPressesFocusedButton()
{
    QFETCH(QString, focus);
    QFETCH(bool, saved);
    Form1Fixture fx;
    Form1& f = fx.open();
    Form2 dialog(&f, f);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Check1->setChecked(false);
    auto* target = dialog.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(dialog.result(), saved ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(Form1Fixture::store().GetSetting(FlashyColorThing.section, FlashyColorThing.key, kUnset),
             saved ? QStringLiteral("0") : kUnset);
    QCOMPARE(f.flashy, !saved);
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
