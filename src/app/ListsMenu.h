#pragma once

#include "hat/Shelf.h"

#include <QMenu>

#include <array>
#include <optional>

class Prompter;
class Settings;
class QActionGroup;

// The Lists submenu of the list's menu: every list by name, the current one ticked (the
// first nine also on Ctrl+1 to Ctrl+9, anywhere in the window), then the ways to make,
// rename, copy and delete lists. It keeps the window's title naming the current list once
// there are several. Nothing here works while shuffling.
class ListsMenu : public QMenu
{
    Q_OBJECT
public:
    struct Services
    {
        Prompter* prompter = nullptr;
        Settings* settings = nullptr;
    };
    // window: whose title names the current list, and where the shortcuts work.
    ListsMenu(Shelf& shelf, const Services& services, QWidget* window, QWidget* parent = nullptr);

    // The action that chooses the list at index.
    QAction* listAction(int index) const { return m_lists.value(index); }

    // The handlers, each asking what it needs and telling why a change was refused.
    void newList();
    void renameList();
    void duplicateList();
    void deleteList();
    void newListFromFile();
    void restoreList();

private:
    enum Action { New, Rename, Duplicate, Delete, FromFile, Restore, ActionCount };
    // The lists' actions made afresh, the title and the rest following.
    void listsChanged();
    void enableActions();
    // Tells the user why a change was refused.
    void tellOutcome(Shelf::Refusal refusal);
    // Tells the user that the lists could not be written.
    void tellNotStored(StoreStatus status);
    // The name typed, without the spaces around it; none when the user cancelled.
    std::optional<QString> askName(const QString& title, const QString& prompt, const QString& initial = QString());

    Shelf& m_shelf;
    Services m_services;
    QWidget* m_window;
    QList<QAction*> m_lists;
    QActionGroup* m_group;
    QAction* m_separator = nullptr;
    std::array<QAction*, ActionCount> m_actions{};
};
