#pragma once

#include <QList>
#include <QString>

class QWidget;

// Message box, input box and the file dialogs, as the handlers ask for them. The real
// implementation shows Qt dialogs; tests script the answers.
class Prompter
{
public:
    // Style flags of a message box (combinable) and the buttons it returns.
    enum Style : int {
        vbOKOnly = 0,
        vbYesNo = 4,
        vbCritical = 16,
        vbQuestion = 32,
        vbExclamation = 48,
        vbInformation = 64,
    };
    enum Answer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

    // One entry of a file dialog's filter list: the text shown and its patterns
    // (several separated by ";"; "*.*" stands for every file).
    struct FileFilter
    {
        QString description;
        QString pattern;
        bool operator==(const FileFilter&) const = default;
    };

    virtual ~Prompter() = default;

    // Shows prompt and title with the buttons and icon of style; returns the button pressed.
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // One empty single-line field with OK and Cancel; the typed text, or "" on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;
    // Open dialog, modal to owner: only an existing file can be chosen. The first filter is
    // selected; initialFolder may name a folder or a file (then its folder is shown). The
    // chosen file's full path, or "" on cancel and on any failure.
    virtual QString GetOpenFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                    const QString& initialFolder) = 0;
    // Save dialog, as the open dialog; the user confirms replacing an existing file or
    // creating a new one before a path is returned.
    virtual QString GetSaveFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                    const QString& initialFolder) = 0;
};
