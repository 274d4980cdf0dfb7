#include "NameListFiles.h"

#include "NameListCodec.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"
#include "ui/TextLocale.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

QString number(qsizetype n)
{
    return textLocale().toString(qint64(n));
}

} // namespace

NameListFiles::NameListFiles(Prompter& prompter, QWidget* owner, Settings& settings)
    : m_prompter(prompter), m_owner(owner), m_settings(settings)
{
}

QList<Prompter::FileFilter> NameListFiles::filters()
{
    //: A choice in the file dialog's file type list; keep "(*.txt)".
    return {{tr("Text Files (*.txt)"), QStringLiteral("*.txt")},
            //: A choice in the file dialog's file type list; keep "(*.*)".
            {tr("All Files (*.*)"), QStringLiteral("*.*")}};
}

QString NameListFiles::notImported(const QString& path, const QString& why)
{
    //: %1 is the file's path, %2 why it could not be read (a sentence without its full stop).
    return tr("Could not import \"%1\".\n%2.\nThe list is unchanged.").arg(path, why);
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
    //: Title of the message boxes that report a failed import, export or paste.
    m_prompter.tell(tr("Oops!"), text, Prompter::Icon::Warning);
}

bool NameListFiles::confirmReplace(bool listHasNames, int setAside)
{
    if (!listHasNames && setAside == 0)
        return true;
    // The import ends the round: the names set aside go with the list, and the question says so.
    const QString question =
        setAside == 0
            ? tr("This will overwrite any names you currently have in the list. Do you wish to continue?")
            //: %n is the number of names set aside from the list (the plural form's number).
            : tr("This will overwrite any names you currently have in the list, and the %n set-aside names. Do "
                 "you wish to continue?",
                 nullptr, setAside);
    //: Title of the Yes/No question before an import replaces the list.
    return m_prompter.askYesNo(tr("Confirmation"), question, Prompter::Icon::Warning) == Prompter::Answer::Yes;
}

