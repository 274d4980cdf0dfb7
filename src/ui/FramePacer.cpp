#include "FramePacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

FramePacer::FramePacer(QWidget* window) : QObject(window), m_window(window)
{
    m_wait.setSingleShot(true);
    m_wait.setTimerType(Qt::PreciseTimer);
    connect(&m_wait, &QTimer::timeout, this, &FramePacer::release);
    // The window's widgets ask for their repaints with one request to the window, which then
    // paints all of them.
    window->installEventFilter(this);
}

void FramePacer::setActive(bool active)
{
    m_active = active;
    if (!active && m_wait.isActive()) {
        m_wait.stop();
        release();
    }
}

qint64 FramePacer::frameNs() const
{
    const QScreen* screen = m_window->screen();
    const qreal hertz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    return qint64(1e9 / hertz);
}

bool FramePacer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window || event->type() != QEvent::UpdateRequest || !m_active || m_releasing)
        return false;
    if (m_wait.isActive())
        return true; // the waiting repaint will paint this too
    const qint64 left = m_sinceRepaint.isValid() ? frameNs() - m_sinceRepaint.nsecsElapsed() : 0;
    if (left > 0) {
        m_wait.start(int((left + 999'999) / 1'000'000));
        return true;
    }
    m_sinceRepaint.start();
    return false;
}

void FramePacer::release()
{
    m_sinceRepaint.start();
    m_releasing = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(m_window, &request);
    m_releasing = false;
}
