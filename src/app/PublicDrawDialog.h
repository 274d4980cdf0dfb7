#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Draw from a Public Number: shows the list's fingerprint (and its first 8 characters large,
// to photograph or announce), says how the draw follows from it and the public text, and
// takes that text.
class PublicDrawDialog : public QDialog
{
    Q_OBJECT
public:
    PublicDrawDialog(QWidget* parent, const QByteArray& listFingerprint);

    // The text as typed, without spaces at either end.
    QString text() const;
    QLineEdit* textBox() const { return m_text; }
    QPushButton* drawButton() const { return m_draw; }

private:
    QLineEdit* m_text;
    QPushButton* m_draw;
};
