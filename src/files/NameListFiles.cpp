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

QString number(qsizetype n)
{
    return QLocale(QLocale::English).toString(qint64(n));
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

void NameListFiles::importList(bool listHasNames, const std::function<void(const QStringList&)>& replaceList)
{
    if (listHasNames &&
        m_prompter.MsgBox(
            QStringLiteral("This will overwrite any names you currently have in the list. Do you wish to continue?"),
            Prompter::vbYesNo | Prompter::vbExclamation, QStringLiteral("Confirmation")) != Prompter::IDYES)
        return;
    const QString path = FileDialogs::showOpenDialog(m_prompter, m_owner, kFilter,
                                                     QStringLiteral("Select file to import..."), lastUsedFolder());
    if (path.isEmpty())
        return;
    rememberFile(path);

    // The whole file is read and decoded before the list is touched.
    const NameListCodec::Decoded file = NameListCodec::readFile(path);
    if (!file.ok()) {
        oops(QStringLiteral("Could not import \"%1\".\n%2.\nThe list is unchanged.").arg(path, file.error));
        return;
    }
    replaceList(file.names);
    if (file.leftOut > 0)
        oops(QStringLiteral("The file holds more names than the list can hold. The first %1 were imported; %2 %3 "
                            "left out.")
                 .arg(number(kMaxNames), number(file.leftOut),
                      file.leftOut == 1 ? QStringLiteral("was") : QStringLiteral("were")));
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
