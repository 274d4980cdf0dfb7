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
        updateListExtent();
    });
}

void MainWindow::exportList()
{
    QStringList names;
    const int count = nameList->ListCount();
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names.append(nameList->List(i));
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.exportList(names);
}
