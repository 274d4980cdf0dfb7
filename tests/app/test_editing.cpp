#include "MainWindowFixture.h"
#include "ui/QtPrompter.h"

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestEditing : public QObject
{
    Q_OBJECT
private slots:
    void listButtonsFollowTheList();
    void addName_data();
    void addName();
    void addToAFullList();
    void removeWithoutSelection();
    void removeAnswered_data();
    void removeAnswered();
    void deleteKeyActsAsRemove_data();
    void deleteKeyActsAsRemove();
    void clearAnswered_data();
    void clearAnswered();
    void realDialogs();
    void markupShownAsTyped_data();
    void markupShownAsTyped();
};

namespace {

bool listButtonsEnabled(const MainWindow& f)
{
    const bool on = button(f, "removeButton")->isEnabled();
    // The four always move together.
    if (button(f, "clearButton")->isEnabled() != on || button(f, "printButton")->isEnabled() != on ||
        button(f, "exportButton")->isEnabled() != on)
        qFatal("list-dependent buttons out of step");
    return on;
}

} // namespace

void TestEditing::listButtonsFollowTheList()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    QVERIFY(!listButtonsEnabled(f));
    QVERIFY(button(f, "addButton")->isEnabled());

    fx.prompter.type(QStringLiteral("Ann"));
    f.addName();
    QVERIFY(listButtonsEnabled(f));

    // Removing the last name empties the extent and disables the buttons again.
    nameList(f)->setCurrentRow(0);
    fx.prompter.answer(Prompter::Answer::Yes);
    f.removeName();
    QCOMPARE(f.hat().count(), 0);
    QCOMPARE(nameList(f)->horizontalExtent(), 0);
    QVERIFY(!listButtonsEnabled(f));

    fx.prompter.type(QStringLiteral("Bob"));
    f.addName();
    QVERIFY(listButtonsEnabled(f));
    fx.prompter.answer(Prompter::Answer::Yes);
    f.clearNames();
    QVERIFY(!listButtonsEnabled(f));
}

void TestEditing::addName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("cancel or empty field") << QString() << QStringList{QStringLiteral("Ann")};
    QTest::newRow("blanks added as typed")
        << QStringLiteral("   ") << QStringList{QStringLiteral("Ann"), QStringLiteral("   ")};
    QTest::newRow("repeat added again at the end")
        << QStringLiteral("Ann") << QStringList{QStringLiteral("Ann"), QStringLiteral("Ann")};
    QTest::newRow("not trimmed") << QStringLiteral(" Bo ")
                                 << QStringList{QStringLiteral("Ann"), QStringLiteral(" Bo ")};
}

void TestEditing::addName()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("Ann"));
    nameList(f)->setCurrentRow(0);
    const int extentBefore = nameList(f)->horizontalExtent();
    fx.prompter.type(typed);
    f.addName();
    QCOMPARE(nameList(f)->currentRow(), 0); // the new name is not selected
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].kind, ScriptedPrompter::Call::Input);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("Enter a name to add to the list."));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Add Name"));
    QCOMPARE(MainWindowFixture::names(f), after);
    const QFontMetrics metrics(nameList(f)->font());
    QVERIFY(nameList(f)->horizontalExtent() >= extentBefore);
    QVERIFY(nameList(f)->horizontalExtent() > metrics.horizontalAdvance(after.last()));
}

void TestEditing::addToAFullList()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    QStringList many;
    for (int i = 0; i < kMaxNames; ++i)
        many << QString::number(i);
    QCOMPARE(f.hat().append(many + QStringList{QStringLiteral("one too many")}), kMaxNames);

    fx.prompter.type(QStringLiteral("late"));
    fx.prompter.expectMessage();
    f.addName();
    QCOMPARE(f.hat().count(), kMaxNames);
    QCOMPARE(fx.prompter.calls.size(), 2);
    QCOMPARE(fx.prompter.calls[1].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[1].icon, Prompter::Icon::Warning);
    QCOMPARE(fx.prompter.calls[1].prompt, QStringLiteral("The list is full. It can hold at most 32,767 names."));
}

void TestEditing::removeWithoutSelection()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("Ann"));
    fx.prompter.expectMessage();
    f.removeName();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("A name must be selected to perform this action."));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Warning);
    QCOMPARE(f.hat().count(), 1);
}

void TestEditing::removeAnswered_data()
{
    QTest::addColumn<Prompter::Answer>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("yes") << Prompter::Answer::Yes << QStringList{QStringLiteral("Ann"), QStringLiteral("Cy")};
    QTest::newRow("no") << Prompter::Answer::No
                        << QStringList{QStringLiteral("Ann"), QStringLiteral("Bo \"B\" Bo"), QStringLiteral("Cy")};
}

void TestEditing::removeAnswered()
{
    QFETCH(Prompter::Answer, answer);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bo \"B\" Bo"), QStringLiteral("Cy")});
    nameList(f)->setCurrentRow(1);
    fx.prompter.answer(answer);
    f.removeName();
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("Remove \"Bo \"B\" Bo\" from the list?"));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Please Confirm"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Question);
    QCOMPARE(MainWindowFixture::names(f), after);
    QVERIFY(nameList(f)->horizontalExtent() > 0);
}

