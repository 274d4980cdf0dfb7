#pragma once

#include <QDialog>

class QCheckBox;
class Settings;
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
class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the dialog is modal to; window: what Save switches; settings: where
    // the boxes are stored.
    OptionsDialog(QWidget* owner, EffectSwitches& window, Settings& settings);

    QGroupBox* effectsGroup;
    QCheckBox* flashBox;       // Flash different colors
    QCheckBox* rememberBox;    // Remember name list between sessions.
    QCheckBox* shakeBox;       // Shake window
    QCheckBox* soundBox;       // Play sound
    QPushButton* saveButton;   // Save
    QPushButton* cancelButton; // Cancel

    void load();
    void save();
    void cancel();

private:
    EffectSwitches& m_window;
    Settings& m_settings;
};
