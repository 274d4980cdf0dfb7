#include "MainWindow.h"

#include "ListBox.h"
#include "MainWindowTexts.h"
#include "files/NameListFiles.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

// Add, paste, Remove, Clear and Exit, and the rule that enables the buttons: by the shuffle
// state, and for those that need names, by the list's count.

void MainWindow::addName()
{
    const QString name = m_services.prompter->askText(tr("Add Name"), tr("Enter a name to add to the list."));
    if (name.isEmpty())
        return;
    if (m_history->append({name}) == 0) {
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  MainWindowTexts::listFull().arg(textLocale().toString(kMaxNames)),
                                  Prompter::Icon::Warning);
        return;
    }
}

void MainWindow::pasteNames()
{
    if (m_addButton->isEnabled())
        addNames(QGuiApplication::clipboard()->text());
}

void MainWindow::addNames(const QString& text)
{
    // Read as the import reads a file's lines, and added in one go: the extent and the
    // buttons follow once.
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.addNames(text, m_nameList->count(), [this](const QStringList& names) { m_history->append(names); });
}

void MainWindow::removeName()
{
    const int selected = m_nameList->currentRow();
    if (selected == -1) {
        m_services.prompter->tell(MainWindowTexts::oops(), tr("A name must be selected to perform this action."),
                                  Prompter::Icon::Warning);
        return;
    }
    //: %1 is the selected name.
    const QString prompt = tr("Remove \"%1\" from the list?").arg(m_nameList->nameAt(selected));
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), prompt, Prompter::Icon::Question) ==
        Prompter::Answer::Yes)
        m_history->removeAt(selected);
}

void MainWindow::clearNames()
{
    // The names set aside go too, and the question says so.
    const int setAside = int(m_history->setAside().size());
    QString question = tr("This will erase all names in the list. Do you wish to continue?");
    if (setAside > 0)
        //: %n is the number of names set aside from the list (the plural form's number).
        question = tr("This will erase all names in the list, and the %n set-aside names. Do you wish to continue?",
                      nullptr, setAside);
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), question, Prompter::Icon::Question) !=
        Prompter::Answer::Yes)
        return;
    m_history->replace({}, true);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::enableButtons()
{
    const bool shuffling = isShuffling();
    m_shuffleButton->setText(shuffling ? MainWindowTexts::stop() : MainWindowTexts::shuffle());
    // Nothing changes or uses the list while it is being shuffled.
    m_addButton->setEnabled(!shuffling);
    m_importButton->setEnabled(!shuffling);
    const bool any = !shuffling && m_nameList->count() != 0;
    m_removeButton->setEnabled(any);
    m_clearButton->setEnabled(any);
    m_printButton->setEnabled(any);
    m_exportButton->setEnabled(any);
    // The list's menu follows the same rule.
    m_showDrawAction->setEnabled(any);
    m_setAsideAction->setEnabled(any);
    const int setAside = int(m_history->setAside().size());
    m_bringBackAction->setEnabled(!shuffling && setAside > 0);
    if (setAside > 0)
        //: List menu: puts the %n names set aside back at the end of the list.
        m_bringBackAction->setText(tr("Bring Back %n Set-Aside Names", nullptr, setAside));
    else
        //: List menu, when no name is set aside (disabled).
        m_bringBackAction->setText(tr("Bring Back Set-Aside Names"));
    m_undoAction->setEnabled(!shuffling && m_history->canUndo());
    m_redoAction->setEnabled(!shuffling && m_history->canRedo());
}
