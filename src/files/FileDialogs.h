#pragma once

#include "ui/Prompter.h"

#include <QList>
#include <QString>

class QWidget;

// The Open and Save dialogs as the import and export ask for them: the filter in "|"
// form ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"), the title and the folder (or the
// file) to open at. Each returns the chosen file's full path, or "" for cancel and for any
// failure.
namespace FileDialogs {

// Splits a "|" filter into its (description, pattern) pairs, in order. The list ends at
// the first empty piece, and a description without a pattern is dropped.
QList<Prompter::FileFilter> parseFilter(const QString& filter);

QString showOpenDialog(Prompter& prompter, QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder);
QString showSaveDialog(Prompter& prompter, QWidget* owner, const QString& filter, const QString& title,
                       const QString& initialFolder);

} // namespace FileDialogs
