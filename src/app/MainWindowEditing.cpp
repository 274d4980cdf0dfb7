#include "MainWindow.h"

#include "ListBox.h"
#include "MainWindowTexts.h"
#include "files/NameListFiles.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

// Add, paste, Remove, Clear and Exit, and the rule that enables the buttons that need names.

void MainWindow::addName()
{
    const QString name = m_services.prompter->askText(tr("Add Name"), tr("Enter a name to add to the list."));
    if (name.isEmpty())
        return;
    if (!nameList->append(name)) {
        //: %1 is the largest number of names (32,767), written as numbers are in the language.
        m_services.prompter->tell(
            MainWindowTexts::oops(),
            tr("The list is full. It can hold at most %1 names.").arg(textLocale().toString(kMaxNames)),
            Prompter::Icon::Warning);
        return;
    }
}

void MainWindow::pasteNames()
{
    if (addButton->isEnabled())
        addNames(QGuiApplication::clipboard()->text());
}

void MainWindow::addNames(const QString& text)
{
    // Read as the import reads a file's lines, and added in one go: the extent and the
    // buttons follow once.
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.addNames(text, nameList->count(), [this](const QStringList& names) { nameList->append(names); });
}

void MainWindow::removeName()
{
    const int selected = nameList->currentRow();
    if (selected == -1) {
        m_services.prompter->tell(MainWindowTexts::oops(), tr("A name must be selected to perform this action."),
                                  Prompter::Icon::Warning);
        return;
    }
    //: %1 is the selected name.
    const QString prompt = tr("Remove \"%1\" from the list?").arg(nameList->nameAt(selected));
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), prompt, Prompter::Icon::Question) ==
        Prompter::Answer::Yes)
        nameList->removeAt(selected);
}

void MainWindow::clearNames()
{
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(),
                                      tr("This will erase all names in the list. Do you wish to continue?"),
                                      Prompter::Icon::Question) != Prompter::Answer::Yes)
        return;
    nameList->clear();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::setEnableTimerActive(bool enabled)
{
    // Rather than ticking every millisecond, the rule runs once shortly after each
    // change of the list's count (see the countChanged connection) and on re-enabling.
    m_enableTimerActive = enabled;
    if (enabled)
        enableTimer->start();
    else
        enableTimer->stop();
}

void MainWindow::enableButtons()
{
    const bool any = nameList->count() != 0;
    removeButton->setEnabled(any);
    clearButton->setEnabled(any);
    printButton->setEnabled(any);
    exportButton->setEnabled(any);
}
