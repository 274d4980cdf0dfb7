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

int ScriptedPrompter::MsgBox(const QString& prompt, int style, const QString& title)
{
    const QVariant a = next({Call::Message, prompt, style, title, nullptr, {}, {}});
    return a.isValid() ? a.toInt() : int(IDOK);
}

QString ScriptedPrompter::InputBox(const QString& prompt, const QString& title)
{
    return next({Call::Input, prompt, 0, title, nullptr, {}, {}}).toString();
}

QString ScriptedPrompter::GetOpenFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                          const QString& initialFolder)
{
    return next({Call::Open, QString(), 0, title, owner, filters, initialFolder}).toString();
}

QString ScriptedPrompter::GetSaveFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                                          const QString& initialFolder)
{
    return next({Call::Save, QString(), 0, title, owner, filters, initialFolder}).toString();
}
