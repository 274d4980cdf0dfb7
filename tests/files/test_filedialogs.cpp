#include "TestHome.h"
#include "ui/QtPrompter.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// Drives Qt's real file dialogs through the prompter, the way a user would.
class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    void openDialog();
    void saveDialog();
    void savedNameFitsTheFilter_data();
    void savedNameFitsTheFilter();
};

namespace {

const QList<Prompter::FileFilter> kFilter{{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};

// Answers the modal dialogs as they come, one step each. A step returns false to wait for
// the next poll. Clicks are queued, so a box they open is answered by later polls.
class Closer
{
public:
    using Step = std::function<bool(QWidget* modal)>;
    explicit Closer(QList<Step> steps) : m_steps(std::move(steps))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !m_steps.isEmpty() && m_steps.first()(modal))
                m_steps.removeFirst();
        });
        m_timer.start();
    }
    bool done() const { return m_steps.isEmpty(); }

private:
    QList<Step> m_steps;
    QTimer m_timer;
};

void queueClick(QAbstractButton* button)
{
    QTimer::singleShot(0, button, &QAbstractButton::click);
}

// Types name into the dialog's file-name box and presses its Open or Save button.
Closer::Step typeAndAccept(const QString& name)
{
    return [name](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // Typed over the old text, as a user does (an emptied box would select its folder).
        edit->selectAll();
        QTest::keyClicks(edit, name);
        auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QAbstractButton* accept = box->button(QDialogButtonBox::Open) ? box->button(QDialogButtonBox::Open)
                                                                      : box->button(QDialogButtonBox::Save);
        if (accept->isEnabled())
            queueClick(accept);
        return true;
    };
}

// Answers a message box with button, noting its text as shown (as a screen reader reads
// it: markup in it would be gone).
Closer::Step answerBox(QMessageBox::StandardButton button, QString* text)
{
    return [button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return false;
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        *text = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        queueClick(box->button(button));
        return true;
    };
}

// Picks the filter at index from the file type list with the keyboard, as a user does.
Closer::Step chooseFilter(int index)
{
    return [index](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        return true;
    };
}

Closer::Step cancel()
{
    return [](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog)
            QTimer::singleShot(0, dialog, &QDialog::reject);
        return dialog != nullptr;
    };
}

// Notes what the dialog shows: title; folder; typed name; the filters shown, the selected
// one first; the patterns behind the second filter; whether only existing files count.
Closer::Step look(QStringList* seen)
{
    return [seen](QWidget* modal) {
        auto* d = qobject_cast<QFileDialog*>(modal);
        if (!d)
            return false;
        auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        *seen = QStringList{d->windowTitle(), d->directory().absolutePath(),
                            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), combo->currentText()};
        for (int i = 0; i < combo->count(); ++i)
            *seen << combo->itemText(i);
        *seen << d->nameFilters().value(1) << QString::number(d->fileMode() == QFileDialog::ExistingFile);
        return true;
    };
}

void writeFile(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Ann\r\n");
}

} // namespace

void TestFileDialogs::openDialog()
{
    TestHome home;
    QTemporaryDir dir;
    const QString names = dir.filePath(QStringLiteral("names.txt"));
    writeFile(names);
    writeFile(dir.filePath(QStringLiteral("last.txt")));
    QWidget owner;
    QtPrompter prompter;

    // Started at the last file chosen: its folder, with the name box blank. A missing
    // file cannot be chosen; an existing one can.
    QStringList seen;
    QString warning;
    {
        Closer closer({look(&seen), typeAndAccept(QStringLiteral("missing.txt")),
                       [&](QWidget* modal) {
                           // Either Qt refuses with a message, or the Open button stayed disabled.
                           if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                               warning = box->text();
                               queueClick(box->button(QMessageBox::Ok));
                           }
                           return true;
                       },
                       typeAndAccept(QStringLiteral("names.txt"))});
        const QString chosen = prompter.chooseFileToOpen(&owner, kFilter, QStringLiteral("Select file to import..."),
                                                         dir.filePath(QStringLiteral("last.txt")));
        QCOMPARE(chosen, names);
        QVERIFY(closer.done());
    }
    const QString folder = QDir(dir.path()).absolutePath();
    // "*.*" stands for every file, with a dot in its name or not.
    QCOMPARE(seen, (QStringList{"Select file to import...", folder, "", "Text Files (*.txt)", "Text Files (*.txt)",
                                "All Files (*.*)", "All Files (*.*) (*)", "1"}));

    // Cancel gives "", and a start folder that is gone opens the nearest one above it.
    {
        Closer closer({look(&seen), cancel()});
        QCOMPARE(prompter.chooseFileToOpen(&owner, kFilter, QStringLiteral("t"),
                                           dir.filePath(QStringLiteral("gone/deeper/x.txt"))),
                 QString());
        QVERIFY(closer.done());
    }
    QCOMPARE(seen.value(1), folder);
}

