#include "Form1.h"

#include "Form1Texts.h"
#include "ListBox.h"
#include "ui/Prompter.h"

#include <QPushButton>
#include <QTimer>

// Add, Remove, Clear and Exit, and the rule that enables the buttons that need names.

void Form1::Command1_Click()
{
    const QString name =
        m_services.prompter->InputBox(QStringLiteral("Enter a name to add to the list."), QStringLiteral("Add Name"));
    if (name.isEmpty())
        return;
    if (!List1->AddItem(name)) {
        m_services.prompter->MsgBox(QStringLiteral("The list is full. It can hold at most 32,767 names."),
                                    Prompter::vbExclamation, Form1Texts::Oops);
        return;
    }
    UpdateListExtent();
}

void Form1::Command3_Click()
{
    const int selected = List1->ListIndex();
    if (selected == -1) {
        m_services.prompter->MsgBox(QStringLiteral("A name must be selected to perform this action."),
                                    Prompter::vbExclamation, Form1Texts::Oops);
        return;
    }
    const QString prompt = QStringLiteral("Remove \"") + List1->List(selected) + QStringLiteral("\" from the list?");
    if (m_services.prompter->MsgBox(prompt, Prompter::vbYesNo | Prompter::vbQuestion, Form1Texts::PleaseConfirm) ==
        Prompter::IDYES)
        List1->RemoveItem(selected);
    UpdateListExtent();
}

void Form1::Command4_Click()
{
    if (m_services.prompter->MsgBox(QStringLiteral("This will erase all names in the list. Do you wish to continue?"),
                                    Prompter::vbYesNo | Prompter::vbQuestion,
                                    Form1Texts::PleaseConfirm) != Prompter::IDYES)
        return;
    List1->Clear();
    UpdateListExtent();
}

void Form1::Command5_Click()
{
    close();
}

void Form1::setTimer2Enabled(bool enabled)
{
    // Rather than ticking every millisecond, the rule runs once shortly after each
    // change of the list's count (see the countChanged connection) and on re-enabling.
    m_timer2Enabled = enabled;
    if (enabled)
        Timer2->start();
    else
        Timer2->stop();
}

void Form1::Timer2_Timer()
{
    const bool any = List1->ListCount() != 0;
    Command3->setEnabled(any);
    Command4->setEnabled(any);
    Command7->setEnabled(any);
    Command11->setEnabled(any);
}
