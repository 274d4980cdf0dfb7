#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// Split into Teams: how many teams, or how many names in each, for a list of names; the
// teams it makes are said before OK, which is refused (disabled) with fewer names than teams.
class TeamsDialog : public QDialog
{
    Q_OBJECT
public:
    TeamsDialog(QWidget* parent, int names);

    // The number of teams asked for, or that makes teams of the size asked for.
    int teams() const;
    QSpinBox* teamsBox() const { return m_teams; }
    QSpinBox* sizeBox() const { return m_size; }
    QRadioButton* bySizeButton() const { return m_bySize; }
    QString outcome() const;

private:
    void update();

    int m_names;
    QRadioButton* m_byCount;
    QRadioButton* m_bySize;
    QSpinBox* m_teams;
    QSpinBox* m_size;
    QLabel* m_outcome;
    QDialogButtonBox* m_buttons;
};
