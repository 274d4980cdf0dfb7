#include "Form3.h"

#include "settings/SettingsKeys.h"
#include "ui/DesignUnits.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

Form3::Form3(QWidget* owner, std::shared_ptr<RegistryApi> registry)
    : QDialog(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      regset(registry ? std::move(registry) : CRegSettings::userStore())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Help"));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(2775), twipsToPixels(1995));

    Label1 = new QLabel(
        QStringLiteral("Now click on any area of the program interface for help on that particular feature."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(Label1, {270, 180, 2235, 825});

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeInTwips(Command1, {735, 1440, 1305, 435});

    Check1 = new QCheckBox(QStringLiteral("Show this message every time"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    placeInTwips(Check1, {135, 1080, 2505, 195});
    // Faces differ a little from the design face: rather than clip the caption, let the
    // box reach into the room left of the dialog's right edge.
    if (Check1->sizeHint().width() > Check1->width())
        Check1->resize(std::min(Check1->sizeHint().width(), width() - Check1->x() - 2), Check1->height());

    setTabOrder(Command1, Check1);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    Form_Load();
}

void Form3::Form_Load()
{
    using namespace SettingsKeys;
    regset.setCompany(Company);
    regset.setAppName(AppName);
    Check1->setChecked(
        flagIsOn(regset.GetSetting(ShowHelpMessage.section, ShowHelpMessage.key, ShowHelpMessage.defaultValue),
                 ShowHelpMessage.defaultValue));
}

void Form3::Command1_Click()
{
    accept();
}

void Form3::Form_QueryUnload()
{
    using namespace SettingsKeys;
    regset.SaveSetting(ShowHelpMessage.section, ShowHelpMessage.key, flagText(Check1->isChecked()));
}

void Form3::done(int result)
{
    Form_QueryUnload();
    QDialog::done(result);
}

void Form3::keyPressEvent(QKeyEvent* event)
{
    // OK is the cancel button too: Esc presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