void TestEditing::deleteKeyActsAsRemove_data()
{
    QTest::addColumn<bool>("shuffling");
    QTest::newRow("idle: asks and removes") << false;
    QTest::newRow("shuffling: Remove is disabled, nothing happens") << true;
}

void TestEditing::deleteKeyActsAsRemove()
{
    QFETCH(bool, shuffling);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    nameList(f)->setCurrentRow(1);
    if (shuffling)
        f.toggleShuffle();
    else
        fx.prompter.answer(Prompter::Answer::Yes);
    QTest::keyClick(nameList(f), Qt::Key_Delete);
    if (shuffling) {
        QCOMPARE(fx.prompter.calls.size(), 0);
        QCOMPARE(f.hat().count(), 2);
        f.toggleShuffle();
        QCOMPARE(button(f, "shuffleButton")->text(), QStringLiteral("Shuffle"));
        return;
    }
    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("Remove \"Bob\" from the list?"));
    QCOMPARE(MainWindowFixture::names(f), QStringList{QStringLiteral("Ann")});
}

void TestEditing::clearAnswered_data()
{
    QTest::addColumn<Prompter::Answer>("answer");
    QTest::addColumn<bool>("setAside"); // the first name set aside before
    QTest::addColumn<int>("count");
    QTest::newRow("yes") << Prompter::Answer::Yes << false << 0;
    QTest::newRow("no") << Prompter::Answer::No << false << 2;
    QTest::newRow("a name set aside, yes") << Prompter::Answer::Yes << true << 0;
}

void TestEditing::clearAnswered()
{
    QFETCH(Prompter::Answer, answer);
    QFETCH(bool, setAside);
    QFETCH(int, count);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    if (!setAside)
        f.hat().removeAt(2);
    else
        f.hat().setAsideFirst();
    fx.prompter.answer(answer);
    f.clearNames();
    QCOMPARE(fx.prompter.calls[0].prompt,
             setAside ? QStringLiteral("This will erase all names in the list, and the 1 set-aside name. Do you wish "
                                       "to continue?")
                      : QStringLiteral("This will erase all names in the list. Do you wish to continue?"));
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Please Confirm"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Question);
    QCOMPARE(f.hat().count(), count);
    QCOMPARE(nameList(f)->horizontalExtent() == 0, count == 0);
}

void TestEditing::realDialogs()
{
    // The real prompter, answered by a closer polling for the modal dialog.
    QWidget owner;
    QtPrompter prompter(&owner);
    QString seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            // Enter takes the default button (Yes for a question).
            QTest::keyClick(box, Qt::Key_Return);
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            seenTitle = input->windowTitle();
            QTest::keyClicks(input->findChild<QLineEdit*>(), QStringLiteral("Zed"));
            QTest::keyClick(input, Qt::Key_Return);
        }
    });
    closer.start();
    QCOMPARE(prompter.askYesNo(QStringLiteral("Please Confirm"), QStringLiteral("Sure?"), Prompter::Icon::Question),
             Prompter::Answer::Yes);
    QCOMPARE(seenTitle, QStringLiteral("Please Confirm"));
    QCOMPARE(seenIcon, QMessageBox::Question);
    prompter.tell(QStringLiteral("Oops!"), QStringLiteral("No."), Prompter::Icon::Warning);
    QCOMPARE(seenIcon, QMessageBox::Warning);
    QCOMPARE(prompter.askText(QStringLiteral("Add Name"), QStringLiteral("Name?")), QStringLiteral("Zed"));
    QCOMPARE(seenTitle, QStringLiteral("Add Name"));
}

void TestEditing::markupShownAsTyped_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("text");
    QTest::newRow("question: bold name") << "askYesNo"
                                         << "Remove <b>Ann</b> from the list?";
    QTest::newRow("message: a path with a tag")
        << "tell"
        << "Could not import \"/tmp/<u>x</u>.txt\".\nIt is a folder, not a file.";
    QTest::newRow("message: an entity") << "tell"
                                        << "&lt;Ann&gt; & Bob";
    QTest::newRow("input prompt: bold") << "askText"
                                        << "Enter a name for <b>Ann</b>.";
}

void TestEditing::markupShownAsTyped()
{
    QFETCH(QString, dialog);
    QFETCH(QString, text);
    QWidget owner;
    QtPrompter prompter(&owner);
    // What the dialog's label shows, as a screen reader reads it: the text itself, or what
    // is left of it once read as markup.
    QString shown = QStringLiteral("(no dialog)");
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const auto* label = qobject_cast<QMessageBox*>(modal)
                                ? modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))
                                : modal->findChild<QLabel*>();
        shown = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label))->text(QAccessible::Name);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    closer.start();
    if (dialog == QLatin1String("tell"))
        prompter.tell(QStringLiteral("Oops!"), text, Prompter::Icon::Warning);
    else if (dialog == QLatin1String("askYesNo"))
        prompter.askYesNo(QStringLiteral("Please Confirm"), text, Prompter::Icon::Question);
    else
        prompter.askText(QStringLiteral("Add Name"), text);
    QCOMPARE(shown, text);
}

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