void NameListFiles::importList(bool listHasNames, int setAside,
                               const std::function<void(const QStringList&)>& replaceList)
{
    if (!confirmReplace(listHasNames, setAside))
        return;
    //: Title of the file dialog that chooses the file to import.
    const QString path =
        m_prompter.chooseFileToOpen(m_owner, filters(), tr("Select file to import..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    importPath(path, replaceList);
}

void NameListFiles::importNewList(const std::function<void(const QString&, const QStringList&)>& newList)
{
    const QString path =
        m_prompter.chooseFileToOpen(m_owner, filters(), tr("Select file to import..."), lastUsedFolder());
    if (!path.isEmpty())
        importPath(path, [&](const QStringList& names) { newList(path, names); });
}

void NameListFiles::importDropped(bool listHasNames, int setAside, const QStringList& paths,
                                  const std::function<void(const QStringList&)>& replaceList)
{
    if (paths.size() != 1) {
        //: Several files were dropped on the window.
        oops(tr("Only one file can be imported at a time. The list is unchanged."));
        return;
    }
    // Refused before the question: there is nothing in a folder to replace the list with.
    if (QFileInfo(paths.first()).isDir()) {
        oops(notImported(paths.first(), NameListCodec::isFolder()));
        return;
    }
    if (confirmReplace(listHasNames, setAside))
        importPath(paths.first(), replaceList);
}

void NameListFiles::importPath(const QString& path, const std::function<void(const QStringList&)>& replaceList)
{
    rememberFile(path);

    // The whole file is read and decoded before the list is touched.
    const NameListCodec::Decoded file = NameListCodec::readFile(path, m_settings.storeFile());
    if (!file.ok()) {
        oops(notImported(path, file.error));
        return;
    }
    replaceList(file.names);
    if (file.leftOut > 0)
        //: %1 is the number of names imported (32,767), %2 the number left out (the plural form's number).
        oops(tr("The file holds more names than the list can hold. The first %1 were imported; %2 were left out.",
                nullptr, int(file.leftOut))
                 .arg(number(kMaxNames), number(file.leftOut)));
}

void NameListFiles::addNames(const QString& text, int listCount,
                             const std::function<void(const QStringList&)>& appendNames)
{
    const NameListCodec::Decoded pasted = NameListCodec::decodeText(text, kMaxNames - listCount);
    if (!pasted.ok()) {
        //: Pasted or dropped text; %1 is why (a sentence without its full stop).
        oops(tr("Could not add the names.\n%1.\nThe list is unchanged.").arg(pasted.error));
        return;
    }
    if (!pasted.names.isEmpty())
        appendNames(pasted.names);
    if (pasted.leftOut == 0)
        return;
    // Whole clauses, each in its number's plural form, for the sentence below.
    const int added = int(pasted.names.size());
    //: Completes "The list can hold at most %1 names: %2, %3." as %2.
    QString addedClause = tr("none of the new names were added");
    if (added > 0)
        //: Completes "The list can hold at most %1 names: %2, %3." as %2; %1 is the plural form's number.
        addedClause = tr("%1 of the new names were added", nullptr, added).arg(number(added));
    //: Completes "The list can hold at most %1 names: %2, %3." as %3; %1 is the plural form's number.
    const QString leftOutClause = tr("%1 were left out", nullptr, int(pasted.leftOut)).arg(number(pasted.leftOut));
    //: Pasted or dropped names beyond the list's room. %1 is the most names the list holds (32,767), %2 and %3
    //: how many of the new names were added and left out ("none of the new names were added", "2 were left out").
    oops(tr("The list can hold at most %1 names: %2, %3.").arg(number(kMaxNames), addedClause, leftOutClause));
}

void NameListFiles::exportList(const QStringList& names)
{
    //: Title of the file dialog that chooses the file to export to.
    const QString path = m_prompter.chooseFileToSave(m_owner, filters(), tr("Select export file..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    exportBytes(path, NameListCodec::encode(names),
                tr("The file could only be written over in place, so it may now hold only part of the list."));
}

void NameListFiles::exportDrawRecord(const QByteArray& file, const QString& fileName)
{
    // The name offered in the folder of the file last chosen (the program's folder at first).
    const QFileInfo last(lastUsedFolder());
    const QString folder = last.isDir() ? last.absoluteFilePath() : last.absolutePath();
    //: Title of the file dialog that chooses the file a draw's record is exported to.
    const QString path =
        m_prompter.chooseFileToSaveAs(m_owner, filters(), tr("Export Draw"), QDir(folder).filePath(fileName));
    if (path.isEmpty())
        return;
    exportBytes(path, file,
                tr("The file could only be written over in place, so it may now hold only part of the record."));
}

void NameListFiles::exportText(const QStringList& lines, const QString& fileName)
{
    const QFileInfo last(lastUsedFolder());
    const QString folder = last.isDir() ? last.absoluteFilePath() : last.absolutePath();
    //: Title of the file dialog that saves the winners or the teams the view of the draw shows.
    const QString path =
        m_prompter.chooseFileToSaveAs(m_owner, filters(), tr("Export the Draw Shown"), QDir(folder).filePath(fileName));
    if (path.isEmpty())
        return;
    // A text for people: lines as they are, blank ones included, each ending in a line feed.
    QByteArray bytes = QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless)
                           .encode(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    exportBytes(path, bytes,
                tr("The file could only be written over in place, so it may now hold only part of the list."));
}

void NameListFiles::exportBytes(const QString& path, const QByteArray& bytes, const QString& partly)
{
    rememberFile(path);
    const QFileInfo before(path);
    const bool fileThere = before.exists() && !before.isDir();
    const NameListCodec::Written written = NameListCodec::writeBytesToFile(path, bytes, m_settings.storeFile());
    if (written.ok())
        return;
    QString outcome;
    if (written.partlyWritten)
        outcome = partly;
    else if (fileThere)
        outcome = tr("A file already there is unchanged.");
    else
        outcome = tr("No file was made.");
    //: %1 is the file's path, %2 why it could not be written (a sentence without its full stop), %3 what became
    //: of the file ("A file already there is unchanged.", ...).
    oops(tr("Could not export to \"%1\".\n%2.\n%3").arg(path, written.error, outcome));
}
