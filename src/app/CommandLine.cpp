#include "CommandLine.h"
#include "OwnOptions.h"
#include "Translation.h"
#include "draw/DrawRecordFile.h"
#include "draw/MaxNames.h"
#include "draw/PublicDraw.h"
#include "platform/StoreLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Why a file is no draw record this version can check, in one line.
QString refusal(const DrawRecordFile::Parsed& parsed)
{
    using DrawRecordFile::Fault;
    switch (parsed.fault) {
    case Fault::None:
        break;
    case Fault::Unreadable:
        return CommandLine::tr("it cannot be read (%1)").arg(parsed.detail);
    case Fault::TooLarge:
        return CommandLine::tr("it is larger than %1 MB, the most a draw record can be")
            .arg(DrawRecordFile::kMaxBytes / (1024 * 1024));
    case Fault::OtherEncoding:
        //: %1 is the name of a text encoding, such as UTF-16.
        return CommandLine::tr("it is written in %1, a draw record in UTF-8").arg(parsed.detail);
    case Fault::InvalidUtf8:
        return CommandLine::tr("line %1 is not UTF-8 text").arg(parsed.line);
    case Fault::NotARecord:
        return CommandLine::tr("its first line is not \"Nimbrel draw record\" and a version");
    case Fault::OtherVersion:
        return CommandLine::tr("it is of version %1 of the format; this program reads version %2")
            .arg(parsed.detail)
            .arg(DrawRecordFile::kVersion);
    case Fault::Truncated:
        return CommandLine::tr("it ends early: it was cut short");
    case Fault::BadField:
        return CommandLine::tr("line %1 has been edited or is not from a draw record").arg(parsed.line);
    case Fault::MissingField:
        return CommandLine::tr("the field \"%1\" is missing").arg(parsed.detail);
    case Fault::TooManyNames:
        return CommandLine::tr("it has more than %1 names, more than a list can hold").arg(kMaxNames);
    case Fault::NameCountDiffers:
        return CommandLine::tr("its list has %1 names, more than the record counts").arg(parsed.detail);
    case Fault::FingerprintDiffers:
        return CommandLine::tr("its list is not the one the draw was made from (the fingerprint differs)");
    case Fault::DrawnCountDiffers:
        return CommandLine::tr("its drawn order does not account for every name");
    }
    return {};
}

// --check-draw: does the draw done again from the file come out as the file says?
int checkDrawFile(const QString& path)
{
    QTextStream out(stdout);
    if (path.isEmpty()) {
        QTextStream(stderr) << CommandLine::tr("nimbrel: --check-draw needs the file of a draw record") << '\n';
        return 2;
    }
    const DrawRecordFile::Parsed parsed = DrawRecordFile::read(path);
    if (!parsed.ok()) {
        out << CommandLine::tr("%1: not a draw record: %2.").arg(path, refusal(parsed)) << '\n';
        return 2;
    }
    if (parsed.record.kind != DrawRecord::Kind::Draw) {
        out << CommandLine::tr("%1: not a draw record: it records names set aside or brought back.").arg(path) << '\n';
        return 2;
    }
    const DrawCheck check = checkDraw(parsed.record, parsed.list);
    const DrawRecord& record = parsed.record;
    switch (check.mismatch) {
    case DrawCheck::Mismatch::None:
        break;
    case DrawCheck::Mismatch::Order:
        out << CommandLine::tr("%1: the draw does not match its record: position %2: recorded \"%3\", the draw gives "
                               "\"%4\".")
                   .arg(path)
                   .arg(check.position)
                   .arg(check.recorded, check.redrawn)
            << '\n';
        return 1;
    case DrawCheck::Mismatch::PublicSeed:
        //: %2 is the public text the record names, %3 and %4 are 64-bit numbers.
        out << CommandLine::tr("%1: the draw does not match its record: the public text \"%2\" gives the seed %3, "
                               "the record says %4.")
                   .arg(path, record.seedFrom, QString::number(check.expectedSeed), QString::number(record.seed))
            << '\n';
        return 1;
    case DrawCheck::Mismatch::PublicReorders:
        out << CommandLine::tr("%1: the draw does not match its record: a draw from a public text makes %2 "
                               "re-orders, the record says %3.")
                   .arg(path)
                   .arg(PublicDraw::kReorders)
                   .arg(record.reorders)
            << '\n';
        return 1;
    }
    out << CommandLine::tr("%1: the draw matches its record (names: %2, re-orders: %3).")
               .arg(path)
               .arg(record.nameCount)
               .arg(record.reorders)
        << '\n';
    // What a match does and does not show, said every time: a seed can be tried until it
    // draws the name wanted, and only a public text rules that out.
    if (record.seedFrom.isEmpty())
        out << CommandLine::tr("This shows that the order follows from the list, the seed and the number of "
                               "re-orders. It does not show that the seed was not chosen to give this order.")
            << '\n';
    else
        out << CommandLine::tr("The seed follows from the list's fingerprint and the public text \"%1\", and the "
                               "re-orders are fixed: if nobody could know that text when the fingerprint was "
                               "announced, nobody chose this order.")
                   .arg(record.seedFrom)
            << '\n';
    for (int team = 0; team < check.teams.size(); ++team)
        //: A line of --check-draw's output: %1 is the team's number, %2 its names.
        out << CommandLine::tr("Team %1: %2").arg(team + 1).arg(check.teams[team].join(QStringLiteral(", "))) << '\n';
    return 0;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Only our own options, each exactly so: a word such as -reverse or -visual is Qt's,
    // not a bundle of one-letter options.
    QString value;
    const OwnOption own = ownOption(arguments, &value);
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
    if (own == OwnOption::CheckDraw)
        return checkDrawFile(value);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        //: %1 is the full path of the settings file.
        CommandLine::tr("Draws names out of a hat: keep a list of names, shuffle it and stop at random.\n"
                        "The options and the remembered list are kept in %1.")
            .arg(QString::fromStdString(userStorePath())) +
        QLatin1Char('\n') +
        //: Follows the sentence that says where the settings file is.
        CommandLine::tr("The records of the last 1,000 draws are kept there too, each with the list it was drawn "
                        "from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes "
                        "them."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("Show the version and exit.")});
    parser.addOption({QStringLiteral("check-draw"),
                      CommandLine::tr("Do the draw of a draw record again and say whether it matches; exit with 0 "
                                      "when it does, 1 when it does not, 2 when the file is not a draw record."),
                      CommandLine::tr("file")});
    if (own == OwnOption::Unknown) {
        // On the error stream with the usage, and a status scripts can tell from a failed start.
        //: Printed in a terminal; %1 is the option as given, such as --bogus.
        QTextStream(stderr) << CommandLine::tr("nimbrel: %1 is an unknown option.").arg(value) << "\n\n"
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
