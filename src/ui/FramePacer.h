#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Holds a window's repaints to one a frame of its screen while it animates. A window that
// changes every 10 ms on a 60 Hz screen can show 60 pictures a second; drawing the other 40
// costs as much as drawing those and is never seen. While active, a repaint the window asks
// for sooner than a frame after the last one waits until a frame has passed, and whatever
// changed in the meantime is painted then, together.
class FramePacer : public QObject
{
public:
    explicit FramePacer(QWidget* window);

    // Inactive, every repaint goes through at once; one that waits is done at once.
    void setActive(bool active);
    bool active() const { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The screen's frame time, in nanoseconds.
    qint64 frameNs() const;
    // Lets the waiting repaint through.
    void release();

    QWidget* m_window;
    bool m_active = false;
    bool m_releasing = false;
    QElapsedTimer m_sinceRepaint;
    QTimer m_wait;
};
