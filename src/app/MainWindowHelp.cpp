#include "MainWindow.h"

#include "help/ContextHelp.h"
#include "help/HelpMessageDialog.h"
#include "settings/SettingsKeys.h"

#include <QWhatsThis>

// The Help button: the help message (unless the user turned it off), then What's-This
// mode, in which the next click on a control shows its topic. Esc or a click where there
// is no topic leaves the mode.
void MainWindow::showHelp()
{
    using namespace SettingsKeys;
    if (flagIsOn(m_settings.GetSetting(ShowHelpMessage.section, ShowHelpMessage.key, ShowHelpMessage.defaultValue),
                 ShowHelpMessage.defaultValue)) {
        HelpMessageDialog dialog(this, m_services.registry);
        dialog.exec();
    }
    // A help file put in place (or mended) since start-up counts from now on.
    loadHelpTopics();
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::loadHelpTopics()
{
    if (!m_contextHelp)
        m_contextHelp = new ContextHelp(this);
    m_contextHelp->load(m_helpFile);
}
