#include "Form2.h"

#include "settings/SettingsKeys.h"
#include "ui/DesignUnits.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

namespace {

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent, const TwipsRect& at)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    placeInTwips(box, at);
    // Faces differ a little from the one the dialog was drawn with: rather than clip a
    // caption, let its box reach into the room left of the parent's right edge.
    const int room = parent->width() - box->x() - 2;
    if (box->sizeHint().width() > box->width())
        box->resize(std::min(box->sizeHint().width(), std::max(room, box->width())), box->height());
    return box;
}

void setChecked(QCheckBox* box, const SettingsKeys::Key& key, CRegSettings& store)
{
    box->setChecked(SettingsKeys::flagIsOn(store.GetSetting(key.section, key.key, key.defaultValue), key.defaultValue));
}

void save(const QCheckBox* box, const SettingsKeys::Key& key, CRegSettings& store)
{
    store.SaveSetting(key.section, key.key, SettingsKeys::flagText(box->isChecked()));
}

} // namespace

Form2::Form2(QWidget* owner, EffectSwitches& window)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_window(window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(3390), twipsToPixels(2145));

    Frame1 = new QGroupBox(QStringLiteral("Special Effects While Shuffling:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeInTwips(Frame1, {90, 60, 3195, 1125});
    Check1 = checkBox("Check1", "Flash different colors", Frame1, {150, 240, 2775, 195});
    Check3 = checkBox("Check3", "Shake window", Frame1, {150, 510, 2865, 195});
    Check4 = checkBox("Check4", "Play sound", Frame1, {150, 780, 2655, 195});
    Check2 = checkBox("Check2", "Remember name list between sessions.", this, {120, 1230, 3165, 315});

    Command1 = new QPushButton(QStringLiteral("Save"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeInTwips(Command1, {743, 1650, 915, 435});
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeInTwips(Command2, {1733, 1650, 915, 435});

    setTabOrder(Check1, Check3);
    setTabOrder(Check3, Check4);
    setTabOrder(Check4, Check2);
    setTabOrder(Check2, Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    // Esc and the close box end the dialog the same way: nothing is stored.
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    Form_Load();
}

void Form2::Form_Load()
{
    using namespace SettingsKeys;
    regset.setCompany(Company);
    regset.setAppName(AppName);
    setChecked(Check1, FlashyColorThing, regset);
    setChecked(Check2, SaveNames, regset);
    setChecked(Check3, ShakyWindowThing, regset);
    setChecked(Check4, Sound, regset);
}

void Form2::Command1_Click()
{
    using namespace SettingsKeys;
    save(Check1, FlashyColorThing, regset);
    save(Check3, ShakyWindowThing, regset);
    save(Check4, Sound, regset);
    save(Check2, SaveNames, regset);

    // No flash colour may stay on screen once flashing is off.
    if (!Check1->isChecked())
        m_window.restoreRestColour();

    m_window.setEffects(Check3->isChecked(), Check1->isChecked(), Check4->isChecked());
    accept();
}

void Form2::Command2_Click()
{
    reject();
}
