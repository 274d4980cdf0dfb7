#include "platform/StoreLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

std::string userStorePath()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const bool ownConfigHome = configHome.startsWith(QLatin1Char('/'));
    QString base;
    if (!ownConfigHome && qEnvironmentVariableIsEmpty("HOME")) {
        // Qt's home is "/" then; the password database knows the user's.
        const passwd* pw = getpwuid(getuid());
        base = (pw ? QFile::decodeName(pw->pw_dir) : QString()) + QStringLiteral("/.config");
    } else if (!ownConfigHome && !configHome.isEmpty()) {
        // Qt takes XDG_CONFIG_HOME as it is; the base directory rules ignore one that is not
        // an absolute path.
        base = QDir::homePath() + QStringLiteral("/.config");
    } else {
        base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    return QFile::encodeName(base + QStringLiteral("/nimbrel/registry.sqlite")).toStdString();
}
