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

} // namespace

int QtPrompter::MsgBox(const QString& prompt, int style, const QString& title)
{
    QMessageBox box(ownerFor(m_owner));
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (style & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((style & 0x0F) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

QString QtPrompter::InputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog(ownerFor(m_owner));
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
