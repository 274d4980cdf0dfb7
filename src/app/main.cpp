#include "CommandLine.h"
#include "Form1.h"
#include "draw/ClockRandomSource.h"
#include "platform/SdlSoundPlayer.h"
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
    SdlSoundPlayer player;
    ClockRandomSource random;
    Form1 form({&prompter, &player, &random, QApplication::applicationDirPath(), {}});
    prompter.setOwner(&form);
    form.show();
    return app.exec();
}
