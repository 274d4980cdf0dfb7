#include "MainWindow.h"

#include "DrawView.h"
#include "ListBox.h"
#include "MainWindowTexts.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

// The list's context menu: the draw shown large, the round of names set aside, and Undo
// and Redo over every change to the list. Each action has a shortcut that works anywhere
// in the window and follows the rule in enableButtons().

void MainWindow::createListMenu()
{
    m_history = new ListHistory(*m_nameList, this);
    connect(m_history, &ListHistory::changed, this, &MainWindow::enableButtons);
    connect(m_history, &ListHistory::roundChanged, this, &MainWindow::roundChanged);

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    auto add = [this](const char* name, const QString& caption, const QList<QKeySequence>& keys, auto handler) {
        QAction* action = m_listMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        addAction(action); // the shortcut works wherever the focus is in the window
        return action;
    };
    //: List menu (right click on the list): shows the first name over the whole screen.
    m_showDrawAction = add("showDrawAction", tr("Show the Draw"), {Qt::Key_F11}, &MainWindow::showDraw);
    //: List menu, a check mark: after every Stop the drawn name is shown over the whole screen.
    m_showEachDrawAction = add("showEachDrawAction", tr("Show Each Draw Large"), {},
                               [this](bool on) { m_settings.setFlag(SettingsKeys::ShowDrawLarge, on); });
    m_showEachDrawAction->setCheckable(true);
    m_listMenu->addSeparator();
    //: List menu: takes the first name out of the list, so the next shuffle draws from the rest.
    m_setAsideAction = add("setAsideAction", tr("Set Aside the Drawn Name"), {QKeySequence(Qt::CTRL | Qt::Key_D)},
                           &MainWindow::setAsideDrawn);
    m_bringBackAction =
        add("bringBackAction", QString(), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}, &MainWindow::bringBack);
    m_listMenu->addSeparator();
    //: List menu: takes back the last change to the list.
    m_undoAction = add("undoAction", tr("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &MainWindow::undo);
    //: List menu: makes the change Undo took back again.
    m_redoAction =
        add("redoAction", tr("Redo"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, &MainWindow::redo);
    m_listMenu->addSeparator();
    // Ctrl+H opens the Draws window from anywhere in this window.
    //: Opens the window that lists the recorded draws.
    m_drawsAction = add("drawsAction", tr("Draws..."), {QKeySequence(Qt::CTRL | Qt::Key_H)}, &MainWindow::showDraws);

    // The round's moves are lines of the draws' record, between the draws.
    connect(this, &MainWindow::roundChanged, this, [this](RoundChange change, const QStringList& names) {
        if (change != RoundChange::Cleared)
            recordRoundEvent(
                change == RoundChange::SetAside ? DrawRecord::Kind::SetAside : DrawRecord::Kind::BroughtBack, names);
    });

    // A right click on the list, and the Menu key and Shift+F10 anywhere in the window.
    m_nameList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_nameList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_listMenu->popup(m_nameList->viewport()->mapToGlobal(at)); });
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &MainWindow::showListMenuFromKeyboard);
}

void MainWindow::showListMenuFromKeyboard()
{
    // Beside the current name where it shows, else at the list's top.
    QRect at = m_nameList->visualRect(m_nameList->currentIndex());
    if (!at.isValid() || !m_nameList->viewport()->rect().intersects(at))
        at = QRect(0, 0, 1, 1);
    m_listMenu->popup(m_nameList->viewport()->mapToGlobal(at.bottomLeft()));
}

void MainWindow::showDraw()
{
    if (isShuffling() || m_nameList->count() == 0)
        return;
    if (m_drawView)
        m_drawView->close();
    // A window of its own, not one the main window owns: the desktop would hide it with a
    // minimised main window. It opens on the screen that holds the main window.
    m_drawView = new DrawView(m_nameList->names(0, DrawView::kNextShown + 1));
    m_drawView->showOn(screen());
}

void MainWindow::setAsideDrawn()
{
    if (!isShuffling())
        m_history->setAsideFirst();
}

void MainWindow::bringBack()
{
    if (isShuffling())
        return;
    m_history->bringBack();
    // Those that do not fit in a full list stay set aside.
    if (!m_history->setAside().isEmpty())
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  MainWindowTexts::listFull().arg(textLocale().toString(kMaxNames)),
                                  Prompter::Icon::Warning);
}

void MainWindow::undo()
{
    if (!isShuffling())
        m_history->undo();
}

void MainWindow::redo()
{
    if (!isShuffling())
        m_history->redo();
}
