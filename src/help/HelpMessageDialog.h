#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class Settings;

// The help message: tells the user how What's-This help works before help mode starts.
// Its check box is the "Show Help Message" setting, read when the dialog opens and written
// however it closes (OK, Enter, Esc or the close box).
class HelpMessageDialog : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the dialog is modal to and centred on; settings: where the check
    // box is kept.
    HelpMessageDialog(QWidget* owner, Settings& settings);

    QLabel* messageLabel;
    QCheckBox* showAgainBox; // Show this message every time
    QPushButton* okButton;   // OK

    void load();
    void ok();
    void storeShowAgain();

    // Every way the dialog ends comes through here.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Settings& m_settings;
};
