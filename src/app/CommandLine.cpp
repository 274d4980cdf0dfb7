#include "CommandLine.h"

#include "Translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The options with their descriptions in the language installed when this is called.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        CommandLine::tr("Draws names out of a hat: keep a list of names, shuffle it and stop at random.\n"
                        "The options and the remembered list are kept in "
                        "${XDG_CONFIG_HOME:-~/.config}/nimbrel/registry.sqlite."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("Show the version and exit.")});
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments); // unknown arguments are not an error: they are ignored
    const bool help = parser.isSet(QStringLiteral("help"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;

    // An application object names the program in the usage line and finds the
    // translations beside the program; no display is needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbrel"));
    QTextStream out(stdout);
    if (!help) {
        out << "Nimbrel " << NIMBREL_VERSION << '\n';
        return 0;
    }
    const Translation translation(QCoreApplication::applicationDirPath());
    QCommandLineParser translated;
    describe(translated);
    out << translated.helpText();
    return 0;
}
