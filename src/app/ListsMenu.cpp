#include "ListsMenu.h"

#include "MainWindowTexts.h"
#include "files/NameListFiles.h"
#include "hat/Hat.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QActionGroup>
#include <QFileInfo>

namespace {

// A list's name as a menu shows it: as typed, an ampersand too (not a mnemonic).
QString menuText(QString name)
{
    return name.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

} // namespace

ListsMenu::ListsMenu(Shelf& shelf, const Services& services, QWidget* window, QWidget* parent)
    : QMenu(parent), m_shelf(shelf), m_services(services), m_window(window), m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("listsMenu"));
    //: List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.
    setTitle(tr("Lists"));
    m_separator = addSeparator();
    auto add = [this](Action index, const char* name, const QString& caption, void (ListsMenu::*handler)()) {
        QAction* action = m_actions[index] = addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    //: Lists menu: makes an empty list, asking for its name.
    add(New, "newListAction", tr("New List..."), &ListsMenu::newList);
    //: Lists menu: gives the current list another name.
    add(Rename, "renameListAction", tr("Rename List..."), &ListsMenu::renameList);
    //: Lists menu: makes a copy of the current list, its set-aside names too.
    add(Duplicate, "duplicateListAction", tr("Duplicate List"), &ListsMenu::duplicateList);
    //: Lists menu: deletes the current list, after asking.
    add(Delete, "deleteListAction", tr("Delete List..."), &ListsMenu::deleteList);
    //: Lists menu: makes a list of the names in a text file, named after the file.
    add(FromFile, "newListFromFileAction", tr("New List from File..."), &ListsMenu::newListFromFile);
    add(Restore, "restoreListAction", QString(), &ListsMenu::restoreList);

    connect(&m_shelf, &Shelf::listsChanged, this, &ListsMenu::listsChanged);
    connect(&m_shelf, &Shelf::changed, this, &ListsMenu::enableActions);
    connect(&m_shelf, &Shelf::written, this, &ListsMenu::tellNotStored);
    listsChanged();
}

void ListsMenu::tellNotStored(StoreStatus status)
{
    if (status == StoreStatus::Ok)
        return;
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    const QString text = tr("The lists could not be saved: %1.\n\nNimbrel tries again with the next change and "
                            "when it closes. The settings file is:\n%2");
    m_services.prompter->tell(MainWindowTexts::oops(),
                              text.arg(m_shelf.current().failureReason(status), m_services.settings->location()),
                              Prompter::Icon::Warning);
}

