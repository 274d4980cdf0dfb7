#pragma once

#include "platform/ExitSignals.h"

#include <QObject>
#include <QTimer>

class MainWindow;
class QSessionManager;

// Makes every way the program can end keep the list: a signal (logout, kill, Ctrl+C,
// a closed terminal) closes the main window as its close box does, first dismissing any
// open dialog as by Esc; the end of the desktop session writes the list; and a process
// ended by the toolkit itself (the display connection lost) writes it on the way out.
// Lives while the main window runs the program.
class ExitGuard : public QObject
{
    Q_OBJECT
public:
    explicit ExitGuard(MainWindow* form);
    ~ExitGuard() override;

    // Closes the window as the close box does, once every modal dialog is gone.
    void closeWindow();

private:
    void closeStep();

    MainWindow* m_form;
    ExitSignals m_signals;
    QTimer m_closer;
};
