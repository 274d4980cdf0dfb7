#pragma once

#include "settings/CRegSettings.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

// What the Options dialog changes in the window that opens it.
class EffectSwitches
{
public:
    virtual ~EffectSwitches() = default;
    // Puts the window and its button panel back to their rest colour.
    virtual void restoreRestColour() = 0;
    // Applied in this order: shake, flash, sound.
    virtual void setEffects(bool shaky, bool flashy, bool sound) = 0;
};

// The Options dialog: the three shuffle effects and the remembering of names. It shows
// what is stored (read afresh each time it opens); Save stores the boxes and applies the
// effects to the main window at once, Cancel changes nothing.
class Form2 : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the dialog is modal to; window: what Save switches.
    Form2(QWidget* owner, EffectSwitches& window);

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
    EffectSwitches& m_window;
    CRegSettings regset;
};
