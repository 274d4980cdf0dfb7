#include "MainWindow.h"

#include "about/AboutBox.h"

// The main window's About button: the box, loaded afresh each time.
void MainWindow::showAbout()
{
    AboutBox box(this, *m_services.launcher, *m_services.prompter);
    box.exec();
}
