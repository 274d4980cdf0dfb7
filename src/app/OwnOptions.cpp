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

OwnOption ownOption(const QStringList& arguments)
{
    OwnOption found = OwnOption::None;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return OwnOption::Help;
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            found = OwnOption::Version;
        else if (takesValue(argument))
            ++i;
    }
    return found;
}
