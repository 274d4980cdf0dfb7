#include "Form1.h"
#include "draw/ClockRandomSource.h"
#include "platform/SdlSoundPlayer.h"
#include "print/QtPrinterDevice.h"
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
    QtPrinterDevice printer;
    Form1Services services{&prompter, &player, &random, QApplication::applicationDirPath(), {}};
    services.printer = &printer;
    Form1 form(services);
    prompter.setOwner(&form);
    form.show();
    return app.exec();
}
