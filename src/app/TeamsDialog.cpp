#include "TeamsDialog.h"

#include "draw/MaxNames.h"
#include "draw/Teams.h"
#include "ui/TextLocale.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

TeamsDialog::TeamsDialog(QWidget* parent, int names) : QDialog(parent), m_names(names)
{
    setObjectName(QStringLiteral("teamsDialog"));
    //: Title of the dialog that splits the list into teams.
    setWindowTitle(tr("Split into Teams"));
    auto* explanation =
        //: The first line of the dialog that splits the list into teams.
        new QLabel(tr("The names are dealt into teams in the order drawn: the first name to Team 1, the second "
                      "to Team 2, and so on."));
    explanation->setWordWrap(true);
    //: Split into Teams: a choice, followed by a number box.
    m_byCount = new QRadioButton(tr("Number of teams:"));
    //: Split into Teams: the other choice, followed by a number box.
    m_bySize = new QRadioButton(tr("Names in each team:"));
    m_byCount->setChecked(true);
    m_teams = new QSpinBox;
    m_teams->setObjectName(QStringLiteral("teamsBox"));
    m_teams->setRange(2, kMaxNames);
    m_size = new QSpinBox;
    m_size->setObjectName(QStringLiteral("sizeBox"));
    // At most one fewer than the names: a size of all of them makes one team.
    m_size->setRange(1, std::max(1, names - 1));
    m_size->setValue(std::min(4, m_size->maximum()));
    m_outcome = new QLabel;
    m_outcome->setObjectName(QStringLiteral("outcome"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(explanation, 0, 0, 1, 2);
    grid->addWidget(m_byCount, 1, 0);
    grid->addWidget(m_teams, 1, 1);
    grid->addWidget(m_bySize, 2, 0);
    grid->addWidget(m_size, 2, 1);
    grid->addWidget(m_outcome, 3, 0, 1, 2);
    grid->addWidget(m_buttons, 4, 0, 1, 2);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QSpinBox* box : {m_teams, m_size}) {
        connect(box, &QSpinBox::valueChanged, this, &TeamsDialog::update);
        // Typing in a box chooses it.
        connect(box, &QSpinBox::valueChanged, this,
                [this, box] { (box == m_teams ? m_byCount : m_bySize)->setChecked(true); });
    }
    connect(m_byCount, &QRadioButton::toggled, this, &TeamsDialog::update);
    update();
    // Typing a number replaces the one offered.
    m_teams->setFocus();
    m_teams->selectAll();
}

int TeamsDialog::teams() const
{
    return m_byCount->isChecked() ? m_teams->value() : Teams::countForSize(m_names, m_size->value());
}

QString TeamsDialog::outcome() const
{
    return m_outcome->text();
}

void TeamsDialog::update()
{
    const int teams = this->teams();
    const QLocale numbers = textLocale();
    const bool possible = teams >= 2 && teams <= m_names;
    if (possible) {
        const int fewest = m_names / teams;
        const int most = (m_names + teams - 1) / teams;
        const QString size = fewest == most ? numbers.toString(most)
                                            //: Split into Teams: the sizes of teams that differ by one, as "3–4".
                                            : tr("%1–%2").arg(numbers.toString(fewest), numbers.toString(most));
        //: Split into Teams: what the choice makes; %1 is the number of teams, %2 their size ("4" or "3–4").
        m_outcome->setText(tr("Teams: %1; names in each team: %2").arg(numbers.toString(teams), size));
    } else {
        //: Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.
        m_outcome->setText(
            tr("There are fewer names (%1) than teams (%2).").arg(numbers.toString(m_names), numbers.toString(teams)));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(possible);
}
