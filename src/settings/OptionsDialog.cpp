#include "OptionsDialog.h"

#include "settings/SettingsKeys.h"
#include "ui/CaptionFit.h"
#include "ui/DesignStyle.h"
#include "ui/DesignUnits.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace {

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent, const TwipsRect& at)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    DesignStyle::apply(box);
    placeInTwips(box, at);
    return box;
}

void setChecked(QCheckBox* box, const SettingsKeys::Key& key, Settings& store)
{
    box->setChecked(SettingsKeys::flagIsOn(store.GetSetting(key.section, key.key, key.defaultValue), key.defaultValue));
}

void storeChecked(const QCheckBox* box, const SettingsKeys::Key& key, Settings& store)
{
    store.SaveSetting(key.section, key.key, SettingsKeys::flagText(box->isChecked()));
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* owner, EffectSwitches& window)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_window(window)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(3390), twipsToPixels(2145));

    effectsGroup = new QGroupBox(QStringLiteral("Special Effects While Shuffling:"), this);
    effectsGroup->setObjectName(QStringLiteral("effectsGroup"));
    DesignStyle::apply(effectsGroup);
    placeInTwips(effectsGroup, {90, 60, 3195, 1125});
    flashBox = checkBox("flashBox", "Flash different colors", effectsGroup, {150, 240, 2775, 195});
    shakeBox = checkBox("shakeBox", "Shake window", effectsGroup, {150, 510, 2865, 195});
    soundBox = checkBox("soundBox", "Play sound", effectsGroup, {150, 780, 2655, 195});
    rememberBox = checkBox("rememberBox", "Remember name list between sessions.", this, {120, 1230, 3165, 315});

    saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    placeInTwips(saveButton, {743, 1650, 915, 435});
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
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
    m_settings.setCompany(Company);
    m_settings.setAppName(AppName);
    setChecked(flashBox, FlashyColorThing, m_settings);
    setChecked(rememberBox, SaveNames, m_settings);
    setChecked(shakeBox, ShakyWindowThing, m_settings);
    setChecked(soundBox, Sound, m_settings);
}

void OptionsDialog::save()
{
    using namespace SettingsKeys;
    storeChecked(flashBox, FlashyColorThing, m_settings);
    storeChecked(shakeBox, ShakyWindowThing, m_settings);
    storeChecked(soundBox, Sound, m_settings);
    storeChecked(rememberBox, SaveNames, m_settings);

    // No flash colour may stay on screen once flashing is off.
    if (!flashBox->isChecked())
        m_window.restoreRestColour();

    m_window.setEffects(shakeBox->isChecked(), flashBox->isChecked(), soundBox->isChecked());
    accept();
}

void OptionsDialog::cancel()
{
    reject();
}
