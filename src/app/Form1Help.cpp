#include "Form1.h"

#include "help/ContextHelp.h"
#include "help/Form3.h"
#include "settings/SettingsKeys.h"

#include <QWhatsThis>

// The Help button: the help message (unless the user turned it off), then What's-This
// mode, in which the next click on a control shows its topic. Esc or a click where there
// is no topic leaves the mode.
void Form1::Command6_Click()
{
    using namespace SettingsKeys;
    if (flagIsOn(regset.GetSetting(ShowHelpMessage.section, ShowHelpMessage.key, ShowHelpMessage.defaultValue),
                 ShowHelpMessage.defaultValue)) {
        Form3 dialog(this, m_services.registry);
        dialog.exec();
    }
    // A help file put in place (or mended) since start-up counts from now on.
    loadHelpTopics();
    QWhatsThis::enterWhatsThisMode();
}

void Form1::loadHelpTopics()
{
    if (!m_contextHelp)
        m_contextHelp = new ContextHelp(this);
    m_contextHelp->load(m_helpFile);
}
