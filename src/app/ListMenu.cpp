#include "ListMenu.h"

#include "DrawActions.h"
#include "ListBox.h"
#include "ListsMenu.h"
#include "MainWindowTexts.h"
#include "hat/Hat.h"
#include "hat/Shelf.h"
#include "history/DrawsWindow.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QCheckBox>
#include <QShortcut>

ListMenu::ListMenu(Shelf& shelf, ListBox* list, const Services& services, QWidget* window)
    : QMenu(window), m_shelf(shelf), m_list(list), m_services(services)
{
    setObjectName(QStringLiteral("listMenu"));
    auto add = [this, window](Action index, const char* name, const QString& caption, const QList<QKeySequence>& keys,
                              auto handler) {
        QAction* action = m_actions[index] = addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        window->addAction(action); // the shortcut works wherever the focus is in the window
    };
    //: List menu (right click on the list): shows the first name over the whole screen.
    add(ShowDraw, "showDrawAction", QCoreApplication::translate("MainWindow", "Show the Draw"), {Qt::Key_F11},
        &ListMenu::showDraw);
    //: List menu, a check mark: after every Stop the drawn name is shown over the whole screen.
    add(ShowEachDraw, "showEachDrawAction", QCoreApplication::translate("MainWindow", "Show Each Draw Large"), {},
        [this](bool on) { m_services.settings->setFlag(SettingsKeys::ShowDrawLarge, on); });
    m_actions[ShowEachDraw]->setCheckable(true);
    m_actions[ShowEachDraw]->setChecked(m_services.settings->flag(SettingsKeys::ShowDrawLarge));
    addSeparator();
    add(SetAside, "setAsideAction", QString(), {QKeySequence(Qt::CTRL | Qt::Key_D)},
        [this] { hat().setAsideFirst(m_drawActions->winners()); });
    add(BringBack, "bringBackAction", QString(), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
        &ListMenu::bringBack);
    addSeparator();
    //: List menu: takes back the last change to the list.
    add(Undo, "undoAction", QCoreApplication::translate("MainWindow", "Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
        [this] { hat().undo(); });
    //: List menu: makes the change Undo took back again.
    add(Redo, "redoAction", QCoreApplication::translate("MainWindow", "Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, [this] { hat().redo(); });
    addSeparator();
    //: Opens the window that lists the recorded draws.
    add(Draws, "drawsAction", QCoreApplication::translate("MainWindow", "Draws..."),
        {QKeySequence(Qt::CTRL | Qt::Key_H)}, &ListMenu::showDraws);
    addSeparator();
    m_drawActions = new DrawActions(shelf, services, this, window);
    connect(m_drawActions, &DrawActions::winnersChanged, this, &ListMenu::enableActions);

    // The lists: each by name (Ctrl+1 to Ctrl+9), and the ways to make, rename, copy and delete them.
    addSeparator();
    m_listsMenu = new ListsMenu(m_shelf, {m_services.prompter, m_services.settings}, window, this);
    addMenu(m_listsMenu);

    connect(&m_shelf, &Shelf::changed, this, &ListMenu::enableActions);
    // After every Stop, the draw large when the user asked for it.
    connect(&m_shelf, &Shelf::shufflingChanged, this, [this](bool shuffling) {
        if (!shuffling && m_actions[ShowEachDraw]->isChecked())
            showDraw();
    });

    // A right click on the list, and the Menu key and Shift+F10 anywhere in the window.
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup(m_list->viewport()->mapToGlobal(at)); });
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &ListMenu::popupFromKeyboard);
    enableActions();
}

ListMenu::~ListMenu() = default;

DrawView* ListMenu::drawView() const
{
    return m_drawActions->view();
}

Hat& ListMenu::hat() const
{
    return m_shelf.current();
}

void ListMenu::showListDraws()
{
    m_drawsWindow->setLists(m_shelf.idAt(m_shelf.currentIndex()), m_shelf.ids());
}

void ListMenu::popupFromKeyboard()
{
    // Beside the current name where it shows, else at the list's top.
    QRect at = m_list->visualRect(m_list->currentIndex());
    if (!at.isValid() || !m_list->viewport()->rect().intersects(at))
        at = QRect(0, 0, 1, 1);
    popup(m_list->viewport()->mapToGlobal(at.bottomLeft()));
}

void ListMenu::enableActions()
{
    const bool any = hat().mayChange() && hat().count() != 0;
    m_actions[ShowDraw]->setEnabled(any);
    m_actions[SetAside]->setEnabled(any);
    // Set Aside sets aside as many names as the view shows winners.
    if (const int winners = m_drawActions->winners(); winners > 1)
        //: List menu: takes the first %n names (the winners shown) out of the list.
        m_actions[SetAside]->setText(tr("Set Aside the %n Drawn Names", nullptr, winners));
    else
        //: List menu: takes the first name out of the list, so the next shuffle draws from the rest.
        m_actions[SetAside]->setText(QCoreApplication::translate("MainWindow", "Set Aside the Drawn Name"));
    const int setAside = int(hat().setAside().size());
    m_actions[BringBack]->setEnabled(hat().mayChange() && setAside > 0);
    if (setAside > 0)
        //: List menu: puts the %n names set aside back at the end of the list.
        m_actions[BringBack]->setText(
            QCoreApplication::translate("MainWindow", "Bring Back %n Set-Aside Names", nullptr, setAside));
    else
        //: List menu, when no name is set aside (disabled).
        m_actions[BringBack]->setText(QCoreApplication::translate("MainWindow", "Bring Back Set-Aside Names"));
    m_actions[Undo]->setEnabled(hat().canUndo());
    m_actions[Redo]->setEnabled(hat().canRedo());
    m_drawActions->enableActions();
}

void ListMenu::showDraw()
{
    m_drawActions->showDraw();
}

void ListMenu::bringBack()
{
    if (!hat().mayChange())
        return;
    hat().bringBack();
    // Those that do not fit in a full list stay set aside.
    if (!hat().setAside().isEmpty())
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  MainWindowTexts::listFull().arg(textLocale().toString(kMaxNames)),
                                  Prompter::Icon::Warning);
}

void ListMenu::showDraws()
{
    hat().storeDraw();
    if (!m_drawsWindow) {
        m_drawsWindow = new DrawsWindow(m_shelf.draws(), m_services, parentWidget());
        m_drawsWindow->keepBox()->setChecked(hat().keepDraws());
        connect(m_drawsWindow->keepBox(), &QCheckBox::toggled, &m_shelf, &Shelf::setKeepDraws);
        connect(&m_shelf, &Shelf::drawsChanged, m_drawsWindow, &DrawsWindow::refresh);
        connect(&m_shelf, &Shelf::listsChanged, this, &ListMenu::showListDraws);
    }
    showListDraws();
    m_drawsWindow->show();
    m_drawsWindow->raise();
    m_drawsWindow->activateWindow();
}
