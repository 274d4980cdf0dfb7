#include "DrawActions.h"

#include "MainWindowTexts.h"
#include "PublicDrawDialog.h"
#include "TeamsDialog.h"
#include "draw/Teams.h"
#include "files/NameListFiles.h"
#include "hat/Hat.h"
#include "hat/Shelf.h"
#include "print/PrintLines.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

DrawActions::DrawActions(Shelf& shelf, const Services& services, QMenu* menu, QWidget* window)
    : QObject(menu), m_shelf(shelf), m_services(services), m_window(window)
{
    const auto add = [menu, window, this](const char* name, const QString& caption, const QKeySequence& keys,
                                          void (DrawActions::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        window->addAction(action);
        return action;
    };
    //: List menu: deals the list, in its drawn order, into teams shown over the whole screen.
    m_teamsAction = add("splitTeamsAction", tr("Split into Teams..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                        &DrawActions::splitIntoTeams);
    //: List menu: a draw whose seed follows from the list and a number published later.
    m_publicAction = add("publicDrawAction", tr("Draw from a Public Number..."),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &DrawActions::drawFromPublicNumber);

    //: List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.
    m_winnersMenu = menu->addMenu(tr("Winners Shown"));
    m_winnersMenu->setObjectName(QStringLiteral("winnersMenu"));
    m_winnersGroup = new QActionGroup(this);
    for (int n = 1; n <= DrawView::kMaxWinners; ++n) {
        QAction* action = m_winnersMenu->addAction(textLocale().toString(n));
        action->setCheckable(true);
        action->setData(n);
        m_winnersGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { setWinners(n); });
    }
    connect(m_winnersMenu, &QMenu::aboutToShow, this,
            [this] { m_winnersGroup->actions().at(winners() - 1)->setChecked(true); });

    //: List menu: a submenu of the screens Show the Draw can open on.
    m_screenMenu = menu->addMenu(tr("Show the Draw On"));
    m_screenMenu->setObjectName(QStringLiteral("screenMenu"));
    connect(m_screenMenu, &QMenu::aboutToShow, this, &DrawActions::fillScreenMenu);
    // Screens come and go: the submenu is there to choose from with more than one.
    connect(menu, &QMenu::aboutToShow, this,
            [this] { m_screenMenu->menuAction()->setEnabled(QGuiApplication::screens().size() > 1); });
    enableActions();
}

Hat& DrawActions::hat() const
{
    return m_shelf.current();
}

DrawActions::~DrawActions()
{
    delete m_view;
}

void DrawActions::enableActions()
{
    const bool any = hat().mayChange() && hat().count() != 0;
    m_teamsAction->setEnabled(any);
    m_publicAction->setEnabled(any);
}

int DrawActions::winners() const
{
    bool ok = false;
    const int n = m_services.settings->text(SettingsKeys::WinnersShown).toInt(&ok);
    return ok ? std::clamp(n, 1, int(DrawView::kMaxWinners)) : 1;
}

void DrawActions::setWinners(int winners)
{
    winners = std::clamp(winners, 1, int(DrawView::kMaxWinners));
    if (winners == this->winners())
        return;
    m_services.settings->setText(SettingsKeys::WinnersShown, QString::number(winners));
    if (m_view)
        m_view->setWinners(winners);
    emit winnersChanged(winners);
}

QScreen* DrawActions::drawScreen() const
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* own = m_window->screen();
    const QString chosen = m_services.settings->text(SettingsKeys::DrawScreen);
    for (QScreen* screen : screens) {
        if (!chosen.isEmpty() && screen->name() == chosen)
            return screen;
    }
    for (QScreen* screen : screens) {
        if (screen != own)
            return screen;
    }
    return own;
}

void DrawActions::fillScreenMenu()
{
    m_screenMenu->clear();
    auto* group = new QActionGroup(m_screenMenu);
    const QString chosen = m_services.settings->text(SettingsKeys::DrawScreen);
    const auto add = [&](const QString& caption, const QString& name) {
        QAction* action = m_screenMenu->addAction(caption);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, name] { m_services.settings->setText(SettingsKeys::DrawScreen, name); });
        return action;
    };
    //: Submenu Show the Draw On: the first choice, the one made until another is chosen.
    QAction* other = add(tr("Another Screen than the Window's"), QString());
    other->setChecked(true);
    m_screenMenu->addSeparator();
    const QLocale numbers = textLocale();
    for (QScreen* screen : QGuiApplication::screens()) {
        //: Submenu Show the Draw On: a screen by its name and size, such as "HDMI-1 (1920 × 1080)".
        QAction* action = add(tr("%1 (%2 × %3)")
                                  .arg(screen->name(), numbers.toString(screen->size().width()),
                                       numbers.toString(screen->size().height())),
                              screen->name());
        if (screen->name() == chosen)
            action->setChecked(true);
    }
}

void DrawActions::open(DrawView* view)
{
    if (m_view)
        m_view->close();
    // A window of its own, not one the main window owns: the desktop would hide it with a
    // minimised main window.
    m_view = view;
    connect(view, &DrawView::winnersChanged, this, &DrawActions::setWinners);
    connect(view, &DrawView::printRequested, this,
            [this] { printLines(m_services.printer, m_view->lines(), *m_services.prompter); });
    connect(view, &DrawView::exportRequested, this, [this] {
        NameListFiles files(*m_services.prompter, m_view, *m_services.settings);
        files.exportText(m_view->lines(),
                         m_view->showsTeams() ? QStringLiteral("teams.txt") : QStringLiteral("winners.txt"));
    });
    view->showOn(drawScreen());
}

void DrawActions::showDraw()
{
    if (!hat().mayChange() || hat().count() == 0)
        return;
    open(new DrawView(hat().names(0, DrawView::kMaxWinners + DrawView::kNextShown), hat().count(), winners()));
}

void DrawActions::tellTooFewNames()
{
    m_services.prompter->tell(
        MainWindowTexts::oops(),
        QCoreApplication::translate("MainWindow", "You must add at least two names to the list first."),
        Prompter::Icon::Warning);
}

void DrawActions::splitIntoTeams()
{
    if (!hat().mayChange())
        return;
    const int count = hat().count();
    if (count < 2) {
        tellTooFewNames();
        return;
    }
    // The draw decides the teams: an order nobody drew would decide them just as firmly.
    if (!hat().standsAsDrawn() &&
        m_services.prompter->askYesNo(
            MainWindowTexts::pleaseConfirm(),
            //: Asked before Split into Teams when the list was not shuffled since it last changed.
            tr("The list is not in the order of a draw: it was not shuffled since it last changed. Split it "
               "into teams as it stands?"),
            Prompter::Icon::Question) != Prompter::Answer::Yes)
        return;
    TeamsDialog dialog(m_window, count);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int teams = dialog.teams();
    const std::vector<std::vector<int>> dealt = Teams::deal(count, teams);
    if (dealt.empty())
        return; // the dialog refuses fewer names than teams
    const QStringList names = hat().names();
    QList<QStringList> shown;
    for (const std::vector<int>& places : dealt) {
        QStringList& team = shown.emplace_back();
        for (const int place : places)
            team.append(names[place]);
    }
    hat().noteTeams(teams);
    open(new DrawView(shown, count));
}

void DrawActions::drawFromPublicNumber()
{
    if (!hat().mayChange())
        return;
    if (hat().count() < 2) {
        tellTooFewNames();
        return;
    }
    PublicDrawDialog dialog(m_window, listFingerprint(hat().names()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (hat().drawFromPublicText(dialog.text()) == Hat::Start::TooFewNames)
        tellTooFewNames();
}
