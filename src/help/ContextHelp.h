#pragma once

#include "HelpFile.h"

#include <QObject>

class QWidget;

// Context help for one window from the help file. Every control of the window that carries
// a What's-This topic number (property "WhatsThisHelpID") gets that topic as its What's-This
// text, shown by a click in What's-This mode or by Shift+F1; a control that carries an F1
// topic number (property "HelpContextID") shows that topic when F1 is pressed on it.
class ContextHelp : public QObject
{
    Q_OBJECT
public:
    explicit ContextHelp(QWidget* window);

    // Reads the help file afresh and hands its topics to the window's controls.
    void load(const QString& helpFile);
    // What F1 shows on a control: its F1 topic, or nothing when it has none.
    QString f1Text(const QWidget* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    HelpFile m_file;
};
