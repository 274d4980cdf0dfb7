#include "XdgUrlLauncher.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace {

// Exit codes of xdg-open.
constexpr int kXdgFileMissing = 2;
constexpr int kXdgNoMethod = 3;

// The tools are short shell scripts: a query that takes longer than this is stuck.
constexpr int kQueryBudget = 3000;

void silence(QProcess& process)
{
    // The started program inherits these; pipes would break once we stop reading them.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

} // namespace

XdgUrlLauncher::XdgUrlLauncher(int moment) : m_moment(moment) {}

XdgUrlLauncher::Handler XdgUrlLauncher::defaultHandler(const QString& scheme) const
{
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(kQueryBudget)) {
        query.kill();
        query.waitForFinished();
        return Handler::Unknown;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return Handler::Unknown;
    return query.readAllStandardOutput().trimmed().isEmpty() ? Handler::None : Handler::Registered;
}

int XdgUrlLauncher::launch(quintptr /*owner*/, const QString& target)
{
    // Without an answer from xdg-mime, xdg-open decides (it reports "no method" itself).
    const QString scheme = QUrl(target).scheme();
    if (!scheme.isEmpty() && defaultHandler(scheme) == Handler::None)
        return NoAssociation;

    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return FileNotFound;

    auto launch = std::make_unique<QProcess>();
    silence(*launch);
    // The address is the one argument, never part of a command line a shell would parse.
    launch->start(xdgOpen, {target});
    if (!launch->waitForStarted())
        return AccessDenied;
    if (!launch->waitForFinished(m_moment)) {
        // Still busy: xdg-open runs the program in its own foreground, so the launch is on
        // its way. Keep it until it ends rather than wait for the user to close the program.
        QProcess* running = launch.release();
        running->setParent(&m_running);
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return Launched;
    }
    if (launch->exitStatus() != QProcess::NormalExit)
        return OutOfResources;
    switch (launch->exitCode()) {
    case 0:
        return Launched;
    case kXdgFileMissing:
        return FileNotFound;
    case kXdgNoMethod:
        return NoAssociation;
    default:
        return OutOfResources;
    }
}
