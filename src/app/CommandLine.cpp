#include "CommandLine.h"
#include "OwnOptions.h"
#include "Translation.h"
#include "platform/StoreLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Only our own options, each exactly so: a word such as -reverse or -visual is Qt's,
    // not a bundle of one-letter options.
    QString unknown;
    const OwnOption own = ownOption(arguments, &unknown);
    if (own == OwnOption::None)
        return std::nullopt;

    // An application object names the program in the usage line and finds the translations
    // beside the program; no display is needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbrel"));
    if (own == OwnOption::Version) {
        QTextStream(stdout) << "Nimbrel " << NIMBREL_VERSION << '\n';
        return 0;
    }
    const Translation translation(QCoreApplication::applicationDirPath());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        //: %1 is the full path of the settings file.
        CommandLine::tr("Draws names out of a hat: keep a list of names, shuffle it and stop at random.\n"
                        "The options and the remembered list are kept in %1.")
            .arg(QString::fromStdString(userStorePath())));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("Show the version and exit.")});
    if (own == OwnOption::Unknown) {
        // On the error stream with the usage, and a status scripts can tell from a failed start.
        //: Printed in a terminal; %1 is the option as given, such as --bogus.
        QTextStream(stderr) << CommandLine::tr("nimbrel: %1 is an unknown option.").arg(unknown) << "\n\n"
                            << parser.helpText();
        return 2;
    }
    QTextStream(stdout) << parser.helpText();
    return 0;
}

std::optional<int> refuseWithoutDisplay(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return std::nullopt;
    // Qt reads the platform from "-platform NAME" (or "--platform NAME").
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return std::nullopt;
    }
    // Said in the user's language, which needs an application object (no display).
    QCoreApplication app(argc, argv);
    const Translation translation(QCoreApplication::applicationDirPath());
    //: Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and "xvfb-run -a nimbrel" as they are.
    QTextStream(stderr) << CommandLine::tr("nimbrel: no display to open a window on (neither DISPLAY nor "
                                           "WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel")
                        << '\n';
    return 1;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt; // Windows and macOS always have their desktop
#endif
}
