#include "Form1.h"
#include "draw/ClockRandomSource.h"
#ifdef _WIN32
#include "platform/Win32SoundPlayer.h"
#else
#include "platform/SdlSoundPlayer.h"
#endif
#include "ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("nimbrel"));

    QtPrompter prompter;
#ifdef _WIN32
    Win32SoundPlayer player;
#else
    SdlSoundPlayer player;
#endif
    ClockRandomSource random;
    Form1 form({&prompter, &player, &random, QApplication::applicationDirPath(), {}});
    prompter.setOwner(&form);
    form.show();
    return app.exec();
}
