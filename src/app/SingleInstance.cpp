#include "SingleInstance.h"

#include "platform/StoreLocation.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "platform/windows/UserPipe.h"
#endif

namespace {

// Bumped when the request's form changes: a copy of another version is not answered.
constexpr quint32 kProtocol = 1;
// The answer a running copy gives once it has taken a request.
constexpr char kTaken = 'A';
// A request is a few paths; anything longer is not one of ours.
constexpr qint64 kMaxRequestBytes = 1 << 20;
// Rounds of looking for the running copy when it goes away while we talk to it.
constexpr int kAttempts = 3;

QString lockPathFor(const QString& socketPath)
{
    const QString name = socketPath + QStringLiteral(".lock");
    return QFileInfo(name).isAbsolute() ? name : QDir::temp().filePath(name);
}

// A file another user made where ours belong: not ours to talk to, wait for or remove.
bool someoneElses(const QString& path)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(path);
    return info.exists() && info.ownerId() != uint(getuid());
#else
    Q_UNUSED(path);
    return false;
#endif
}

#ifdef Q_OS_UNIX
// A folder only this user can reach: a folder, not a link to one, of the user's, closed to
// everyone else, that the user may write in.
bool usersOwnFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    return ::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0 && ::access(name.constData(), W_OK) == 0;
}
#endif

// The process at the other end of socket, the running copy; 0 when the system does not say.
qint64 peerProcess(const QLocalSocket& socket)
{
#if defined(Q_OS_LINUX)
    ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
        return peer.pid;
#elif defined(Q_OS_WIN)
    return qint64(UserPipe::serverProcess(reinterpret_cast<void*>(socket.socketDescriptor())));
#endif
    Q_UNUSED(socket);
    return 0;
}

} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent) : QObject(parent), m_path(socketPath) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::start(const Request& request)
{
    m_holder = 0;
    if (m_path.isEmpty())
        return Role::Alone; // no place only this user can reach
    // Looking for the running copy and taking its place is one step: two copies started at
    // once must not both find the place free, nor remove the socket the other just made.
    QLockFile lock(lockPathFor(m_path));
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (someoneElses(lockPathFor(m_path)) || someoneElses(m_path))
            return Role::Alone;
        if (!lock.tryLock(kAnswerMs)) {
            if (lock.error() != QLockFile::LockFailedError)
                return Role::Alone;
            // Another start holds the place and does not let go: stopped or hung there.
            QString host, application;
            if (!lock.getLockInfo(&m_holder, &host, &application) ||
                host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) != 0)
                m_holder = 0; // not known to be a process of this machine
            return Role::Unanswered;
        }
        QLocalSocket socket;
        socket.connectToServer(m_path);
        if (socket.waitForConnected(1000)) {
            lock.unlock();
#ifdef Q_OS_WIN
            // Anyone may make a pipe of any name: nothing goes to one another user made.
            if (!UserPipe::ownedByUser(reinterpret_cast<void*>(socket.socketDescriptor())))
                return Role::Alone;
#endif
            m_holder = peerProcess(socket);
            const Role role = deliver(socket, request);
            if (role != Role::First)
                return role;
            continue; // it ended while we talked: look again
        }
        const QLocalSocket::LocalSocketError error = socket.error();
        if (error == QLocalSocket::SocketTimeoutError)
            return Role::Unanswered; // there, but not taking calls
        if (error != QLocalSocket::ConnectionRefusedError && error != QLocalSocket::ServerNotFoundError)
            return Role::Alone; // not ours to use (another user's, say)
        // Nobody listens: there is no socket, or one a copy that crashed left behind.
        QLocalServer::removeServer(m_path);
        return listen() ? Role::First : Role::Alone;
    }
    return Role::Unanswered;
}

SingleInstance::Role SingleInstance::deliver(QLocalSocket& socket, const Request& request)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << kProtocol << request.files << request.activationToken;
    }
    QByteArray frame;
    {
        QDataStream out(&frame, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << payload;
    }
    socket.write(frame);
    // The running copy answers from its event loop; while it saves its list at exit it does
    // not, and its end closes the connection.
    const QDeadlineTimer deadline(kAnswerMs);
    while (socket.bytesAvailable() == 0) {
        if (socket.state() != QLocalSocket::ConnectedState)
            return Role::First;
        if (deadline.hasExpired())
            return Role::Unanswered;
        socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken ? Role::HandedOver : Role::Unanswered;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    // Only this user may hand requests over.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
#ifdef Q_OS_WIN
    // Qt adds its instances to a pipe of that name that someone else made first; the first
    // instance made here keeps the name ours, and Qt's join it (the lock keeps our own
    // later starts away meanwhile).
    const UserPipe::Reservation name(m_path.startsWith(QLatin1String("\\\\.\\pipe\\"))
                                         ? m_path.toStdWString()
                                         : (QStringLiteral("\\\\.\\pipe\\") + m_path).toStdWString());
    if (!name.held()) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
#endif
    if (!m_server->listen(m_path)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            answer(socket);
        }
    });
    return true;
}

