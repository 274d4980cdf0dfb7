#include "MainWindow.h"

#include "ListBox.h"
#include "ListMenu.h"
#include "MainLayout.h"
#include "MainWindowTexts.h"
#include "ShuffleEffects.h"
#include "Translation.h"
#include "about/AboutBox.h"
#include "files/NameListFiles.h"
#include "hat/Hat.h"
#include "hat/NameListModel.h"
#include "hat/Shelf.h"
#include "help/ContextHelp.h"
#include "help/HelpMessageDialog.h"
#include "print/PrintLines.h"
#include "settings/OptionsDialog.h"
#include "settings/Settings.h"
#include "settings/StoreTexts.h"
#include "ui/BackColor.h"
#include "ui/CaptionFit.h"
#include "ui/DesignUnits.h"
#include "ui/FramePacer.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWhatsThis>

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

// The local files of a drop, or none when it holds anything else.
QStringList localFiles(const QMimeData* mime)
{
    QStringList paths;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent), m_services(services),
      m_shelf(new Shelf(*services.settings, *services.random, designFont(9.75, true), this))
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

    QString folder = m_services.appPath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    m_effects = new ShuffleEffects(this, {m_nameList, m_buttonPanel, m_shuffleButton},
                                   {services.prompter, services.sound, services.settings, services.windowPlacesItself},
                                   ShuffleEffects::readFileData(folder + QStringLiteral("shuffle.wav")));
    m_effects->setOpaqueContent(m_nameList);
    m_pacer = new FramePacer(this);
    m_startNotices = m_shelf->load();
    m_effects->load();
    m_helpFile = helpFileFor(folder, m_services.language);
    loadHelpTopics();
    // The list buttons in line with the names remembered, or with none.
    enableButtons();
}

