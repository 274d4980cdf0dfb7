#pragma once

#include <QDialog>

class Prompter;
class QCheckBox;
class Settings;
class QGroupBox;
class QPushButton;

// The Options dialog: the three shuffle effects and the remembering of names. It shows
// what is stored (read afresh each time it opens); Save stores the boxes (the main window
// follows the settings, so the effects change at once) or says why it could not, Cancel
// changes nothing.
class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the dialog is modal to; settings: where the boxes are stored;
    // prompter: tells a Save that could not be stored.
    OptionsDialog(QWidget* owner, Settings& settings, Prompter& prompter);

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
    Settings& m_settings;
    Prompter& m_prompter;
};