void ListsMenu::listsChanged()
{
    // The actions stay where they can (one may be the one being triggered) and follow the lists.
    while (m_lists.size() > m_shelf.count()) {
        QAction* gone = m_lists.takeLast();
        removeAction(gone);
        m_window->removeAction(gone);
        m_group->removeAction(gone);
        gone->deleteLater();
    }
    for (int i = 0; i < m_shelf.count(); ++i) {
        if (i == m_lists.size()) {
            auto* action = new QAction(this);
            action->setObjectName(QStringLiteral("listAction%1").arg(i + 1));
            action->setCheckable(true);
            if (i < 9)
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
            m_group->addAction(action);
            insertAction(m_separator, action);
            m_window->addAction(action); // the shortcut works wherever the focus is in the window
            connect(action, &QAction::triggered, this, [this, i] { tellOutcome(m_shelf.switchTo(i)); });
            m_lists.append(action);
        }
        m_lists[i]->setText(menuText(m_shelf.nameAt(i)));
        m_lists[i]->setChecked(i == m_shelf.currentIndex());
    }

    // The title names the list once there are several, as typed: a "[*]" in it is shown too
    // (doubled, it is no place for the title's modified mark).
    QString title = MainWindowTexts::Caption;
    QString spoken = title;
    if (m_shelf.count() > 1) {
        const QString name = m_shelf.nameAt(m_shelf.currentIndex());
        //: The window's title when there are several lists: %1 is the current list's name, %2 the program's.
        const QString form = tr("%1 – %2");
        title = form.arg(QString(name).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")), title);
        spoken = form.arg(name, MainWindowTexts::Caption);
    }
    m_window->setWindowTitle(title);
    m_window->setAccessibleName(spoken);
    enableActions();
}

void ListsMenu::enableActions()
{
    const bool may = m_shelf.mayChange();
    for (QAction* action : std::as_const(m_lists))
        action->setEnabled(may);
    for (QAction* action : m_actions)
        action->setEnabled(may);
    m_actions[Delete]->setEnabled(may && m_shelf.count() > 1);
    const QString restorable = m_shelf.restorable();
    m_actions[Restore]->setVisible(!restorable.isEmpty());
    //: Lists menu, after a list was deleted: brings it back. %1 is its name.
    m_actions[Restore]->setText(tr("Undo Delete List \"%1\"").arg(menuText(restorable)));
}

std::optional<QString> ListsMenu::askName(const QString& title, const QString& prompt, const QString& initial)
{
    const QString typed = m_services.prompter->askTextFrom(title, prompt, initial);
    if (typed.isEmpty())
        return std::nullopt;
    return typed.trimmed();
}

void ListsMenu::tellOutcome(Shelf::Refusal refusal)
{
    if (QAction* current = m_lists.value(m_shelf.currentIndex()))
        current->setChecked(true);
    const QLocale numbers = textLocale();
    QString text;
    switch (refusal) {
    case Shelf::Refusal::None:
    case Shelf::Refusal::Shuffling:
    case Shelf::Refusal::NoneDeleted:
        break;
    case Shelf::Refusal::TooManyLists:
        //: %1 is the most lists the program keeps (100).
        text = tr("Nimbrel keeps at most %1 lists. Delete a list to make room for another one.")
                   .arg(numbers.toString(Shelf::kMaxLists));
        break;
    case Shelf::Refusal::NameLength:
        //: %1 and %2 are the fewest and the most characters (1 and 100).
        text = tr("A list's name must have from %1 to %2 characters.")
                   .arg(numbers.toString(1), numbers.toString(Shelf::kMaxNameLength));
        break;
    case Shelf::Refusal::NameNotPlain:
        text = tr("A list's name must be one line of text, without tabs or other control characters.");
        break;
    case Shelf::Refusal::NameTaken:
        text = tr("There is already a list with that name (capital and small letters count as the same). "
                  "Choose another name.");
        break;
    case Shelf::Refusal::LastList:
        text = tr("The last list cannot be deleted.");
        break;
    }
    if (!text.isEmpty())
        m_services.prompter->tell(MainWindowTexts::oops(), text, Prompter::Icon::Warning);
}

void ListsMenu::newList()
{
    if (!m_shelf.mayChange())
        return;
    if (m_shelf.count() >= Shelf::kMaxLists) {
        tellOutcome(Shelf::Refusal::TooManyLists);
        return;
    }
    //: Title of the box that asks for the new list's name.
    if (const auto name = askName(tr("New List"), tr("Enter a name for the new list.")))
        tellOutcome(m_shelf.add(*name));
}

void ListsMenu::renameList()
{
    if (!m_shelf.mayChange())
        return;
    const int index = m_shelf.currentIndex();
    const QString old = m_shelf.nameAt(index);
    //: Title of the box that asks for the list's new name; %1 is its name now.
    if (const auto name = askName(tr("Rename List"), tr("Enter a new name for the list \"%1\".").arg(old), old))
        tellOutcome(m_shelf.rename(index, *name));
}

void ListsMenu::duplicateList()
{
    tellOutcome(m_shelf.duplicate(m_shelf.currentIndex()));
}

void ListsMenu::deleteList()
{
    if (!m_shelf.mayChange() || m_shelf.count() <= 1)
        return;
    const int index = m_shelf.currentIndex();
    //: %1 is the list's name, %n how many names it holds (the plural form's number).
    const QString question = tr("Delete the list \"%1\" and its %n names? Its draws will no longer be shown.\n\n"
                                "Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.",
                                nullptr, m_shelf.current().count())
                                 .arg(m_shelf.nameAt(index));
    if (m_services.prompter->askYesNo(MainWindowTexts::pleaseConfirm(), question, Prompter::Icon::Question) ==
        Prompter::Answer::Yes)
        tellOutcome(m_shelf.remove(index));
}

void ListsMenu::newListFromFile()
{
    if (!m_shelf.mayChange())
        return;
    if (m_shelf.count() >= Shelf::kMaxLists) {
        tellOutcome(Shelf::Refusal::TooManyLists);
        return;
    }
    NameListFiles files(*m_services.prompter, m_window, *m_services.settings);
    files.importNewList([this](const QString& path, const QStringList& names) {
        tellOutcome(m_shelf.add(m_shelf.freeName(QFileInfo(path).completeBaseName()), names));
    });
}

void ListsMenu::restoreList()
{
    tellOutcome(m_shelf.restore());
}
