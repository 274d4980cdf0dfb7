#include "OwnOptions.h"

namespace {

// Qt's options that take the next argument as their value, each also with two dashes:
// the toolkit's, the X11 platform's, and the traditional X11 ones Qt accepts without use.
const QStringList kQtWithValue =
    QStringLiteral("style stylesheet platform platformtheme platformpluginpath plugin session "
                   "qwindowgeometry geometry qwindowtitle title qwindowicon icon qmljsdebugger "
                   "display name visual ncols fn font bg background fg foreground btn button im "
                   "inputstyle")
        .split(QLatin1Char(' '));
// Qt's options that stand alone.
const QStringList kQtFlags =
    QStringLiteral("reverse widgetcount testability qdevel qdebug nograb dograb sync cmap noxim")
        .split(QLatin1Char(' '));
// The ones Qt also reads as -option=value.
const QStringList kQtWithInlineValue = QStringLiteral("style stylesheet qmljsdebugger").split(QLatin1Char(' '));

enum class QtOption { No, Flag, WithValue };

QtOption qtOption(QStringView argument)
{
    argument = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    if (kQtWithValue.contains(argument))
        return QtOption::WithValue;
    if (kQtFlags.contains(argument))
        return QtOption::Flag;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals > 0 && kQtWithInlineValue.contains(argument.left(equals)))
        return QtOption::Flag;
    return QtOption::No;
}

} // namespace

OwnOption ownOption(const QStringList& arguments, QString* value)
{
    const QString checkDraw = QStringLiteral("--check-draw");
    OwnOption found = OwnOption::None;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // "--" ends the options: what follows are files, whatever their names.
        if (argument == QLatin1String("--"))
            break;
        // Not an option ("-" alone names standard input, as for many programs).
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return OwnOption::Help;
        if (argument == checkDraw || argument.startsWith(checkDraw + QLatin1Char('='))) {
            // The file's name is whatever follows, even a name that starts with a dash.
            QString named;
            if (argument.size() > checkDraw.size())
                named = argument.mid(checkDraw.size() + 1);
            else if (i + 1 < arguments.size())
                named = arguments[++i];
            if (found != OwnOption::CheckDraw && value)
                *value = named;
            found = OwnOption::CheckDraw;
            continue;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            found = found == OwnOption::None ? OwnOption::Version : found;
            continue;
        }
        switch (qtOption(argument)) {
        case QtOption::WithValue:
            ++i;
            break;
        case QtOption::Flag:
            break;
        case QtOption::No:
            if (value)
                *value = argument;
            return OwnOption::Unknown;
        }
    }
    return found;
}
