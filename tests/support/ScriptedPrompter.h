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
        enum Kind { Message, Question, Input, Open, Save } kind;
        QString prompt;
        Icon icon;
        QString title;
        // File dialogs only.
        QWidget* owner = nullptr;
        QList<FileFilter> filters;
        QString initialFolder;
    };

    // Queues the answer to the next question.
    void answer(Answer answer) { m_answers.enqueue(int(answer)); }
    // Expects a message next (a message box to be closed with OK).
    void expectMessage() { m_answers.enqueue(QStringLiteral("OK")); }
    // Queues the text for the next input box ("" = Cancel).
    void type(const QString& text) { m_answers.enqueue(text); }
    // Queues the path the next file dialog returns ("" = Cancel).
    void choose(const QString& path) { m_answers.enqueue(path); }
    // Runs during the next question, before it is answered (to look at state mid-dialog).
    void duringNext(std::function<void()> action) { m_during = std::move(action); }

    void tell(const QString& title, const QString& text, Icon icon) override;
    Answer askYesNo(const QString& title, const QString& text, Icon icon) override;
    QString askText(const QString& title, const QString& text) override;
    QString chooseFileToOpen(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                             const QString& initialFolder) override;
    QString chooseFileToSave(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                             const QString& initialFolder) override;

    QList<Call> calls;
    int pending() const { return int(m_answers.size()); }

private:
    QVariant next(const Call& call);
    QQueue<QVariant> m_answers;
    std::function<void()> m_during;
};