MainWindow::~MainWindow() = default;

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
    m_bounds = {TwipsRect{90, 120, 3195, 3030}, TwipsRect{3390, 120, 1365, 3975}, TwipsRect{90, 3240, 3225, 735}};
    // Sized before the buttons go in: right to left they are placed from its right edge.
    placeInTwips(m_buttonPanel, m_bounds[1]);

    m_shuffleButton = button(MainWindowTexts::shuffle(), this, "shuffleButton", 2);
    m_shuffleButton->setDefault(true);
    m_shuffleButton->setFont(designFont(9.75, true));

    m_nameList = new ListBox(hat().model(), this);
    m_nameList->setObjectName(QStringLiteral("nameList"));
    //: What a screen reader calls the list of names.
    m_nameList->setAccessibleName(tr("Names"));
    m_nameList->setProperty("WhatsThisHelpID", 1);
    // A re-order is shown by repainting the rows where their sizes allow.
    m_shelf->setPermute([list = m_nameList](const std::vector<int>& order) { list->permute(order); });
    connect(m_shelf, &Shelf::changed, this, &MainWindow::enableButtons);
    connect(m_shelf, &Shelf::shufflingChanged, this, &MainWindow::shufflingChanged);
    connect(m_shelf, &Shelf::reordered, this, &MainWindow::reordered);
    connect(m_shelf, &Shelf::currentChanged, this, [this](Hat* hat) { m_nameList->setNameModel(hat->model()); });

    // The side buttons, top to bottom. Their captions must fit buttons of 87 x 23 pixels.
    struct Side
    {
        Button index;
        const char* name;
        const char* caption;
        float top;
        int helpId;
        void (MainWindow::*handler)();
    };
    const Side sides[] = {
        //: Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.
        {Add, "addButton", QT_TR_NOOP("Add Name"), 0, 3, &MainWindow::addName},
        //: Side button (small): removes the selected name.
        {Remove, "removeButton", QT_TR_NOOP("Remove Name"), 390, 4, &MainWindow::removeName},
        //: Side button (small): replaces the list with the names in a text file.
        {Import, "importButton", QT_TR_NOOP("Import from File"), 780, 11, &MainWindow::importList},
        //: Side button (small): saves the list to a text file.
        {Export, "exportButton", QT_TR_NOOP("Export to File"), 1170, 12, &MainWindow::exportList},
        //: Side button (small): removes every name.
        {Clear, "clearButton", QT_TR_NOOP("Clear All Names"), 1545, 5, &MainWindow::clearNames},
        //: Side button (small): prints the list.
        {Print, "printButton", QT_TR_NOOP("Print List"), 1935, 6, &MainWindow::printList},
        //: Side button (small): opens the Options window.
        {Options, "optionsButton", QT_TR_NOOP("Options"), 2325, 7, &MainWindow::showOptions},
        //: Side button (small): starts the help mode (click a part of the window to learn about it).
        {Help, "helpButton", QT_TR_NOOP("Help"), 2715, 8, &MainWindow::showHelp},
        //: Side button (small): opens the About box (version, maker).
        {About, "aboutButton", QT_TR_NOOP("About"), 3105, 9, &MainWindow::showAbout},
        //: Side button (small): ends the program.
        {Exit, "exitButton", QT_TR_NOOP("Exit"), 3495, 10, &MainWindow::exitProgram},
    };
    for (const Side& side : sides) {
        QPushButton* b = m_buttons[side.index] = button(tr(side.caption), m_buttonPanel, side.name, side.helpId);
        placeInTwips(b, {0, side.top, 1305, 345});
        connect(b, &QPushButton::clicked, this, side.handler);
    }
    // F1 on a file button shows the same topic as a click on it in help mode.
    m_buttons[Import]->setProperty("HelpContextID", 11);
    m_buttons[Export]->setProperty("HelpContextID", 12);

    // Keyboard order: the list, Shuffle, then the column from Export up to Add Name.
    QWidget* previous = m_shuffleButton;
    setTabOrder(m_nameList, m_shuffleButton);
    for (Button b : {Export, Import, Options, About, Print, Help, Exit, Clear, Remove, Add})
        setTabOrder(std::exchange(previous, m_buttons[b]), m_buttons[b]);

    connect(m_shuffleButton, &QPushButton::clicked, this, &MainWindow::toggleShuffle);
    // Delete is a click on Remove: nothing while Remove is disabled (an empty list, a shuffle).
    connect(m_nameList, &ListBox::deletePressed, m_buttons[Remove], &QPushButton::click);
    // Ctrl+V and Shift+Insert (the platform's paste keys) wherever the focus is in the window.
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &MainWindow::pasteNames);
    // Files and text dropped anywhere on the window, the list included.
    setAcceptDrops(true);

    m_listMenu =
        new ListMenu(*m_shelf, m_nameList, {m_services.prompter, m_services.settings, m_services.printer}, this);

    placeInTwips(m_nameList, m_bounds[0]);
    placeInTwips(m_shuffleButton, m_bounds[2]);
    fitCaptions(this);
}

Hat& MainWindow::hat() const
{
    return m_shelf->current();
}

void MainWindow::enableButtons()
{
    const bool shuffling = hat().isShuffling();
    m_shuffleButton->setText(shuffling ? MainWindowTexts::stop() : MainWindowTexts::shuffle());
    // A draw from a public number ends by itself: stopped sooner, its host could choose.
    m_shuffleButton->setEnabled(!hat().stopsByItself());
    // Nothing changes or uses the list while it is being shuffled.
    m_buttons[Add]->setEnabled(!shuffling);
    m_buttons[Import]->setEnabled(!shuffling);
    const bool any = !shuffling && hat().count() != 0;
    for (Button b : {Remove, Clear, Print, Export})
        m_buttons[b]->setEnabled(any);
}

// Start-up and shut-down.

void MainWindow::unload()
{
    Hat::Finished finished;
    {
        // The save may wait for another copy that holds the store.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        finished = hat().finish();
        QGuiApplication::restoreOverrideCursor();
    }
    Prompter& prompter = *m_services.prompter;
    const QString location = m_services.settings->location();
    switch (finished.outcome) {
    case Hat::Finished::Outcome::Recreated:
        prompter.tell(MainWindowTexts::Caption, StoreTexts::storeRecreated().arg(location),
                      Prompter::Icon::Information);
        break;
    case Hat::Finished::Outcome::NamesAtRisk: {
        // The set-aside names would be lost as well: they go to the file after the list.
        const QStringList& setAside = hat().setAside();
        const QString question =
            setAside.isEmpty() ? StoreTexts::exportInstead() : StoreTexts::exportWithSetAside(setAside.size());
        if (prompter.askYesNo(MainWindowTexts::oops(), question.arg(finished.reason, location),
                              Prompter::Icon::Warning) == Prompter::Answer::Yes) {
            NameListFiles files(*m_services.prompter, this, *m_services.settings);
            files.exportList(hat().names() + setAside);
        }
        break;
    }
    case Hat::Finished::Outcome::NotSaved:
        prompter.tell(MainWindowTexts::oops(), StoreTexts::notSaved().arg(finished.reason, location),
                      Prompter::Icon::Warning);
        break;
    case Hat::Finished::Outcome::Saved:
    case Hat::Finished::Outcome::Quiet:
        break;
    }
}

