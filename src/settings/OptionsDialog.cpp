#include "OptionsDialog.h"

#include "Settings.h"
#include "settings/StoreTexts.h"
#include "ui/CaptionFit.h"
#include "ui/DesignStyle.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include <utility>

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent, const TwipsRect& at)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    DesignStyle::apply(box);
    placeInTwips(box, at);
    return box;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* owner, Settings& settings, Prompter& prompter)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_settings(settings), m_prompter(prompter)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    //: Title of the Options window.
    setWindowTitle(tr("Options"));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(3390), twipsToPixels(2145));

    //: Heading of the three check boxes below it.
    effectsGroup = new QGroupBox(tr("Special Effects While Shuffling:"), this);
    effectsGroup->setObjectName(QStringLiteral("effectsGroup"));
    DesignStyle::apply(effectsGroup);
    placeInTwips(effectsGroup, {90, 60, 3195, 1125});
    //: Check box: the window flashes colours while the names are shuffled.
    flashBox = checkBox("flashBox", tr("Flash different colors"), effectsGroup, {150, 240, 2775, 195});
    //: Check box: the window shakes while the names are shuffled.
    shakeBox = checkBox("shakeBox", tr("Shake window"), effectsGroup, {150, 510, 2865, 195});
    //: Check box: a sound plays while the names are shuffled.
    soundBox = checkBox("soundBox", tr("Play sound"), effectsGroup, {150, 780, 2655, 195});
    //: Check box: the list comes back the next time the program starts.
    rememberBox = checkBox("rememberBox", tr("Remember name list between sessions."), this, {120, 1230, 3165, 315});

    //: Button: keeps the choices and closes the window.
    saveButton = new QPushButton(tr("Save"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    placeInTwips(saveButton, {743, 1650, 915, 435});
    //: Button: closes the window without keeping the choices.
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    placeInTwips(cancelButton, {1733, 1650, 915, 435});

    setTabOrder(flashBox, shakeBox);
    setTabOrder(shakeBox, soundBox);
    setTabOrder(soundBox, rememberBox);
    setTabOrder(rememberBox, saveButton);
    setTabOrder(saveButton, cancelButton);

    fitCaptions(this);

    connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    // Esc and the close box end the dialog the same way: nothing is stored.
    connect(cancelButton, &QPushButton::clicked, this, &OptionsDialog::cancel);

    load();
}

void OptionsDialog::load()
{
    using namespace SettingsKeys;
    flashBox->setChecked(m_settings.flag(Flash));
    rememberBox->setChecked(m_settings.flag(SaveNames));
    shakeBox->setChecked(m_settings.flag(Shake));
    soundBox->setChecked(m_settings.flag(Sound));
}

void OptionsDialog::save()
{
    using namespace SettingsKeys;
    const std::pair<const Key*, QCheckBox*> choices[] = {
        {&Flash, flashBox}, {&Shake, shakeBox}, {&Sound, soundBox}, {&SaveNames, rememberBox}};
    StoreStatus failure = StoreStatus::Ok;
    for (const auto& [key, box] : choices) {
        StoreStatus status = StoreStatus::Ok;
        m_settings.setFlag(*key, box->isChecked(), &status);
        if (failure == StoreStatus::Ok)
            failure = status; // the first failure tells why
    }
    // A choice that is not stored would be gone at the next start without a word.
    if (failure != StoreStatus::Ok)
        m_prompter.tell(StoreTexts::oops(),
                        StoreTexts::storeNotKept().arg(StoreTexts::failureReason(failure, m_settings.fileInTheWay()),
                                                       m_settings.location()),
                        Prompter::Icon::Warning);
    accept();
}

void OptionsDialog::cancel()
{
    reject();
}
