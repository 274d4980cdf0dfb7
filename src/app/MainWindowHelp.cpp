#include "MainWindow.h"

#include "help/ContextHelp.h"
#include "help/HelpMessageDialog.h"

#include <QWhatsThis>

// The Help button: the help message (unless the user turned it off), then What's-This
// mode, in which the next click on a control shows its topic. Esc or a click where there
// is no topic leaves the mode.
void MainWindow::showHelp()
{
    if (m_settings.flag(SettingsKeys::ShowHelpMessage)) {
        HelpMessageDialog dialog(this, m_settings);
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