bool MainWindow::saveNamesNow()
{
    return hat().saveNow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (DrawView* view = m_listMenu->drawView())
        view->close();
    if (!hat().finished())
        unload();
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

// Layout and looks.

void MainWindow::layOut()
{
    if (isMinimized())
        return;
    const MainLayout layout = layOutMainWindow(float(width()) * kTwipsPerPixel, float(height()) * kTwipsPerPixel,
                                               m_bounds[0], m_bounds[1].width, m_bounds[2].height);
    m_bounds[0] = layout.list;
    m_bounds[1].left = layout.buttonPanelLeft;
    m_bounds[1].top = layout.buttonPanelTop;
    m_bounds[2].left = layout.shuffleLeft;
    m_bounds[2].top = layout.shuffleTop;
    m_bounds[2].width = layout.shuffleWidth;
    placeInTwips(m_nameList, m_bounds[0]);
    placeInTwips(m_buttonPanel, m_bounds[1]);
    placeInTwips(m_shuffleButton, m_bounds[2]);
    if (m_effects)
        m_effects->laidOut();
}

QColor MainWindow::restColour() const
{
    return backColor(m_buttons[Add]);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), m_effects->flashColour().value_or(restColour()));
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
        m_buttons[Options]->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The shuffle.

void MainWindow::toggleShuffle()
{
    if (hat().isShuffling()) {
        hat().stop();
        return;
    }
    switch (hat().shuffle()) {
    case Hat::Start::Started:
    case Hat::Start::InvalidText: // a draw from a public text's alone
        break;
    case Hat::Start::TooFewNames:
        m_services.prompter->tell(MainWindowTexts::oops(), tr("You must add at least two names to the list first."),
                                  Prompter::Icon::Warning);
        break;
    case Hat::Start::NoRandomness:
        m_services.prompter->tell(
            MainWindowTexts::oops(),
            tr("The draw cannot start: the system gives no random numbers to start it from. Try again."),
            Prompter::Icon::Warning);
        break;
    }
}

void MainWindow::reordered()
{
    // The list shows the new order from its first name and from the names' start, as a list
    // box emptied and filled again does, however it was scrolled; then the effects.
    m_nameList->verticalScrollBar()->setValue(0);
    m_nameList->horizontalScrollBar()->setValue(0);
    m_effects->step();
}

void MainWindow::shufflingChanged(bool shuffling)
{
    // A shuffle changes the window every 10 ms: it is painted once a frame of its screen.
    // Stopped, the drawn order is painted at once.
    m_pacer->setActive(shuffling);
    if (shuffling)
        return;
    // The drawn order is read from the names' start, even if the list was scrolled sideways
    // after the last re-order.
    m_nameList->horizontalScrollBar()->setValue(0);
    m_effects->rest();
    enableButtons();
}

// The buttons.

void MainWindow::addName()
{
    const QString name = m_services.prompter->askText(tr("Add Name"), tr("Enter a name to add to the list."));
    if (!name.isEmpty() && hat().append(name) == 0)
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  MainWindowTexts::listFull().arg(textLocale().toString(kMaxNames)),
                                  Prompter::Icon::Warning);
}

void MainWindow::pasteNames()
{
    if (m_buttons[Add]->isEnabled())
        addNames(QGuiApplication::clipboard()->text());
}

void MainWindow::addNames(const QString& text)
{
    // Read as the import reads a file's lines, and added in one go: the extent and the
    // buttons follow once.
    NameListFiles files(*m_services.prompter, this, *m_services.settings);
    files.addNames(text, hat().count(), [this](const QStringList& names) { hat().append(names); });
}

