#include "MainWindow.h"

#include "ListBox.h"
#include "files/NameListFiles.h"

// Import from File and Export to File.

void MainWindow::importList()
{
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.importList(nameList->ListCount() > 0, [this](const QStringList& names) {
        nameList->Clear();
        nameList->AddItems(names);
    });
}

void MainWindow::exportList()
{
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.exportList(nameList->names());
}
