#include "Form1.h"

#include "ListBox.h"
#include "files/NameListFiles.h"

// Import from File and Export to File.

void Form1::Command10_Click()
{
    NameListFiles files(*m_services.prompter, this, regset, m_services.appPath);
    files.importList(List1->ListCount() > 0, [this](const QStringList& names) {
        List1->Clear();
        List1->AddItems(names);
        UpdateListExtent();
    });
}

void Form1::Command11_Click()
{
    QStringList names;
    const int count = List1->ListCount();
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names.append(List1->List(i));
    NameListFiles files(*m_services.prompter, this, regset, m_services.appPath);
    files.exportList(names);
}
