#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>

// Message and input boxes and the file dialogs as modal Qt dialogs over their owner window.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    // Qt's own file dialog (QtFileDialogs.cpp), the same on every desktop.
    QString GetOpenFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                            const QString& initialFolder) override;
    QString GetSaveFileName(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                            const QString& initialFolder) override;

private:
    QPointer<QWidget> m_owner;
};
