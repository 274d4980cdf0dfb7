#pragma once

#include "ui/Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QVariant>

#include <functional>

// A prompter that answers from a queue and records every question. A question asked
// without a queued answer fails the running test (and is answered OK / Cancel).
class ScriptedPrompter : public Prompter
{
public:
    struct Call
    {
        enum Kind { Message, Input, Open, Save } kind;
        QString prompt;
        int style;
        QString title;
        // File dialogs only.
        QWidget* owner = nullptr;
        QList<FileFilter> filters;
        QString initialFolder;
    };

    // Queues the button for the next message box.
    void answer(int button) { m_answers.enqueue(button); }
    // Queues the text for the next input box ("" = Cancel).
    void type(const QString& text) { m_answers.enqueue(text); }
    // Queues the path the next file dialog returns ("" = Cancel).
    void choose(const QString& path) { m_answers.enqueue(path); }
    // Runs during the next question, before it is answered (to look at state mid-dialog).
    void duringNext(std::function<void()> action) { m_during = std::move(action); }

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    QString GetOpenFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                            const QString& initialFolder) override;
    QString GetSaveFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                            const QString& initialFolder) override;

    QList<Call> calls;
    int pending() const { return int(m_answers.size()); }

private:
    QVariant next(const Call& call);
    QQueue<QVariant> m_answers;
    std::function<void()> m_during;
};
