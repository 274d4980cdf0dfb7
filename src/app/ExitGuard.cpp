#include "ExitGuard.h"

#include "MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QThread>

#include <cstdlib>

namespace {

MainWindow* s_form = nullptr;

// The toolkit ends the process with exit() when it loses the display; the window is still
// alive then, so the list can be written (silently: nothing can be shown any more).
void saveAtExit()
{
    if (s_form)
        s_form->saveNamesNow();
}

void dismiss(QWidget* widget)
{
    // Esc, as the user would press it: Cancel, or the only button of a message.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &escape);
    if (!widget->isVisible())
        return;
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->reject();
    else
        widget->close();
}

} // namespace

ExitGuard::ExitGuard(MainWindow* form) : m_form(form)
{
    m_closer.setInterval(10);
    connect(&m_closer, &QTimer::timeout, this, &ExitGuard::closeStep);
    connect(&m_signals, &ExitSignals::received, this, &ExitGuard::closeWindow);
    // The session manager asks for our data before the session ends: same save as the
    // unload. If the session goes on, the window's own close saves again.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_form->saveNamesNow(); });

    static const bool registered = std::atexit(saveAtExit) == 0;
    (void)registered;
    s_form = form;
}

ExitGuard::~ExitGuard()
{
    s_form = nullptr;
}

void ExitGuard::closeWindow()
{
    if (!m_closer.isActive()) {
        m_closer.start();
        closeStep();
    }
}

void ExitGuard::closeStep()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        dismiss(modal);
        return;
    }
    // A dismissed dialog's event loop unwinds first, so its handler finishes as on Cancel.
    if (QThread::currentThread()->loopLevel() > 1)
        return;
    m_closer.stop();
    m_form->close();
}
