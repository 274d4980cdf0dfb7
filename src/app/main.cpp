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
#include "ui/QtPrompter.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

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
    MainWindowServices services{&prompter, &player, &random, QApplication::applicationDirPath(), {}};
    services.launcher = &launcher;
    services.printer = &printer;
    int exitCode = 0;
    {
        MainWindow form(services);
        prompter.setOwner(&form);
        ExitGuard guard(&form);
        form.show();
        exitCode = app.exec();
    } // the window goes, and its settings store closes with it
    // The list is written, or the user has been told why not, and the store is closed:
    // nothing is left that matters. The rest of the teardown (the sound system waiting for
    // its device scan, the accessibility bridge, the toolkit) kept the process alive for
    // over a second after the window had gone; the system frees all of it at once.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
