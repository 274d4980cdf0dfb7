#include "CommandLine.h"
#include "OwnOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws names out of a hat: keep a list of names, shuffle it and "
                                                    "stop at random.\nThe options and the remembered list are kept in "
                                                    "${XDG_CONFIG_HOME:-~/.config}/nimbrel/registry.sqlite."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    // Only our own options, each exactly so: a word such as -reverse or -visual is Qt's,
    // not a bundle of one-letter options.
    const OwnOption own = ownOption(arguments);
    if (own == OwnOption::None)
        return std::nullopt;

    // An application object names the program in the usage line; no display is needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbrel"));
    QTextStream out(stdout);
    if (own == OwnOption::Help)
        out << parser.helpText();
    else
        out << "Nimbrel " << NIMBREL_VERSION << '\n';
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
    QTextStream(stderr) << "nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                           "set); to try it without a desktop: xvfb-run -a nimbrel\n";
    return 1;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt; // Windows and macOS always have their desktop
#endif
}
