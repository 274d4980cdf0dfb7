#include "NameListFiles.h"

#include "FileDialogs.h"
#include "NameListCodec.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QFileInfo>

namespace {

QString number(qsizetype n)
{
    return textLocale().toString(qint64(n));
}

} // namespace

QString NameListFiles::filter()
{
    // The dialogs' "|" form: description, pattern, description, pattern.
    //: A choice in the file dialog's file type list; keep "(*.txt)".
    return tr("Text Files (*.txt)") + QStringLiteral("|*.txt|") +
           //: A choice in the file dialog's file type list; keep "(*.*)".
           tr("All Files (*.*)") + QStringLiteral("|*.*");
}

NameListFiles::NameListFiles(Prompter& prompter, QWidget* owner, Settings& settings)
    : m_prompter(prompter), m_owner(owner), m_settings(settings)
{
}

QString NameListFiles::lastUsedFolder()
{
    return m_settings.text(SettingsKeys::LastUsedFolder);
}

void NameListFiles::rememberFile(const QString& path)
{
    m_settings.setText(SettingsKeys::LastUsedFolder, path);
}

void NameListFiles::oops(const QString& text)
{
    //: Title of the message boxes that report a failed import or export.
    m_prompter.MsgBox(text, Prompter::vbExclamation, tr("Oops!"));
}

void NameListFiles::importList(bool listHasNames, const std::function<void(const QStringList&)>& replaceList)
{
    if (listHasNames &&
        m_prompter.MsgBox(tr("This will overwrite any names you currently have in the list. Do you wish to continue?"),
                          //: Title of the Yes/No question before an import replaces the list.
                          Prompter::vbYesNo | Prompter::vbExclamation, tr("Confirmation")) != Prompter::IDYES)
        return;
    //: Title of the file dialog that chooses the file to import.
    const QString path =
        FileDialogs::showOpenDialog(m_prompter, m_owner, filter(), tr("Select file to import..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    rememberFile(path);

    // The whole file is read and decoded before the list is touched.
    const NameListCodec::Decoded file = NameListCodec::readFile(path);
    if (!file.ok()) {
        //: %1 is the file's path, %2 why it could not be read (a sentence without its full stop).
        oops(tr("Could not import \"%1\".\n%2.\nThe list is unchanged.").arg(path, file.error));
        return;
    }
    replaceList(file.names);
    if (file.leftOut == 1)
        //: %1 is the number of names imported (32,767), %2 the number left out (here always 1).
        oops(tr("The file holds more names than the list can hold. The first %1 were imported; %2 was left out.")
                 .arg(number(kMaxNames), number(file.leftOut)));
    else if (file.leftOut > 1)
        //: %1 is the number of names imported (32,767), %2 the number left out (2 or more).
        oops(tr("The file holds more names than the list can hold. The first %1 were imported; %2 were left out.")
                 .arg(number(kMaxNames), number(file.leftOut)));
}

void NameListFiles::exportList(const QStringList& names)
{
    //: Title of the file dialog that chooses the file to export to.
    const QString path =
        FileDialogs::showSaveDialog(m_prompter, m_owner, filter(), tr("Select export file..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    rememberFile(path);
    const QFileInfo before(path);
    const bool fileThere = before.exists() && !before.isDir();
    const NameListCodec::Written written = NameListCodec::writeFile(path, names);
    if (written.ok())
        return;
    QString outcome;
    if (written.partlyWritten)
        outcome = tr("The file could only be written over in place, so it may now hold only part of the list.");
    else if (fileThere)
        outcome = tr("A file already there is unchanged.");
    else
        outcome = tr("No file was made.");
    //: %1 is the file's path, %2 why it could not be written (a sentence without its full stop), %3 what became
    //: of the file ("A file already there is unchanged.", ...).
    oops(tr("Could not export to \"%1\".\n%2.\n%3").arg(path, written.error, outcome));
}
