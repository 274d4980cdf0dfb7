#include "QtPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
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
    // A message may hold a name or a path as the user typed it, markup included.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

Prompter::Answer QtPrompter::askYesNo(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, ownerFor(m_owner));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPrompter::askText(const QString& title, const QString& text)
{
    return askTextFrom(title, text, QString());
}

QString QtPrompter::askTextFrom(const QString& title, const QString& text, const QString& initial)
{
    QInputDialog dialog(ownerFor(m_owner));
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    // The input dialog offers no text format of its own; its one label is made by now.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(initial);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
