#include "CommandLine.h"
#include "ExitGuard.h"
#include "FileArguments.h"
#include "MainWindow.h"
#include "MainWindowTexts.h"
#include "SingleInstance.h"
#include "Translation.h"
#include "draw/SeededRandomSource.h"
#include "platform/PlatformServices.h"
#include "platform/ReducedMotion.h"
#include "print/QtPrinterDevice.h"
#include "settings/ReadOnlyStore.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// A later start asked for the running copy: its window (or the dialog open over it) comes
// to the front. On Wayland only the compositor raises windows, and only with a token from
// the launch the user made, which the later start got and passed on.
void bringToFront(QWidget* form, const QString& activationToken)
{
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (form->isMinimized())
        form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : form;
    front->raise();
    front->activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;
    if (const std::optional<int> exitCode = refuseWithoutDisplay(argc, argv))
        return *exitCode;

    // Held so that the end of the run can take it down on its own (see the end).
    std::optional<QApplication> application;
    QApplication& app = application.emplace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBREL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    // Desktops match the window to its menu entry and icon by this ID.
    QApplication::setDesktopFileName(QStringLiteral(NIMBREL_APP_ID));
    // The user's language where the program speaks it, English otherwise.
    const Translation translation(QApplication::applicationDirPath());

    QtPrompter prompter;
    // One copy per settings store: a later start hands its files over to this one and ends,
    // before it has read the store or shown a window.
    SingleInstance instance(SingleInstance::userStoreSocketPath());
    const QStringList files = filesToOpen(QApplication::arguments(), QDir::currentPath());
    bool storeHeldElsewhere = false;
    switch (instance.start({files, qEnvironmentVariable("XDG_ACTIVATION_TOKEN")})) {
    case SingleInstance::Role::HandedOver:
        std::fflush(nullptr);
        std::_Exit(0);
    case SingleInstance::Role::Unanswered:
        // Said within seconds, naming the copy to see to. This one may run all the same, as
        // long as it leaves the store to that copy.
        if (prompter.askYesNo(MainWindowTexts::oops(),
                              SingleInstance::unansweredText(instance.holder()) + QStringLiteral("\n\n") +
                                  SingleInstance::startAnywayText(),
                              Prompter::Icon::Warning) == Prompter::Answer::No) {
            std::fflush(nullptr);
            std::_Exit(1);
        }
        storeHeldElsewhere = true;
        break;
    case SingleInstance::Role::First:
    case SingleInstance::Role::Alone:
        break;
    }
    const PlatformServices platform = createPlatformServices();
    SeededRandomSource random;
    QtPrinterDevice printer;
    MainWindowServices services{&prompter, platform.sound.get(), &random, QApplication::applicationDirPath()};
    services.launcher = platform.launcher.get();
    services.printer = &printer;
    services.language = translation.language();
    services.windowPlacesItself = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    int exitCode = 0;
    {
        // The one settings object of the run, for the main window and the dialogs it opens.
        std::shared_ptr<SettingsStore> store = openUserStore();
        if (storeHeldElsewhere)
            store = std::make_shared<ReadOnlyStore>(std::move(store));
        Settings settings(std::move(store), QApplication::applicationDirPath());
        settings.setReducedMotion(desktopPrefersReducedMotion());
        services.settings = &settings;
        MainWindow form(services);
        prompter.setOwner(&form);
        ExitGuard guard(&form);
        QObject::connect(&instance, &SingleInstance::requested, &form, [&form](const SingleInstance::Request& request) {
            bringToFront(&form, request.activationToken);
            QTimer::singleShot(0, &form, [&form, files = request.files] { form.openFiles(files); });
        });
        instance.stopAnsweringWhenClosed(&form);
        form.show();
        QTimer::singleShot(0, &form, [&form, &files] { form.openFiles(files); });
        exitCode = app.exec();
    } // the window goes, then the settings store closes
    // The list is stored: a later start may run on its own now (waiting ones try again).
    instance.close();
    // The list is written, or the user has been told why not, and the store is closed:
    // nothing is left that matters. The rest of the teardown (the sound system waiting for
    // its device scan, the accessibility bridge, the toolkit) kept the process alive for
    // over a second after the window had gone; the system frees all of it at once.
    std::fflush(nullptr);
    // Text copied from the list lives in this process until the desktop's clipboard manager
    // has taken a copy; the toolkit hands it over as it shuts down (X11), so then, and only
    // then, it is shut down first.
    if (QGuiApplication::clipboard()->ownsClipboard())
        application.reset();
    std::_Exit(exitCode);
}
