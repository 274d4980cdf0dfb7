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

    void tell(const QString& title, const QString& text, Icon icon) override;
    Answer askYesNo(const QString& title, const QString& text, Icon icon) override;
    QString askText(const QString& title, const QString& text) override;
    QString askTextFrom(const QString& title, const QString& text, const QString& initial) override;
    // Qt's own file dialog (QtFileDialogs.cpp), the same on every desktop.
    QString chooseFileToOpen(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                             const QString& initialFolder) override;
    QString chooseFileToSave(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                             const QString& initialFolder) override;
    QString chooseFileToSaveAs(QWidget* owner, const QList<FileFilter>& filters, const QString& title,
                               const QString& suggestedPath) override;

private:
    QPointer<QWidget> m_owner;
};
