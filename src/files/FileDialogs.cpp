#include "FileDialogs.h"

namespace FileDialogs {

QList<Prompter::FileFilter> parseFilter(const QString& filter)
{
    QList<Prompter::FileFilter> pairs;
    const QStringList pieces = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].isEmpty() || pieces[i + 1].isEmpty())
            break;
        pairs.append({pieces[i], pieces[i + 1]});
    }
    return pairs;
}

QString showOpenDialog(Prompter& prompter, QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder)
{
    return prompter.GetOpenFileName(owner, parseFilter(filter), title, initialFolder);
}

QString showSaveDialog(Prompter& prompter, QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder)
{
    return prompter.GetSaveFileName(owner, parseFilter(filter), title, initialFolder);
}

} // namespace FileDialogs
