#include "MainWindow.h"

#include "DrawView.h"
#include "ListBox.h"
#include "MainWindowTexts.h"
#include "Translation.h"
#include "draw/FreshSeed.h"
#include "draw/RandomSource.h"
#include "history/DrawHistory.h"
#include "ui/BackColor.h"
#include "ui/CaptionFit.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

constexpr float kDesignClientWidth = 4830;
constexpr float kDesignClientHeight = 3990;

// The help file in the program's language (nimbrel.de.hlp for "de" or "de_AT"), or the
// English one when there is none.
QString helpFileFor(const QString& folder, const QString& language)
{
    for (const QString& name : language.isEmpty() ? QStringList() : Translation::fallbacks(language)) {
        const QString path = folder + QStringLiteral("nimbrel.") + name + QStringLiteral(".hlp");
        if (QFileInfo::exists(path))
            return path;
    }
    return folder + QStringLiteral("nimbrel.hlp");
}

} // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_settings(*services.settings),
      m_drawHistory(std::make_unique<DrawHistory>(*services.settings))
{
    setWindowTitle(MainWindowTexts::Caption);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/" NIMBREL_APP_ID ".png").arg(size));
    setWindowIcon(icon);
    setFont(designFont(8.25, false));
    // What's-This help is on for this window; each control carries its topic number.
    setProperty("WhatsThisHelp", true);
    createControls();
    connect(&m_settings, &Settings::changed, this, &MainWindow::settingChanged);

    // The window paints its background itself, in the flash colour or the rest colour (see
    // paintEvent), and the button panel lets it show through. What the controls draw in the
    // window's colour (frames, the scroll bars' troughs) takes the rest colour.
    QPalette restPalette = palette();
    restPalette.setColor(backgroundRole(), restColour());
    setPalette(restPalette);
    setAttribute(Qt::WA_OpaquePaintEvent);

    resize(twipsToPixels(kDesignClientWidth), twipsToPixels(kDesignClientHeight));
    // Laid out for that size now, not only when it is shown: right to left, the controls
    // were placed from the right edge of the size the window had before.
    layOut();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    load();
}

MainWindow::~MainWindow()
{
    delete m_drawView;
}

