#include "ExitGuard.h"
#include "Form1.h"
#include "draw/ClockRandomSource.h"
#include "platform/SdlSoundPlayer.h"
#include "ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("nimbrel"));

    QtPrompter prompter;
    SdlSoundPlayer player;
    ClockRandomSource random;
    Form1 form({&prompter, &player, &random, QApplication::applicationDirPath(), {}});
    prompter.setOwner(&form);
    ExitGuard guard(&form);
    form.show();
    return app.exec();
}
