#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>

// Message and input boxes as modal Qt dialogs over their owner window.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;

private:
    QPointer<QWidget> m_owner;
};
