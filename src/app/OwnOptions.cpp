#include "OwnOptions.h"

namespace {

// Qt's options that take the next argument as their value, with one dash or two.
bool takesValue(QStringView argument)
{
    static const QStringList withValue =
        QStringLiteral("style stylesheet platform platformtheme platformpluginpath plugin qwindowgeometry geometry "
                       "qwindowtitle title qwindowicon icon session display name visual")
            .split(QLatin1Char(' '));
    if (argument.startsWith(QLatin1String("--")))
        argument = argument.mid(2);
    else if (argument.startsWith(QLatin1Char('-')))
        argument = argument.mid(1);
    else
        return false;
    return withValue.contains(argument);
}

} // namespace

OwnOption ownOption(const QStringList& arguments, QString* file)
{
    const QString checkDraw = QStringLiteral("--check-draw");
    OwnOption found = OwnOption::None;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return OwnOption::Help;
        if (argument == checkDraw || argument.startsWith(checkDraw + QLatin1Char('='))) {
            // The file's name is whatever follows, even a name that starts with a dash.
            QString named;
            if (argument.size() > checkDraw.size())
                named = argument.mid(checkDraw.size() + 1);
            else if (i + 1 < arguments.size())
                named = arguments[++i];
            if (found != OwnOption::CheckDraw && file)
                *file = named;
            found = OwnOption::CheckDraw;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            found = found == OwnOption::None ? OwnOption::Version : found;
        } else if (takesValue(argument)) {
            ++i;
        }
    }
    return found;
}
