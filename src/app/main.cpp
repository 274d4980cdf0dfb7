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
#include "ui/SteadyPaletteStyle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    // The style chosen for the program (by default, the desktop or -style), drawing so that
    // the flash does not make the program grow.
    QApplication::setStyle(new SteadyPaletteStyle);
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
    MainWindow form(services);
    prompter.setOwner(&form);
    ExitGuard guard(&form);
    form.show();
    return app.exec();
}
