#include "MainWindowFixture.h"
#include "settings/OptionsDialog.h"
#include "settings/StoreTexts.h"

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
const Key* const kFlags[] = {&Flash, &Shake, &Sound, &SaveNames};
const QString kUnset = QStringLiteral("unset");
} // namespace

void TestOptions::looksAsDesigned()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog.size(), QSize(226, 143));
    QCOMPARE(dialog.effectsGroup->title(), QStringLiteral("Special Effects While Shuffling:"));
    QCOMPARE(dialog.flashBox->parentWidget(), dialog.effectsGroup);
    QCOMPARE(dialog.rememberBox->parentWidget(), &dialog);
    QCOMPARE(dialog.flashBox->text(), QStringLiteral("Flash different colors"));
    QCOMPARE(dialog.rememberBox->text(), QStringLiteral("Remember name list between sessions."));
    QCOMPARE(dialog.shakeBox->text(), QStringLiteral("Shake window"));
    QCOMPARE(dialog.soundBox->text(), QStringLiteral("Play sound"));
    QCOMPARE(dialog.saveButton->text(), QStringLiteral("Save"));
    QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog.saveButton->isDefault());
    QCOMPARE(dialog.saveButton->geometry(), QRect(50, 110, 61, 29));
    QCOMPARE(dialog.soundBox->geometry().topLeft(), QPoint(10, 52));
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestOptions::freshStoreChecksEverything()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    for (QCheckBox* box : {dialog.flashBox, dialog.rememberBox, dialog.shakeBox, dialog.soundBox})
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
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    Settings s = MainWindowFixture::store();
    for (const Key* key : kFlags)
        s.setText(*key, stored);
    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    for (QCheckBox* box : {dialog.flashBox, dialog.rememberBox, dialog.shakeBox, dialog.soundBox})
        QCOMPARE(box->isChecked(), checked);
}

void TestOptions::saveStoresAndApplies_data()
{
    QTest::addColumn<bool>("flash");
    QTest::addColumn<bool>("shake");
    QTest::addColumn<bool>("play");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<bool>("storable");
    QTest::newRow("all off") << false << false << false << false << true;
    QTest::newRow("only flashing") << true << false << false << true << true;
    QTest::newRow("all but flashing") << false << true << true << true << true;
    QTest::newRow("store's folder gone: said, switched for the run") << false << false << false << false << false;
}

void TestOptions::saveStoresAndApplies()
{
    QFETCH(bool, flash);
    QFETCH(bool, shake);
    QFETCH(bool, play);
    QFETCH(bool, remember);
    QFETCH(bool, storable);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, true, false);
    f.hat().reorder(); // no names to draw from; a flash colour, red
    const QString folder = QFileInfo(fx.settings->storeFile()).path();
    if (!storable) { // moved away while the program runs, a file in its place: the store cannot be made anew
        QVERIFY(QDir().rename(folder, folder + "-moved") && QFile(folder).open(QIODevice::WriteOnly));
        fx.prompter.expectMessage();
    }

    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    dialog.flashBox->setChecked(flash);
    dialog.shakeBox->setChecked(shake);
    dialog.soundBox->setChecked(play);
    dialog.rememberBox->setChecked(remember);
    dialog.save();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    for (auto [key, on] :
         {std::pair(&Flash, flash), std::pair(&Shake, shake), std::pair(&Sound, play), std::pair(&SaveNames, remember)})
        QCOMPARE(MainWindowFixture::stored(*key), !storable ? kUnset : on ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(fx.prompter.calls.size(), int(!storable));
    if (!storable) // said when it happens; the effects still switch for this run
        QCOMPARE(fx.prompter.calls[0].prompt,
                 StoreTexts::storeNotKept().arg(StoreTexts::storeFailed(), folder + "/registry.sqlite"));
    QCOMPARE(std::tuple(f.effects().flashy(), f.effects().shaky(), f.effects().sound()), std::tuple(flash, shake, play)); // the window follows

    const QColor expected = flash ? QColor(Qt::red) : backColor(button(f, "addButton"));
    QCOMPARE(MainWindowFixture::shown(&f), expected);
    QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), expected);
}

