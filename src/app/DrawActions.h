#pragma once

#include "DrawView.h"
#include "history/DrawsWindow.h"

#include <QObject>
#include <QPointer>

class Hat;
class QAction;
class QActionGroup;
class QMenu;
class QScreen;
class Shelf;

// The list menu's block of draw actions: Split into Teams (Ctrl+T), Draw from a Public
// Number (Ctrl+Shift+P), how many winners the view of the draw shows, and the screen it
// opens on; and that view itself (Show the Draw), whose printing and export it does.
class DrawActions : public QObject
{
    Q_OBJECT
public:
    // What it asks and tells through, the settings, and the printer, as the Draws window's.
    using Services = DrawsWindow::Services;
    // Adds the actions to menu, for the shelf's current list; their shortcuts work anywhere
    // in window.
    DrawActions(Shelf& shelf, const Services& services, QMenu* menu, QWidget* window);
    ~DrawActions() override;

    // The actions enabled as the hat allows now.
    void enableActions();
    // The list's first names over the whole screen, as many winners as chosen.
    void showDraw();
    // Asks how many teams, deals the list in its order into them and shows them.
    void splitIntoTeams();
    // Shows the list's fingerprint, asks for the public text and starts the draw from it.
    void drawFromPublicNumber();
    DrawView* view() const { return m_view; }
    // How many of the first names the view shows as winners (remembered), 1 to 10.
    int winners() const;
    void setWinners(int winners);
    // The screen the view opens on: the one chosen while it is there, else another than
    // the window's (a projector beside a laptop), else the window's.
    QScreen* drawScreen() const;

signals:
    // How many winners are shown changed: what Set Aside sets aside.
    void winnersChanged(int winners);

private:
    void open(DrawView* view);
    void fillScreenMenu();
    void tellTooFewNames();

    Hat& hat() const; // the current list's

    Shelf& m_shelf;
    Services m_services;
    QWidget* m_window;
    QAction* m_teamsAction = nullptr;
    QAction* m_publicAction = nullptr;
    QMenu* m_winnersMenu = nullptr;
    QActionGroup* m_winnersGroup = nullptr;
    QMenu* m_screenMenu = nullptr;
    QPointer<DrawView> m_view;
};
