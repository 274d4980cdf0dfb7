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
    if (!m_nameList->append(name)) {
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
    if (m_addButton->isEnabled())
        addNames(QGuiApplication::clipboard()->text());
}

void MainWindow::addNames(const QString& text)
{
    // Read as the import reads a file's lines, and added in one go: the extent and the
    // buttons follow once.
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.addNames(text, m_nameList->count(), [this](const QStringList& names) { m_nameList->append(names); });
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
        m_nameList->removeAt(selected);
}

void MainWindow::clearNames()
{
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(),
                                      tr("This will erase all names in the list. Do you wish to continue?"),
                                      Prompter::Icon::Question) != Prompter::Answer::Yes)
        return;
    m_nameList->clear();
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
}
