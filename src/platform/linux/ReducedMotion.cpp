#include "platform/ReducedMotion.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

// How long GNOME's settings may take to answer: start-up does not wait longer.
constexpr int kGsettingsTimeoutMs = 300;

// KDE: "Animation speed" at its far end writes AnimationDurationFactor=0 to kdeglobals.
bool kdeAnimationsOff()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = folder + QStringLiteral("/kdeglobals");
    if (!QFileInfo::exists(path))
        return false;
    const QSettings kdeglobals(path, QSettings::IniFormat);
    bool ok = false;
    const double factor = kdeglobals.value(QStringLiteral("KDE/AnimationDurationFactor")).toDouble(&ok);
    return ok && factor == 0.0;
}

// GNOME (and desktops built on its settings): org.gnome.desktop.interface enable-animations.
bool gnomeAnimationsOff()
{
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                              QStringLiteral("enable-animations")});
    if (!process.waitForFinished(kGsettingsTimeoutMs)) {
        process.kill();
        process.waitForFinished(kGsettingsTimeoutMs);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           process.readAllStandardOutput().trimmed() == "false";
}

} // namespace

bool desktopPrefersReducedMotion()
{
    return kdeAnimationsOff() || gnomeAnimationsOff();
}
