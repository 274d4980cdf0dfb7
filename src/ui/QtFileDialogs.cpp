#include "QtPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// Qt takes a filter's patterns from the parentheses at its end, and with the details
// hidden shows the text before them: so the description is shown exactly as given.
// "*.*" means every file, as in the lists these filters are written for; Qt would want a
// dot in the name.
QStringList qtNameFilters(const QList<Prompter::FileFilter>& filters)
{
    QStringList out;
    for (const Prompter::FileFilter& filter : filters) {
        QStringList patterns;
        for (const QString& piece : filter.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = piece.trimmed();
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        out << filter.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

// The folder to open in: initialFolder itself, the folder of the file it names, or the
// nearest folder above that still exists.
QString startFolder(const QString& initialFolder)
{
    if (initialFolder.isEmpty())
        return {};
    const QFileInfo info(initialFolder);
    if (info.isDir())
        return info.absoluteFilePath();
    QString folder = info.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return {};
        folder = parent;
    }
    return folder;
}

// The save dialog asks before replacing a file (Qt does that) and before creating one:
// No keeps the dialog open for another choice.
class FileDialog : public QFileDialog
{
    Q_DECLARE_TR_FUNCTIONS(FileDialog)

public:
    FileDialog(QWidget* owner, const QList<Prompter::FileFilter>& filters, const QString& title,
               const QString& initialFolder, bool save)
        : QFileDialog(owner, title), m_save(save)
    {
        setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList nameFilters = qtNameFilters(filters);
        if (!nameFilters.isEmpty()) {
            setNameFilters(nameFilters);
            selectNameFilter(nameFilters.first());
        }
        const QString folder = startFolder(initialFolder);
        if (!folder.isEmpty())
            setDirectory(folder);
    }

    QString choose()
    {
        if (exec() != QDialog::Accepted)
            return {};
        return selectedFiles().value(0);
    }

    void accept() override
    {
        if (m_save) {
            const QStringList files = selectedFiles();
            const QFileInfo info(files.value(0));
            if (files.size() == 1 && !info.fileName().isEmpty() && !info.exists()) {
                const auto answer = QMessageBox::warning(
                    //: %1 is the name of the file about to be made.
                    this, windowTitle(), tr("%1 does not exist.\nDo you want to create it?").arg(info.fileName()),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
                if (answer != QMessageBox::Yes)
                    return;
            }
        }
        QFileDialog::accept();
    }

private:
    bool m_save;
};

} // namespace

QString QtPrompter::chooseFileToOpen(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                     const QString& initialFolder)
{
    FileDialog dialog(owner ? owner : m_owner.data(), filters, title, initialFolder, false);
    return dialog.choose();
}

QString QtPrompter::chooseFileToSave(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                     const QString& initialFolder)
{
    FileDialog dialog(owner ? owner : m_owner.data(), filters, title, initialFolder, true);
    return dialog.choose();
}
