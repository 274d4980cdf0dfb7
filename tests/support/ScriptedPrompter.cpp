#include "ScriptedPrompter.h"

#include <QTest>

QVariant ScriptedPrompter::next(const Call& call)
{
    calls.append(call);
    if (m_during) {
        auto action = std::move(m_during);
        m_during = nullptr;
        action();
    }
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected dialog \"%1\": %2").arg(call.title, call.prompt)), __FILE__,
                     __LINE__);
        return {};
    }
    return m_answers.dequeue();
}

void ScriptedPrompter::tell(const QString& title, const QString& text, Icon icon)
{
    next({Call::Message, text, icon, title, nullptr, {}, {}});
}

Prompter::Answer ScriptedPrompter::askYesNo(const QString& title, const QString& text, Icon icon)
{
    const QVariant a = next({Call::Question, text, icon, title, nullptr, {}, {}});
    return a.typeId() == QMetaType::Int ? Answer(a.toInt()) : Answer::No;
}

QString ScriptedPrompter::askText(const QString& title, const QString& text)
{
    return next({Call::Input, text, Icon::None, title, nullptr, {}, {}}).toString();
}

QString ScriptedPrompter::chooseFileToOpen(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                           const QString& initialFolder)
{
    return next({Call::Open, QString(), Icon::None, title, owner, filters, initialFolder}).toString();
}

QString ScriptedPrompter::chooseFileToSave(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                           const QString& initialFolder)
{
    return next({Call::Save, QString(), Icon::None, title, owner, filters, initialFolder}).toString();
}
