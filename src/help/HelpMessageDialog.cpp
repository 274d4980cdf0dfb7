#include "HelpMessageDialog.h"

#include "settings/Settings.h"
#include "ui/CaptionFit.h"
#include "ui/DesignStyle.h"
#include "ui/DesignUnits.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

HelpMessageDialog::HelpMessageDialog(QWidget* owner, Settings& settings)
    : QDialog(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("HelpMessageDialog"));
    //: Title of the small window shown before the help mode starts.
    setWindowTitle(tr("Help"));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(2775), twipsToPixels(1995));

    messageLabel =
        new QLabel(tr("Now click on any area of the program interface for help on that particular feature."), this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setTextFormat(Qt::PlainText); // a translation's "<" is a character, not markup
    messageLabel->setWordWrap(true);
    messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(messageLabel, {270, 180, 2235, 825});

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    placeInTwips(okButton, {735, 1440, 1305, 435});

    //: Check box: whether this message comes again the next time Help is pressed.
    showAgainBox = new QCheckBox(tr("Show this message every time"), this);
    showAgainBox->setObjectName(QStringLiteral("showAgainBox"));
    showAgainBox->setChecked(true);
    DesignStyle::apply(showAgainBox);
    placeInTwips(showAgainBox, {135, 1080, 2505, 195});
    fitCaptions(this);

    setTabOrder(okButton, showAgainBox);
    connect(okButton, &QPushButton::clicked, this, &HelpMessageDialog::ok);

    load();
}

void HelpMessageDialog::load()
{
    showAgainBox->setChecked(m_settings.flag(SettingsKeys::ShowHelpMessage));
}

void HelpMessageDialog::ok()
{
    accept();
}

void HelpMessageDialog::storeShowAgain()
{
    m_settings.setFlag(SettingsKeys::ShowHelpMessage, showAgainBox->isChecked());
}

void HelpMessageDialog::done(int result)
{
    storeShowAgain();
    QDialog::done(result);
}

void HelpMessageDialog::keyPressEvent(QKeyEvent* event)
{
    // OK is the cancel button too: Esc presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        okButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