void TestOptions::cancelChangesNothing()
{
    MainWindowFixture fx;
    fx.writeSound("RIFF");
    MainWindow& f = fx.open();
    f.hat().reorder(); // no names to draw from; a flash colour, red
    {
        OptionsDialog dialog(&f, *fx.settings, fx.prompter);
        for (QCheckBox* box : {dialog.flashBox, dialog.rememberBox, dialog.shakeBox, dialog.soundBox})
            box->setChecked(false);
        dialog.cancel();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    for (const Key* key : kFlags)
        QCOMPARE(MainWindowFixture::stored(*key), kUnset);
    QVERIFY(f.effects().flashy() && f.effects().shaky() && f.effects().sound());
    QCOMPARE(MainWindowFixture::shown(&f), QColor(Qt::red));
    OptionsDialog again(&f, *fx.settings, fx.prompter);
    QVERIFY(again.flashBox->isChecked() && again.soundBox->isChecked());
}

void TestOptions::rememberNamesMattersAtNextStart()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    {
        OptionsDialog dialog(&f, *fx.settings, fx.prompter);
        dialog.rememberBox->setChecked(false);
        dialog.save();
    }

    QCOMPARE(f.hat().count(), 2);
    fx.close();
    QCOMPARE(fx.open().hat().count(), 0);
}

void TestOptions::soundSwitchedOffByShuffleOpensUnchecked()
{
    MainWindowFixture fx; // no sound file
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.toggleShuffle();
    fx.random.enqueue(0.f);
    fx.random.enqueue(0.f);
    fx.prompter.expectMessage(); // the sound error
    f.hat().reorder();
    f.toggleShuffle();
    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    QVERIFY(!dialog.soundBox->isChecked());
    QVERIFY(dialog.flashBox->isChecked());
}

void TestOptions::saveDuringShuffleActsOnNextTick()
{
    DisabledButtonsLookDifferent look; // the rest colour is read while Add Name is disabled
    MainWindowFixture fx;
    fx.writeSound("RIFF");
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.toggleShuffle();
    auto tick = [&] {
        fx.random.enqueue(0.f);
        fx.random.enqueue(0.f);
        f.hat().reorder();
    };
    tick();
    QCOMPARE(MainWindowFixture::shown(&f), QColor(Qt::red));
    QVERIFY(f.effects().shifted());
    QCOMPARE(fx.player.calls().size(), 1);
    {
        OptionsDialog dialog(&f, *fx.settings, fx.prompter);
        dialog.flashBox->setChecked(false);
        dialog.shakeBox->setChecked(false);
        dialog.soundBox->setChecked(false);
        dialog.save();
    }
    QCOMPARE(MainWindowFixture::shown(&f), look.restColour());
    QCOMPARE(MainWindowFixture::shown(f.findChild<QFrame*>("buttonPanel")), look.restColour());
    const float left = f.effects().leftTwips();
    tick();
    QCOMPARE(MainWindowFixture::shown(&f), look.restColour());
    QCOMPARE(f.effects().leftTwips(), left);
    QCOMPARE(fx.player.calls().size(), 1);
    f.toggleShuffle();
}

void TestOptions::escapeOpensItAndEscapeCancels()
{
    // The real modal dialog, opened by Esc in the main window and left with Esc.
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QString seen;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->windowTitle();
            dialog->flashBox->setChecked(false);
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    closer.start();
    QTest::keyClick(&f, Qt::Key_Escape);
    QCOMPARE(seen, QStringLiteral("Options"));
    QVERIFY(f.effects().flashy());
    QCOMPARE(MainWindowFixture::stored(Flash), kUnset);
}

void TestOptions::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("saved");
    QTest::newRow("check box: the default, Save") << "flashBox" << true;
    QTest::newRow("Save") << "saveButton" << true;
    QTest::newRow("Cancel") << "cancelButton" << false;
}

void TestOptions::enterPressesFocusedButton()
{
    QFETCH(QString, focus);
    QFETCH(bool, saved);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    OptionsDialog dialog(&f, *fx.settings, fx.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.flashBox->setChecked(false);
    auto* target = dialog.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(dialog.result(), saved ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(MainWindowFixture::stored(Flash), saved ? QStringLiteral("0") : kUnset);
    QCOMPARE(f.effects().flashy(), !saved);
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
