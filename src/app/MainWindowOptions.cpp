#include "MainWindow.h"

#include "settings/OptionsDialog.h"

// The main window's Options button (and Esc there): the dialog, loaded afresh each time.
void MainWindow::showOptions()
{
    OptionsDialog dialog(this, m_settings, *m_services.prompter);
    dialog.exec();
}

void MainWindow::restoreRestColour()
{
    m_flashColour.reset();
    update();
}

// The effects follow what is stored, whoever stored it (Options, or the shuffle switching
// off a sound that cannot play).
void MainWindow::settingChanged(const QString& key)
{
    using namespace SettingsKeys;
    if (key != Flash.key && key != Shake.key && key != Sound.key)
        return;
    m_shaky = m_settings.flag(Shake);
    m_flashy = m_settings.flag(Flash);
    m_sound = m_settings.flag(Sound);
    // No flash colour may stay on screen once flashing is off.
    if (key == Flash.key && !m_flashy)
        restoreRestColour();
}
