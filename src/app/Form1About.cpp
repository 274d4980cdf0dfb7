#include "Form1.h"

#include "about/FrmAbt.h"

// The main window's About button: the box, loaded afresh each time.
void Form1::Command8_Click()
{
    FrmAbt box(this, *m_services.launcher, *m_services.prompter);
    box.exec();
}
