#include "CommandLine.h"
#include "ExitGuard.h"
#include "MainWindow.h"
#include "draw/ClockRandomSource.h"
#ifdef _WIN32
#include "platform/Win32SoundPlayer.h"
#include "platform/Win32UrlLauncher.h"
#else
#include "platform/SdlSoundPlayer.h"
#include "platform/XdgUrlLauncher.h"
#endif
#include "print/QtPrinterDevice.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBREL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    // Desktops match the window to its menu entry and icon by this ID.
    QApplication::setDesktopFileName(QStringLiteral(NIMBREL_APP_ID));

    QtPrompter prompter;
#ifdef _WIN32
    Win32SoundPlayer player;
    Win32UrlLauncher launcher;
#else
    SdlSoundPlayer player;
    XdgUrlLauncher launcher;
#endif
    ClockRandomSource random;
    QtPrinterDevice printer;
    // The one settings object of the run, for the main window and the dialogs it opens.
    Settings settings(openUserStore(), QApplication::applicationDirPath());
    MainWindowServices services{&prompter, &player, &random, QApplication::applicationDirPath(), &settings};
    services.launcher = &launcher;
    services.printer = &printer;
    MainWindow form(services);
    prompter.setOwner(&form);
    ExitGuard guard(&form);
    form.show();
    return app.exec();
}
