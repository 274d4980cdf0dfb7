#include "NameListFiles.h"

#include "FileDialogs.h"
#include "NameListCodec.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
const QString kOops = QStringLiteral("Oops!");

// %1 the path, %2 why (a sentence without the full stop).
const QString kNotImported = QStringLiteral("Could not import \"%1\".\n%2.\nThe list is unchanged.");
const QString kOneFileAtATime = QStringLiteral("Only one file can be imported at a time. The list is unchanged.");
// Pasted or dropped text: %1 why (a sentence without the full stop).
const QString kNotAdded = QStringLiteral("Could not add the names.\n%1.\nThe list is unchanged.");
// %1 the most names a list holds, %2 how many were added, %3 was/were, %4 how many were
// left out, %5 was/were.
const QString kAddedLeftOut = QStringLiteral("The list can hold at most %1 names: %2 of the new names %3 added, %4 "
                                             "%5 left out.");

QString number(qsizetype n)
{
    return QLocale(QLocale::English).toString(qint64(n));
}

QString wasOrWere(qsizetype n)
{
    return n == 1 ? QStringLiteral("was") : QStringLiteral("were");
}

} // namespace

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
    m_prompter.MsgBox(text, Prompter::vbExclamation, kOops);
}

bool NameListFiles::confirmReplace(bool listHasNames)
{
    return !listHasNames ||
           m_prompter.MsgBox(
               QStringLiteral("This will overwrite any names you currently have in the list. Do you wish to continue?"),
               Prompter::vbYesNo | Prompter::vbExclamation, QStringLiteral("Confirmation")) == Prompter::IDYES;
}

void NameListFiles::importList(bool listHasNames, const std::function<void(const QStringList&)>& replaceList)
{
    if (!confirmReplace(listHasNames))
        return;
    const QString path = FileDialogs::showOpenDialog(m_prompter, m_owner, kFilter,
                                                     QStringLiteral("Select file to import..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    importPath(path, replaceList);
}

void NameListFiles::importDropped(bool listHasNames, const QStringList& paths,
                                  const std::function<void(const QStringList&)>& replaceList)
{
    if (paths.size() != 1) {
        oops(kOneFileAtATime);
        return;
    }
    // Refused before the question: there is nothing in a folder to replace the list with.
    if (QFileInfo(paths.first()).isDir()) {
        oops(kNotImported.arg(paths.first(), NameListCodec::kIsFolder));
        return;
    }
    if (confirmReplace(listHasNames))
        importPath(paths.first(), replaceList);
}

void NameListFiles::importPath(const QString& path, const std::function<void(const QStringList&)>& replaceList)
{
    rememberFile(path);

    // The whole file is read and decoded before the list is touched.
    const NameListCodec::Decoded file = NameListCodec::readFile(path);
    if (!file.ok()) {
        oops(kNotImported.arg(path, file.error));
        return;
    }
    replaceList(file.names);
    if (file.leftOut > 0)
        oops(QStringLiteral("The file holds more names than the list can hold. The first %1 were imported; %2 %3 "
                            "left out.")
                 .arg(number(kMaxNames), number(file.leftOut), wasOrWere(file.leftOut)));
}

void NameListFiles::addNames(const QString& text, int listCount,
                             const std::function<void(const QStringList&)>& appendNames)
{
    const NameListCodec::Decoded pasted = NameListCodec::decodeText(text, kMaxNames - listCount);
    if (!pasted.ok()) {
        oops(kNotAdded.arg(pasted.error));
        return;
    }
    if (!pasted.names.isEmpty())
        appendNames(pasted.names);
    if (pasted.leftOut > 0)
        oops(kAddedLeftOut.arg(number(kMaxNames),
                               pasted.names.isEmpty() ? QStringLiteral("none") : number(pasted.names.size()),
                               wasOrWere(pasted.names.size()), number(pasted.leftOut), wasOrWere(pasted.leftOut)));
}

void NameListFiles::exportList(const QStringList& names)
{
    const QString path = FileDialogs::showSaveDialog(m_prompter, m_owner, kFilter,
                                                     QStringLiteral("Select export file..."), lastUsedFolder());
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
        outcome = QStringLiteral("The file could only be written over in place, so it may now hold only part of the "
                                 "list.");
    else if (fileThere)
        outcome = QStringLiteral("A file already there is unchanged.");
    else
        outcome = QStringLiteral("No file was made.");
    oops(QStringLiteral("Could not export to \"%1\".\n%2.\n%3").arg(path, written.error, outcome));
}