void MainWindow::createControls()
{
    auto button = [](const QString& caption, QWidget* parent, const char* name, int helpId) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true); // Enter presses the button that has the focus
        b->setProperty("WhatsThisHelpID", helpId);
        return b;
    };

    m_buttonPanel = new QFrame(this);
    m_buttonPanel->setObjectName(QStringLiteral("buttonPanel"));
    //: What a screen reader calls the column of buttons beside the list.
    m_buttonPanel->setAccessibleName(tr("Buttons"));
    m_buttonPanelBounds = {3390, 120, 1365, 3975};
    // Sized before the buttons go in: right to left they are placed from its right edge.
    placeInTwips(m_buttonPanel, m_buttonPanelBounds);

    m_shuffleTimer = new QTimer(this);
    m_shuffleTimer->setObjectName(QStringLiteral("shuffleTimer"));
    m_shuffleTimer->setInterval(10);
    m_shuffleTimer->setTimerType(Qt::PreciseTimer);
    connect(m_shuffleTimer, &QTimer::timeout, this, &MainWindow::shuffleTick);

    m_shuffleButton = button(MainWindowTexts::shuffle(), this, "shuffleButton", 2);
    m_shuffleButton->setDefault(true);
    m_shuffleButton->setFont(designFont(9.75, true));
    m_shuffleButtonBounds = {90, 3240, 3225, 735};

    m_nameList = new ListBox(designFont(9.75, true), this);
    m_nameList->setObjectName(QStringLiteral("nameList"));
    //: What a screen reader calls the list of names.
    m_nameList->setAccessibleName(tr("Names"));
    m_nameList->setProperty("WhatsThisHelpID", 1);
    m_nameListBounds = {90, 120, 3195, 3030};
    connect(m_nameList, &ListBox::countChanged, this, &MainWindow::enableButtons);

    // The side buttons, top to bottom. Their captions must fit buttons of 87 x 23 pixels.
    struct Side
    {
        QPushButton** control;
        const char* name;
        const char* caption;
        float top;
        int helpId;
    };
    const Side sides[] = {
        //: Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.
        {&m_addButton, "addButton", QT_TR_NOOP("Add Name"), 0, 3},
        //: Side button (small): removes the selected name.
        {&m_removeButton, "removeButton", QT_TR_NOOP("Remove Name"), 390, 4},
        //: Side button (small): replaces the list with the names in a text file.
        {&m_importButton, "importButton", QT_TR_NOOP("Import from File"), 780, 11},
        //: Side button (small): saves the list to a text file.
        {&m_exportButton, "exportButton", QT_TR_NOOP("Export to File"), 1170, 12},
        //: Side button (small): removes every name.
        {&m_clearButton, "clearButton", QT_TR_NOOP("Clear All Names"), 1545, 5},
        //: Side button (small): prints the list.
        {&m_printButton, "printButton", QT_TR_NOOP("Print List"), 1935, 6},
        //: Side button (small): opens the Options window.
        {&m_optionsButton, "optionsButton", QT_TR_NOOP("Options"), 2325, 7},
        //: Side button (small): starts the help mode (click a part of the window to learn about it).
        {&m_helpButton, "helpButton", QT_TR_NOOP("Help"), 2715, 8},
        //: Side button (small): opens the About box (version, maker).
        {&m_aboutButton, "aboutButton", QT_TR_NOOP("About"), 3105, 9},
        //: Side button (small): ends the program.
        {&m_exitButton, "exitButton", QT_TR_NOOP("Exit"), 3495, 10},
    };
    for (const Side& side : sides) {
        *side.control = button(tr(side.caption), m_buttonPanel, side.name, side.helpId);
        placeInTwips(*side.control, {0, side.top, 1305, 345});
    }
    // F1 on a file button shows the same topic as a click on it in help mode.
    m_importButton->setProperty("HelpContextID", 11);
    m_exportButton->setProperty("HelpContextID", 12);

    // Keyboard order: the list, Shuffle, then the column from Export up to Add Name.
    QWidget* const tabOrder[] = {m_nameList,      m_shuffleButton, m_exportButton, m_importButton,
                                 m_optionsButton, m_aboutButton,   m_printButton,  m_helpButton,
                                 m_exitButton,    m_clearButton,   m_removeButton, m_addButton};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(m_addButton, &QPushButton::clicked, this, &MainWindow::addName);
    connect(m_shuffleButton, &QPushButton::clicked, this, &MainWindow::toggleShuffle);
    connect(m_removeButton, &QPushButton::clicked, this, &MainWindow::removeName);
    connect(m_clearButton, &QPushButton::clicked, this, &MainWindow::clearNames);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(m_helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(m_printButton, &QPushButton::clicked, this, &MainWindow::printList);
    connect(m_optionsButton, &QPushButton::clicked, this, &MainWindow::showOptions);
    connect(m_importButton, &QPushButton::clicked, this, &MainWindow::importList);
    connect(m_exportButton, &QPushButton::clicked, this, &MainWindow::exportList);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    // Delete is a click on Remove: nothing while Remove is disabled (an empty list, a shuffle).
    connect(m_nameList, &ListBox::deletePressed, m_removeButton, &QPushButton::click);
    // Ctrl+V and Shift+Insert (the platform's paste keys) wherever the focus is in the window.
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &MainWindow::pasteNames);
    // Files and text dropped anywhere on the window, the list included.
    setAcceptDrops(true);

    createListMenu();

    placeInTwips(m_nameList, m_nameListBounds);
    placeInTwips(m_shuffleButton, m_shuffleButtonBounds);
    fitCaptions(this);
}

// Start-up and shut-down.

QByteArray MainWindow::readFileData(const QString& Path)
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

void MainWindow::load()
{
    using namespace SettingsKeys;

    // One seed for the run, from the system's entropy; the clock only where the system gives
    // none, as the program did before. (A draw with a record takes a fresh seed at Shuffle.)
    m_services.random->seed(freshSeed().value_or(std::uint64_t(QDateTime::currentMSecsSinceEpoch())));

    QString folder = m_services.appPath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    m_shuffleSound = readFileData(folder + QStringLiteral("shuffle.wav"));

    // Opening the store moves a damaged one aside; the user hears of it once the window is up.
    const QString damagedCopy = m_settings.takeDamagedCopy();
    if (!damagedCopy.isEmpty())
        m_startNotices.append(MainWindowTexts::storeDamaged().arg(damagedCopy));
    m_storeIsNewer = m_settings.newerVersion();
    if (m_storeIsNewer) {
        m_startNotices.append(MainWindowTexts::storeNewer().arg(m_settings.location()));
    } else if (const StoreStatus status = m_settings.writability(); status == StoreStatus::ReadOnly) {
        // Said now, while the user can still choose to keep the names some other way.
        m_storeIsReadOnly = true;
        m_startNotices.append(MainWindowTexts::storeNotKept().arg(failureReason(status), m_settings.location()));
    }

    m_flashy = m_settings.flag(Flash);
    m_shaky = m_settings.flag(Shake);
    m_sound = m_settings.flag(Sound);
    m_rememberNames = m_settings.flag(SaveNames);
    m_keepDraws = m_settings.flag(KeepDraws);

    if (m_rememberNames) {
        const QStringList remembered = m_settings.names();
        const qsizetype leftOut = remembered.size() - m_nameList->append(remembered);
        if (leftOut > 0) {
            const QLocale numbers = textLocale();
            m_startNotices.append(
                MainWindowTexts::namesLeftOut(leftOut).arg(numbers.toString(kMaxNames), numbers.toString(leftOut)));
        }
        // A round drawn over several runs goes on with the names set aside before.
        m_history->restoreSetAside(m_settings.setAsideNames());
    }
    m_showEachDrawAction->setChecked(m_settings.flag(ShowDrawLarge));

    m_helpFile = helpFileFor(folder, m_services.language);
    loadHelpTopics();

    // The list buttons in line with the names remembered, or with none.
    enableButtons();
}

