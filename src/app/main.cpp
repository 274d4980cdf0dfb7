#include "CommandLine.h"
#include "ExitGuard.h"
#include "MainWindow.h"
#include "Translation.h"
#include "draw/SeededRandomSource.h"
#include "platform/PlatformServices.h"
#include "print/QtPrinterDevice.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/QtPrompter.h"
#include "ui/SteadyPaletteStyle.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;
    if (const std::optional<int> exitCode = refuseWithoutDisplay(argc, argv))
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
    // The user's language where the program speaks it, English otherwise.
    const Translation translation(QApplication::applicationDirPath());

    QtPrompter prompter;
    const PlatformServices platform = createPlatformServices();
    SeededRandomSource random;
    QtPrinterDevice printer;
    MainWindowServices services{&prompter, platform.sound.get(), &random, QApplication::applicationDirPath()};
    services.launcher = platform.launcher.get();
    services.printer = &printer;
    services.language = translation.language();
    int exitCode = 0;
    {
        // The one settings object of the run, for the main window and the dialogs it opens.
        Settings settings(openUserStore(), QApplication::applicationDirPath());
        services.settings = &settings;
        MainWindow form(services);
        prompter.setOwner(&form);
        ExitGuard guard(&form);
        form.show();
        exitCode = app.exec();
    } // the window goes, then the settings store closes
    // The list is written, or the user has been told why not, and the store is closed:
    // nothing is left that matters. The rest of the teardown (the sound system waiting for
    // its device scan, the accessibility bridge, the toolkit) kept the process alive for
    // over a second after the window had gone; the system frees all of it at once.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
