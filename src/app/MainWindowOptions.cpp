#include "MainWindow.h"

#include "settings/OptionsDialog.h"

// The main window's Options button (and Esc there): the dialog, loaded afresh each time.
void MainWindow::showOptions()
{
    OptionsDialog dialog(this, *this, m_settings);
    dialog.exec();
}

void MainWindow::restoreRestColour()
{
    m_flashColour.reset();
    update();
}

void MainWindow::setEffects(bool shakyOn, bool flashyOn, bool soundOn)
{
    m_shaky = shakyOn;
    m_flashy = flashyOn;
    m_sound = soundOn;
}