void TestFileDialogs::saveDialog()
{
    TestHome home;
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("names.txt"));
    writeFile(existing);
    const QString fresh = dir.filePath(QStringLiteral("new.txt"));
    QWidget owner;
    QtPrompter prompter;

    // A new file: No to the create question keeps the dialog open; Yes returns the path.
    QStringList seen;
    QString first;
    QString second;
    {
        Closer closer({typeAndAccept(QStringLiteral("new.txt")), answerBox(QMessageBox::No, &first), look(&seen),
                       typeAndAccept(QStringLiteral("new.txt")), answerBox(QMessageBox::Yes, &second)});
        QCOMPARE(prompter.chooseFileToSave(&owner, kFilter, QStringLiteral("Select export file..."), dir.path()),
                 fresh);
        QVERIFY(closer.done());
    }
    QVERIFY(first.contains(QStringLiteral("create")));
    QVERIFY(second.contains(QStringLiteral("new.txt")));
    QCOMPARE(seen.value(0), QStringLiteral("Select export file..."));
    QCOMPARE(seen.value(7), QStringLiteral("0"));
    QVERIFY(!QFile::exists(fresh)); // the dialog only chooses

    // An existing file: the replace question, then the path.
    QString replace;
    {
        Closer closer({typeAndAccept(QStringLiteral("names.txt")), answerBox(QMessageBox::Yes, &replace)});
        QCOMPARE(prompter.chooseFileToSave(&owner, kFilter, QStringLiteral("Select export file..."), existing),
                 existing);
        QVERIFY(closer.done());
    }
    QVERIFY(replace.contains(QStringLiteral("already exists")));
}

void TestFileDialogs::savedNameFitsTheFilter_data()
{
    QTest::addColumn<int>("filter"); // 0: Text Files, 1: All Files
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing"); // a file there before, "" for none
    QTest::addColumn<QString>("chosen");   // asked to replace it when it is there, to create it otherwise
    const auto row = [](const char* name, int filter, const char* typed, const char* existing, const char* chosen) {
        QTest::newRow(name) << filter << QString::fromUtf8(typed) << QString::fromUtf8(existing)
                            << QString::fromUtf8(chosen);
    };
    row("text, no extension: .txt added", 0, "names", "", "names.txt");
    row("text, no extension, the .txt file there: replace it", 0, "names", "names.txt", "names.txt");
    row("text, no extension, a file without one there: still .txt", 0, "names", "names", "names.txt");
    row("text, .txt typed", 0, "names.txt", "", "names.txt");
    row("text, another extension kept", 0, "names.lst", "", "names.lst");
    row("all files: as typed", 1, "names", "", "names");
    row("all files, the file there: replace it", 1, "names", "names", "names");
    // A name is shown as typed, never read as markup, in our question and in Qt's.
    row("markup in a new name", 0, "<i>Ann", "", "<i>Ann.txt");
    row("markup in a name there", 0, "<b>Bob", "<b>Bob.txt", "<b>Bob.txt");
}

void TestFileDialogs::savedNameFitsTheFilter()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(QString, chosen);
    const QString question = existing == chosen ? QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                                : QStringLiteral("%1 does not exist.\nDo you want to create it?");
    TestHome home;
    QTemporaryDir dir;
    if (!existing.isEmpty())
        writeFile(dir.filePath(existing));
    QWidget owner;
    QtPrompter prompter;
    QString asked;
    Closer closer({chooseFilter(filter), typeAndAccept(typed), answerBox(QMessageBox::Yes, &asked)});
    QCOMPARE(prompter.chooseFileToSave(&owner, kFilter, QStringLiteral("Select export file..."), dir.path()),
             dir.filePath(chosen));
    QVERIFY(closer.done());
    QCOMPARE(asked, question.arg(chosen));
}

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
