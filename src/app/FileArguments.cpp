#include "FileArguments.h"

#include <QDir>
#include <QFileInfo>

QStringList filesToOpen(const QStringList& arguments, const QString& workingFolder)
{
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!optionsEnded && argument.startsWith(QLatin1Char('-'))))
            continue;
        files << QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
    }
    return files;
}