void MainWindow::removeName()
{
    const int selected = m_nameList->currentRow();
    if (selected == -1) {
        m_services.prompter->tell(MainWindowTexts::oops(), tr("A name must be selected to perform this action."),
                                  Prompter::Icon::Warning);
        return;
    }
    //: %1 is the selected name.
    const QString prompt = tr("Remove \"%1\" from the list?").arg(hat().nameAt(selected));
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), prompt, Prompter::Icon::Question) ==
        Prompter::Answer::Yes)
        hat().removeAt(selected);
}

void MainWindow::clearNames()
{
    // The names set aside go too, and the question says so.
    const int setAside = int(hat().setAside().size());
    QString question = tr("This will erase all names in the list. Do you wish to continue?");
    if (setAside > 0)
        //: %n is the number of names set aside from the list (the plural form's number).
        question = tr("This will erase all names in the list, and the %n set-aside names. Do you wish to continue?",
                      nullptr, setAside);
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), question, Prompter::Icon::Question) ==
        Prompter::Answer::Yes)
        hat().clear();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::showOptions()
{
    OptionsDialog dialog(this, *m_services.settings, *m_services.prompter);
    dialog.exec();
}

void MainWindow::showAbout()
{
    AboutBox box(this, *m_services.launcher, *m_services.prompter);
    box.exec();
}

// The Help button: the help message (unless the user turned it off), then What's-This
// mode, in which the next click on a control shows its topic. Esc or a click where there
// is no topic leaves the mode.
void MainWindow::showHelp()
{
    if (m_services.settings->flag(SettingsKeys::ShowHelpMessage)) {
        HelpMessageDialog dialog(this, *m_services.settings);
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

void MainWindow::printList()
{
    printLines(m_services.printer, hat().names(), *m_services.prompter);
}

// Files: Import from File, Export to File, and files and text dropped on the window.

void MainWindow::importList()
{
    NameListFiles files(*m_services.prompter, this, *m_services.settings);
    files.importList(hat().count() > 0, int(hat().setAside().size()),
                     [this](const QStringList& names) { hat().replaceWith(names); });
}

void MainWindow::exportList()
{
    NameListFiles files(*m_services.prompter, this, *m_services.settings);
    files.exportList(hat().names());
}

void MainWindow::dropNames(const QStringList& files, const QString& text)
{
    if (files.isEmpty()) {
        if (m_buttons[Add]->isEnabled())
            addNames(text);
        return;
    }
    if (!m_buttons[Import]->isEnabled())
        return;
    NameListFiles names(*m_services.prompter, this, *m_services.settings);
    names.importDropped(hat().count() > 0, int(hat().setAside().size()), files,
                        [this](const QStringList& names) { hat().replaceWith(names); });
}

void MainWindow::openFiles(const QStringList& files)
{
    if (files.isEmpty())
        return;
    // A file handed over while shuffling is imported once the draw has stopped.
    if (hat().isShuffling()) {
        connect(
            m_shelf, &Shelf::shufflingChanged, this,
            [this, files] { QTimer::singleShot(0, this, [this, files] { openFiles(files); }); },
            Qt::SingleShotConnection);
        return;
    }
    // Dialogs run in their own event loop; an import started from there would put its
    // question over theirs and change the list under them.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        connect(
            modal, &QObject::destroyed, this,
            [this, files] { QTimer::singleShot(0, this, [this, files] { openFiles(files); }); },
            Qt::SingleShotConnection);
        return;
    }
    dropNames(files, QString());
}

bool MainWindow::takeDrag(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    const bool files = !localFiles(mime).isEmpty();
    const QPushButton* way = m_buttons[files ? Import : Add];
    // Only ever a copy: a move would have the source delete the dropped file or text.
    if (!(files || mime->hasText()) || !way->isEnabled() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (!takeDrag(event))
        return;
    const QStringList files = localFiles(event->mimeData());
    const QString text = files.isEmpty() ? event->mimeData()->text() : QString();
    // The drag's source waits until the drop returns: the question and the messages come
    // after it has.
    QTimer::singleShot(0, this, [this, files, text] { dropNames(files, text); });
}
