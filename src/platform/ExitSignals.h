#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a closed terminal) into a Qt signal on
// the event loop, so the program can close its window and keep the user's data. The
// handler only writes the signal's number to a pipe that a QSocketNotifier watches. A
// second of these signals arriving before the program has ended ends it at once, as if
// nothing caught them. One instance at a time; the earlier actions return when it goes.
class ExitSignals : public QObject
{
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // False when the pipe or the handlers could not be set up (the signals then act as before).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    // On the event loop, once: the first of the signals arrived.
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