void MainWindow::unload()
{
    // No re-order after the one stored. The window keeps its look (Stop, the side buttons
    // locked) while the save and its message go on in front of it.
    m_shuffleTimer->stop();
    storeDrawRecord();

    QString failure;
    {
        // The save may wait for another copy that holds the store.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        failure = saveNames();
        QGuiApplication::restoreOverrideCursor();
    }
    if (failure.isEmpty()) {
        if (m_settings.takeRecreated())
            m_services.prompter->tell(MainWindowTexts::Caption,
                                      MainWindowTexts::storeRecreated().arg(m_settings.location()),
                                      Prompter::Icon::Information);
        return;
    }
    // A newer version's store is never written, as the user was told at start-up.
    if (m_storeIsNewer)
        return;
    // Names the store does not hold would be lost with the window: they can go to a file.
    const QStringList names = m_nameList->names();
    if (names != m_settings.names()) {
        if (m_services.prompter->askYesNo(MainWindowTexts::oops(),
                                          MainWindowTexts::exportInstead().arg(failure, m_settings.location()),
                                          Prompter::Icon::Warning) == Prompter::Answer::Yes)
            exportList();
        return;
    }
    // The store holds this list: only a failure the user has not heard of is worth a word.
    if (!m_storeIsReadOnly)
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  MainWindowTexts::notSaved().arg(failure, m_settings.location()),
                                  Prompter::Icon::Warning);
}

bool MainWindow::saveNamesNow()
{
    storeDrawRecord();
    return m_unloaded || saveNames().isEmpty();
}

QString MainWindow::saveNames()
{
    return failureReason(m_settings.saveNames(m_nameList->names(), m_history->setAside()));
}

QString MainWindow::failureReason(StoreStatus status)
{
    switch (status) {
    case StoreStatus::Ok:
        return {};
    case StoreStatus::Busy:
        return MainWindowTexts::storeBusy();
    case StoreStatus::ReadOnly:
        if (const QString file = m_settings.fileInTheWay(); !file.isEmpty())
            return MainWindowTexts::storeInTheWay().arg(file);
        return MainWindowTexts::storeReadOnly();
    case StoreStatus::DiskFull:
        return MainWindowTexts::diskFull();
    case StoreStatus::Failed:
        break;
    }
    return MainWindowTexts::storeFailed();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_drawView)
        m_drawView->close();
    if (!m_unloaded) {
        m_unloaded = true;
        unload();
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_startNotices.isEmpty())
        return;
    // Told once, when the window is up.
    QTimer::singleShot(0, this, [this, notices = std::exchange(m_startNotices, QStringList())] {
        for (const QString& notice : notices)
            m_services.prompter->tell(MainWindowTexts::oops(), notice, Prompter::Icon::Warning);
    });
}

// Layout.

void MainWindow::layOut()
{
    m_minimizedOrMaximized = isMinimized() || isMaximized();
    if (isMinimized())
        return;

    const MainLayout layout =
        layOutMainWindow(float(width()) * kTwipsPerPixel, float(height()) * kTwipsPerPixel, m_nameListBounds,
                         m_buttonPanelBounds.width, m_shuffleButtonBounds.height);
    m_nameListBounds = layout.list;
    placeInTwips(m_nameList, m_nameListBounds);
    m_buttonPanelBounds.left = layout.buttonPanelLeft;
    m_buttonPanelBounds.top = layout.buttonPanelTop;
    placeInTwips(m_buttonPanel, m_buttonPanelBounds);
    m_shuffleButtonBounds.left = layout.shuffleLeft;
    m_shuffleButtonBounds.top = layout.shuffleTop;
    m_shuffleButtonBounds.width = layout.shuffleWidth;
    placeInTwips(m_shuffleButton, m_shuffleButtonBounds);
    // Contents the shake moved aside stay aside until it brings them back.
    const int shift = std::exchange(m_contentShift, 0);
    shiftContents(shift);
}

void MainWindow::shiftContents(int pixels)
{
    // Right to left, the contents move the mirrored way, as the whole form is mirrored.
    const int by = (pixels - m_contentShift) * (isRightToLeft() ? -1 : 1);
    m_contentShift = pixels;
    for (QWidget* w : std::initializer_list<QWidget*>{m_nameList, m_buttonPanel, m_shuffleButton})
        w->move(w->x() + by, w->y());
}

QColor MainWindow::restColour() const
{
    return backColor(m_addButton);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), m_flashColour.value_or(restColour()));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        layOut();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button, Esc the cancel button, wherever the focus is
    // (a focused button takes Enter itself).
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_shuffleButton->click();
        return;
    case Qt::Key_Escape:
        m_optionsButton->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
