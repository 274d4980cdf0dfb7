#pragma once

#include <QString>
#include <QStringList>

// The files named on the command line (the program's arguments, its own name first, after
// the toolkit has taken its options), as absolute paths: relative ones are taken from
// workingFolder, which a running copy that is handed them does not share. Words that look
// like options are not files, except after "--".
QStringList filesToOpen(const QStringList& arguments, const QString& workingFolder);
