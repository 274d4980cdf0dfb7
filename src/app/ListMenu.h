#pragma once

#include "DrawView.h"
#include "history/DrawsWindow.h"

#include <QMenu>

#include <array>

class DrawActions;
class Hat;
class ListBox;
class ListsMenu;
class Shelf;

// The list's context menu: the draw shown large, the round of names set aside, Undo and
// Redo, the Draws window, the draw's own actions (teams, a draw from a public number, the
// winners shown and the screen they show on: DrawActions), and the lists (ListsMenu). Each
// action has a shortcut that works anywhere in the window that shows the list, and follows
// the rule that nothing changes the list while shuffling.
class ListMenu : public QMenu
{
    Q_OBJECT
public:
    // What it asks and tells through, the settings, and the printer: the Draws window's too.
    using Services = DrawsWindow::Services;
    // window: where the shortcuts work (the Menu key and Shift+F10 open the menu there).
    ListMenu(Shelf& shelf, ListBox* list, const Services& services, QWidget* window);
    ~ListMenu() override;

    // The actions enabled as the hat allows now.
    void enableActions();
    // The list's first names over the whole screen (DrawActions::drawScreen()); nothing
    // while shuffling or with an empty list.
    void showDraw();
    DrawView* drawView() const;
    DrawActions* drawActions() const { return m_drawActions; }
    // Puts the set-aside names back at the end of the list; says so when they do not all fit.
    void bringBack();
    // Opens the Draws window (Ctrl+H), or brings it to the front.
    void showDraws();

private:
    enum Action { ShowDraw, ShowEachDraw, SetAside, BringBack, Undo, Redo, Draws, ActionCount };
    // Opens the menu at the current name, for the Menu key and Shift+F10.
    void popupFromKeyboard();
    // The list the window shows.
    Hat& hat() const;
    // The Draws window shows the current list's draws.
    void showListDraws();

    Shelf& m_shelf;
    ListBox* m_list;
    Services m_services;
    std::array<QAction*, ActionCount> m_actions{};
    DrawActions* m_drawActions = nullptr;
    DrawsWindow* m_drawsWindow = nullptr; // made when first opened
    ListsMenu* m_listsMenu = nullptr;
};
