#include "QtPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

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
        : QFileDialog(owner, title), m_filters(filters), m_save(save)
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
            // A name without an extension gets the chosen filter's, as save dialogs do, so
            // that the open dialog's same filter shows the file again; under "All Files" the
            // name stays as typed. Qt adds it to the selected files, and so to the questions.
            setDefaultSuffix(selectedSuffix());
            QStringList files = selectedFiles();
            // Once the folder is read, the view selects the file the typed name matches, and
            // Qt then takes that file as it is: the same typed name would give "names" or
            // "names.txt" depending on how fast the folder was read. The name as typed, with
            // the extension, is what the user asked for.
            if (const QFileInfo typed(files.value(0)); files.size() == 1 && !defaultSuffix().isEmpty() &&
                                                       !typed.isDir() && !typed.fileName().contains(QLatin1Char('.'))) {
                selectFile(typed.filePath() + QLatin1Char('.') + defaultSuffix());
                files = selectedFiles();
            }
            const QFileInfo info(files.value(0));
            if (files.size() == 1 && !info.fileName().isEmpty() && !info.exists()) {
                //: %1 is the name of the file about to be made.
                QMessageBox box(QMessageBox::Warning, windowTitle(),
                                tr("%1 does not exist.\nDo you want to create it?").arg(info.fileName()),
                                QMessageBox::Yes | QMessageBox::No, this);
                box.setTextFormat(Qt::PlainText);
                box.setDefaultButton(QMessageBox::Yes);
                if (box.exec() != QMessageBox::Yes)
                    return;
            }
        }
        QFileDialog::accept();
    }

protected:
    bool event(QEvent* event) override
    {
        // Qt's own questions (replace the file? file not found) name the file as typed:
        // its name is shown as it is, never read as markup.
        if (event->type() == QEvent::ChildPolished)
            if (auto* box = qobject_cast<QMessageBox*>(static_cast<QChildEvent*>(event)->child()))
                box->setTextFormat(Qt::PlainText);
        return QFileDialog::event(event);
    }

private:
    // The extension the selected filter gives when it is one "*.ext" pattern; none for
    // several or for "*.*". With the details hidden Qt names the filter by its description.
    QString selectedSuffix() const
    {
        static const QRegularExpression oneExtension(QStringLiteral("^\\s*\\*\\.(\\w+)\\s*$"));
        const QString selected = selectedNameFilter();
        const QStringList shown = nameFilters();
        for (qsizetype i = 0; i < m_filters.size(); ++i)
            if (selected == m_filters[i].description || selected == shown.value(i))
                return oneExtension.match(m_filters[i].pattern).captured(1);
        return {};
    }

    QList<Prompter::FileFilter> m_filters;
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

QString QtPrompter::chooseFileToSaveAs(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                       const QString& suggestedPath)
{
    FileDialog dialog(owner ? owner : m_owner.data(), filters, title, suggestedPath, true);
    dialog.selectFile(suggestedPath);
    return dialog.choose();
}
