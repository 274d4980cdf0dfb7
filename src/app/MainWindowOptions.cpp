#include "MainWindow.h"

#include "settings/OptionsDialog.h"
#include "ui/BackColor.h"

#include <QFrame>
#include <QPushButton>

// The main window's Options button (and Esc there): the dialog, loaded afresh each time.
void MainWindow::showOptions()
{
    OptionsDialog dialog(this, *this, m_settings);
    dialog.exec();
}

void MainWindow::restoreRestColour()
{
    setBackColor(this, backColor(m_addButton));
    setBackColor(m_buttonPanel, backColor(m_addButton));
}

void MainWindow::setEffects(bool shakyOn, bool flashyOn, bool soundOn)
{
    m_shaky = shakyOn;
    m_flashy = flashyOn;
    m_sound = soundOn;
}
