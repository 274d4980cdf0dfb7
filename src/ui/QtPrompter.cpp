#include "QtPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// A question asked from a modal dialog belongs to that dialog: centred on it and above it.
QWidget* ownerFor(QWidget* owner)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : owner;
}

QMessageBox::Icon qtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::tell(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, ownerFor(m_owner));
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

Prompter::Answer QtPrompter::askYesNo(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, ownerFor(m_owner));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPrompter::askText(const QString& title, const QString& text)
{
    QInputDialog dialog(ownerFor(m_owner));
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
