#include "Form1.h"

#include "Form1Texts.h"
#include "ListBox.h"
#include "draw/RandomSource.h"
#include "print/TextBox.h"
#include "settings/RegistryApi.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredNames.h"
#include "ui/BackColor.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <chrono>
#include <utility>

namespace {

constexpr float kDesignClientWidth = 4830;
constexpr float kDesignClientHeight = 3990;

} // namespace

Form1::Form1(const Form1Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), regset(services.registry ? services.registry : CRegSettings::userStore())
{
    setWindowTitle(Form1Texts::Caption);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/" NIMBREL_APP_ID ".png").arg(size));
    setWindowIcon(icon);
    setFont(designFont(8.25, false));
    // What's-This help is on for this window; each control carries its topic number.
    setProperty("WhatsThisHelp", true);
    createControls();

    // The window's background starts as the button face, which is the rest colour the
    // flashing cycles from and returns to.
    setBackColor(this, backColor(Command1));
    setBackColor(Picture1, backColor(Command1));

    resize(twipsToPixels(kDesignClientWidth), twipsToPixels(kDesignClientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
}

Form1::~Form1()
{
    delete Text1;
    delete List2;
}

void Form1::createControls()
{
    auto button = [](const QString& caption, QWidget* parent, const char* name, int helpId) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true); // Enter presses the button that has the focus
        b->setProperty("WhatsThisHelpID", helpId);
        return b;
    };

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Buttons"));
    m_picture1 = {3390, 120, 1365, 3975};

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);

    // Text1 and List2 are never shown; without a parent they are not offered to assistive
    // technology as parts of the window. The window deletes them.
    Text1 = new TextBox;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setText(QStringLiteral("Text1"));
    Text1->setFont(designFont(13.5, true));
    placeInTwips(Text1, {990, 68, 825, 795});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    List2 = new QListWidget;
    List2->setObjectName(QStringLiteral("List2"));
    placeInTwips(List2, {750, 878, 735, 1230});
    List2->setVisible(false);

    Command2 = button(Form1Texts::Shuffle, this, "Command2", 2);
    Command2->setDefault(true);
    Command2->setFont(designFont(9.75, true));
    m_command2 = {90, 3240, 3225, 735};

    List1 = new ListBox(designFont(9.75, true), this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Names"));
    List1->setProperty("WhatsThisHelpID", 1);
    m_list1 = {90, 120, 3195, 3030};
    connect(List1, &ListBox::countChanged, this, [this] {
        if (m_timer2Enabled)
            Timer2->start();
    });

    // The side buttons, top to bottom.
    struct Side
    {
        QPushButton** control;
        const char* name;
        const char* caption;
        float top;
        int helpId;
    };
    const Side sides[] = {
        {&Command1, "Command1", "Add Name", 0, 3},
        {&Command3, "Command3", "Remove Name", 390, 4},
        {&Command10, "Command10", "Import from File", 780, 11},
        {&Command11, "Command11", "Export to File", 1170, 12},
        {&Command4, "Command4", "Clear All Names", 1545, 5},
        {&Command7, "Command7", "Print List", 1935, 6},
        {&Command9, "Command9", "Options", 2325, 7},
        {&Command6, "Command6", "Help", 2715, 8},
        {&Command8, "Command8", "About", 3105, 9},
        {&Command5, "Command5", "Exit", 3495, 10},
    };
    for (const Side& side : sides) {
        *side.control = button(QString::fromLatin1(side.caption), Picture1, side.name, side.helpId);
        placeInTwips(*side.control, {0, side.top, 1305, 345});
    }
    Command10->setProperty("HelpContextID", 12);
    Command11->setProperty("HelpContextID", 11);

    // Keyboard order: the list, Shuffle, then the column from Export up to Add Name.
    QWidget* const tabOrder[] = {List1,    Command2, Command11, Command10, Command9, Command8,
                                 Command7, Command6, Command5,  Command4,  Command3, Command1};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    // Delete is a click on Remove: nothing while Remove is disabled (an empty list, a shuffle).
    connect(List1, &ListBox::deletePressed, Command3, &QPushButton::click);

    placeInTwips(List1, m_list1);
    placeInTwips(Picture1, m_picture1);
    placeInTwips(Command2, m_command2);
}

float Form1::Left() const
{
    // The remembered twips stand unless the window was moved by other means since.
    if (m_leftTwips >= 0 && twipsToPixels(m_leftTwips) == x())
        return m_leftTwips;
    return float(x()) * kTwipsPerPixel;
}

void Form1::setLeft(float twips)
{
    m_leftTwips = twips;
    move(twipsToPixels(twips), y());
}

// Start-up and shut-down.

