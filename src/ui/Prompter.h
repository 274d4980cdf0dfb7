#pragma once

#include <QString>

// Message box and input box, as the handlers ask for them. The real implementation shows
// Qt dialogs; tests script the answers.
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

    virtual ~Prompter() = default;

    // Shows prompt and title with the buttons and icon of style; returns the button pressed.
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // One empty single-line field with OK and Cancel; the typed text, or "" on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;
};
