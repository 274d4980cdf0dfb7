#include "Form1.h"
#include "draw/ClockRandomSource.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/XdgUrlLauncher.h"
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
    XdgUrlLauncher launcher;
    Form1Services services{&prompter, &player, &random, QApplication::applicationDirPath(), {}};
    services.launcher = &launcher;
    Form1 form(services);
    prompter.setOwner(&form);
    form.show();
    return app.exec();
}