void SingleInstance::close()
{
    delete m_server; // removes the socket
    m_server = nullptr;
}

void SingleInstance::answer(QLocalSocket* socket)
{
    // Left unanswered, the later start waits until this process has ended.
    if (!m_answering || socket->state() != QLocalSocket::ConnectedState)
        return;
    if (socket->bytesAvailable() > kMaxRequestBytes) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    QByteArray payload;
    in >> payload;
    if (!in.commitTransaction())
        return; // the rest is still on its way

    QDataStream fields(payload);
    fields.setVersion(QDataStream::Qt_6_0);
    quint32 protocol = 0;
    Request request;
    fields >> protocol;
    if (protocol == kProtocol)
        fields >> request.files >> request.activationToken;
    if (protocol != kProtocol || fields.status() != QDataStream::Ok) {
        socket->abort();
        return;
    }
    socket->putChar(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    emit requested(request);
}

bool SingleInstance::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        stopAnswering();
    return QObject::eventFilter(watched, event);
}

QString SingleInstance::realPath(const QString& path)
{
    // The part that exists has its links resolved; the rest (a store not made yet) is
    // appended as it is.
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    for (;;) {
        const QString real = QFileInfo(existing).canonicalFilePath();
        if (!real.isEmpty()) {
            if (rest.isEmpty())
                return real;
            return (real.endsWith(QLatin1Char('/')) ? real : real + QLatin1Char('/')) + rest.join(QLatin1Char('/'));
        }
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            return QDir::cleanPath(path);
        rest.prepend(existing.mid(slash + 1));
        existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
    }
}

QString SingleInstance::socketPath(const QString& storePath, const QString& user, const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(user.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(realPath(storePath).toUtf8());
    // Short enough for a socket's path (108 bytes) below a runtime folder.
    const QString name = QStringLiteral("nimbrel-") + QString::fromLatin1(hash.result().toHex().left(32));
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QString SingleInstance::socketFolder()
{
#ifdef Q_OS_UNIX
    // Private to the user and emptied at logout. Not QStandardPaths::RuntimeLocation: it
    // warns on every start where XDG_RUNTIME_DIR is unset and then falls back to a folder in
    // the shared temporary folder, and it makes or changes the permissions of a runtime
    // folder that is missing or open to others.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && usersOwnFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.startsWith(QLatin1Char('/')) || !QDir().mkpath(cache))
        return {};
    const QString folder = cache + QStringLiteral("/nimbrel");
    ::mkdir(QFile::encodeName(folder).constData(), 0700); // or there already: checked below
    return usersOwnFolder(folder) ? folder : QString();
#else
    return {}; // local server names are the system's own (named pipes)
#endif
}

QString SingleInstance::userStoreSocketPath()
{
#ifdef Q_OS_UNIX
    const QString folder = socketFolder();
    if (folder.isEmpty())
        return {};
    return socketPath(QFile::decodeName(userStorePath().c_str()), QString::number(getuid()), folder);
#else
    // The store is the user's part of the registry; the user is the SID, which no other
    // account shares (unlike USERNAME, which anyone may set).
    const QString user = QString::fromStdWString(UserPipe::userSid());
    return user.isEmpty() ? QString() : socketPath(QString(), user, socketFolder());
#endif
}

QString SingleInstance::unansweredText(qint64 holder)
{
    if (holder <= 0) {
        //: A second start of the program while the first one does not respond.
        return tr("Nimbrel is already running, but it does not answer.\n"
                  "Your names stay with it; try again once it has ended.");
    }
    //: A second start of the program while the first one does not respond; %1 is the first one's process number.
    return tr("Nimbrel is already running as process %1, but it does not answer.\n"
              "Your names stay with it: continue or end process %1, then start Nimbrel again.")
        .arg(holder);
}

QString SingleInstance::startAnywayText()
{
    //: Asked below "Nimbrel is already running, but it does not answer."
    return tr("Start anyway? Nothing you change will be kept.");
}
