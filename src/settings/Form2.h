#pragma once

#include "settings/CRegSettings.h"

#include <QDialog>

class Form1;
class QCheckBox;
class QGroupBox;
class QPushButton;

// The Options dialog: the three shuffle effects and the remembering of names. It shows
// what is stored (read afresh each time it opens); Save stores the boxes and applies the
// effects to the main window at once, Cancel changes nothing.
class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(Form1& owner);

    QGroupBox* Frame1;
    QCheckBox* Check1;     // Flash different colors
    QCheckBox* Check2;     // Remember name list between sessions.
    QCheckBox* Check3;     // Shake window
    QCheckBox* Check4;     // Play sound
    QPushButton* Command1; // Save
    QPushButton* Command2; // Cancel

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    Form1& m_owner;
    CRegSettings regset;
};