QByteArray Form1::ReadFileData(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    qsizetype first = 0;
    qsizetype last = data.size();
    while (first < last && data[first] == ' ')
        ++first;
    while (last > first && data[last - 1] == ' ')
        --last;
    return data.mid(first, last - first);
}

void Form1::Form_Load()
{
    using namespace SettingsKeys;

    m_services.random->randomize();

    QString folder = m_services.appPath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    m_wavdata = ReadFileData(folder + QStringLiteral("shuffle.wav"));

    regset.setCompany(Company);
    regset.setAppName(AppName);
    // Opening the store moves a damaged one aside; the user hears of it once the window is up.
    m_damagedCopy = regset.takeDamagedCopy();

    auto readFlag = [this](const Key& key) {
        return flagIsOn(regset.GetSetting(key.section, key.key, key.defaultValue), key.defaultValue);
    };
    flashy = readFlag(FlashyColorThing);
    shaky = readFlag(ShakyWindowThing);
    sound = readFlag(Sound);
    savenms = readFlag(SaveNames);

    if (savenms) {
        const QStringList names = storedNamesInOrder(regset.GetAllSettings(NamesSection));
        if (!names.isEmpty()) {
            List1->AddItems(names);
            UpdateListExtent();
        }
    }

    m_helpFile = folder + QStringLiteral("nimbrel.hlp");
    loadHelpTopics();

    // The enabling rule brings the list buttons into line right after start-up.
    setTimer2Enabled(true);
}

void Form1::Form_Unload()
{
    Timer1->stop();
    setTimer2Enabled(false);

    QString failure;
    {
        // The save may wait for another copy that holds the store.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        failure = saveNames();
        QGuiApplication::restoreOverrideCursor();
    }
    if (!failure.isEmpty())
        m_services.prompter->MsgBox(Form1Texts::NotSaved.arg(failure, regset.location()), Prompter::vbExclamation,
                                    Form1Texts::Oops);
}

bool Form1::SaveNamesNow()
{
    return m_unloaded || saveNames().isEmpty();
}

QString Form1::saveNames()
{
    using namespace SettingsKeys;
    // Another copy of the program may hold the store for a moment; wait for it rather
    // than lose the list.
    constexpr std::chrono::seconds kPatience(30);

    auto reason = [](long result) {
        switch (result) {
        case RegistryApi::Busy:
            return Form1Texts::StoreBusy;
        case RegistryApi::AccessDenied:
            return Form1Texts::StoreReadOnly;
        case RegistryApi::DiskFull:
            return Form1Texts::DiskFull;
        default:
            return Form1Texts::StoreFailed;
        }
    };

    // One batch, committed only when every name was written: the stored list is either
    // the old one or the new one, never a mix. Leaving the batch uncommitted rolls it back.
    CRegSettings::Batch batch = regset.beginBatch(kPatience);
    if (!batch.isOpen())
        return reason(batch.result());
    // A first run has no section to delete.
    if (!regset.DeleteSetting(NamesSection, QString()) && regset.lastError() != RegistryApi::FileNotFound)
        return reason(regset.lastError());
    QList<CRegSettings::Row> rows;
    const int count = List1->ListCount();
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.append({nameKey(i), List1->List(i)});
    if (!regset.SaveSettings(NamesSection, rows))
        return reason(regset.lastError());
    if (!batch.commit())
        return reason(batch.result());
    return {};
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_damagedCopy.isEmpty())
        return;
    // Told once, when the window is up.
    QTimer::singleShot(0, this, [this, copy = std::exchange(m_damagedCopy, QString())] {
        m_services.prompter->MsgBox(Form1Texts::StoreDamaged.arg(copy), Prompter::vbExclamation, Form1Texts::Oops);
    });
}

// Layout.

void Form1::Form_Resize()
{
    m_maxmin = isMinimized() || isMaximized();
    if (isMinimized())
        return;

    const MainLayout layout = layOutMainWindow(float(width()) * kTwipsPerPixel, float(height()) * kTwipsPerPixel,
                                               m_list1, m_picture1.width, m_command2.height);
    m_list1 = layout.list;
    placeInTwips(List1, m_list1);
    m_picture1.left = layout.pictureLeft;
    m_picture1.top = layout.pictureTop;
    placeInTwips(Picture1, m_picture1);
    m_command2.left = layout.shuffleLeft;
    m_command2.top = layout.shuffleTop;
    m_command2.width = layout.shuffleWidth;
    placeInTwips(Command2, m_command2);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::UpdateListExtent()
{
    // Widths were measured in the list's own font when the names were added.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, List1);
    List1->setHorizontalExtent(List1->ListCount() > 0 ? List1->widestItemWidth() + scrollBar : 0);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button, Esc the cancel button, wherever the focus is
    // (a focused button takes Enter itself).
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command2->click();
        return;
    case Qt::Key_Escape:
        Command9->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
