#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running copy per settings store and user. Two copies over one store would each write
// their own list at exit, and the last one to end would silently replace the other's, so a
// later start hands what it was given to the running copy, which comes to the front, and
// ends. Copies over other stores (another user, another XDG_CONFIG_HOME) never meet: the
// local socket they meet at is named after the user and the store's real path, and lies in
// a folder only the user can reach (on Windows: a pipe only the user may use).
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // What a later start hands over.
    struct Request
    {
        QStringList files;       // absolute paths, to be imported
        QString activationToken; // the desktop's token for raising a window (Wayland), or empty
    };

    enum class Role {
        First,      // no copy runs: this one does, and answers later starts
        HandedOver, // the running copy took the request: this one ends
        Unanswered, // a copy runs but did not answer within kAnswerMs (stopped, hung or busy ending)
        Alone,      // could not take part (no socket): runs as before, on its own
    };

    // socketPath: where the copies of one store meet (socketPath() below); empty where there
    // is no place only the user can reach (start() then says Alone).
    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands request to the running copy, or becomes the copy that later starts find.
    Role start(const Request& request);
    // From now on later starts are left waiting: this copy is ending and its list is not
    // saved yet. They find the place free once this process has gone.
    void stopAnswering() { m_answering = false; }
    // Stops answering as soon as window starts closing (its list is saved during the close).
    void stopAnsweringWhenClosed(QObject* window) { window->installEventFilter(this); }
    // Gives up the meeting place, for the next start to take.
    void close();
    // The process that holds the place when start() said Unanswered; 0 when not known.
    qint64 holder() const { return m_holder; }

    // The meeting place in folder for the store at storePath and the user.
    static QString socketPath(const QString& storePath, const QString& user, const QString& folder);
    // The folder for it, one only the user can reach: the user's runtime folder, else a
    // folder of the program's own in the user's cache folder; empty when neither is such a
    // folder (never one of the shared temporary folder, where anyone may put a file or a
    // link in the place of ours).
    static QString socketFolder();
    // The store's path with every link resolved, as far as it exists yet.
    static QString realPath(const QString& path);
    // socketPath() for the program's own store and the user running it.
    static QString userStoreSocketPath();
    // What a later start says when the running copy does not answer; holder: its process
    // (holder()), named when known.
    static QString unansweredText(qint64 holder = 0);
    // Asked after unansweredText(): this copy may still run, over a store it does not write.
    static QString startAnywayText();

    // How long a later start waits for the running copy's answer, or for another start to
    // let go of the place: a copy busy ending answers by then, a stopped one never does.
    static constexpr int kAnswerMs = 3000;

signals:
    void requested(const SingleInstance::Request& request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sends the request; HandedOver on the answer, First when the copy went away before
    // answering (start() then tries again), Unanswered on silence.
    Role deliver(QLocalSocket& socket, const Request& request);
    bool listen();
    void answer(QLocalSocket* socket);

    QString m_path;
    QLocalServer* m_server = nullptr;
    bool m_answering = true;
    qint64 m_holder = 0;
};
