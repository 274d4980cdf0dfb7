#pragma once

#include <QList>
#include <QString>

class QWidget;

// Message box, input box and the file dialogs, as the handlers ask for them. The real
// implementation shows Qt dialogs; tests script the answers.
class Prompter
{
public:
    enum class Icon { None, Critical, Question, Warning, Information };
    enum class Answer { Yes, No };

    // One entry of a file dialog's filter list: the text shown and its patterns
    // (several separated by ";"; "*.*" stands for every file).
    struct FileFilter
    {
        QString description;
        QString pattern;
        bool operator==(const FileFilter&) const = default;
    };

    virtual ~Prompter() = default;

    // Shows text with an OK button.
    virtual void tell(const QString& title, const QString& text, Icon icon) = 0;
    // Asks with Yes (the default) and No; Esc answers No.
    virtual Answer askYesNo(const QString& title, const QString& text, Icon icon) = 0;
    // One empty single-line field with OK and Cancel; the typed text, or "" on Cancel.
    virtual QString askText(const QString& title, const QString& text) = 0;
    // The same, with initial in the field to begin with.
    // A prompter that cannot fill in the field asks as askText() does.
    virtual QString askTextFrom(const QString& title, const QString& text, const QString& initial)
    {
        Q_UNUSED(initial);
        return askText(title, text);
    }
    // Open dialog, modal to owner: only an existing file can be chosen. The first filter is
    // selected; initialFolder may name a folder or a file (then its folder is shown). The
    // chosen file's full path, or "" on cancel and on any failure.
    virtual QString chooseFileToOpen(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                     const QString& initialFolder) = 0;
    // Save dialog, as the open dialog; the user confirms replacing an existing file or
    // creating a new one before a path is returned.
    virtual QString chooseFileToSave(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                     const QString& initialFolder) = 0;
    // Save dialog opened in the folder of suggestedPath with its file name filled in, for a
    // file the program names (a draw's record). A prompter that cannot fill in a name opens
    // the folder.
    virtual QString chooseFileToSaveAs(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                       const QString& suggestedPath)
    {
        return chooseFileToSave(owner, filters, title, suggestedPath);
    }
};
