#pragma once

#include <QDialog>

class Prompter;
class QFrame;
class QLabel;
class QPushButton;
class UrlLauncher;

// The About box: the logo, the version, the ownership and distribution notices, and the
// maker's web site and support address, which open in the user's own programs.
class FrmAbt : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the box is modal to and centred on; launcher opens the links;
    // prompter tells the user when no program is there to open one.
    FrmAbt(QWidget* owner, UrlLauncher& launcher, Prompter& prompter);

    QFrame* Frame1;
    QLabel* Picture1; // the logo
    QLabel* Label7;   // version
    QLabel* Label2;   // ownership notice
    QFrame* Line1;
    QLabel* Label3;        // "Find more great software ..."
    QLabel* Label1;        // terms of distribution
    QLabel* Label6;        // web link
    QLabel* Label5;        // mail link
    QPushButton* Command3; // OK

    void Form_Load();
    void Command3_Click();
    void Label5_Click();
    void Label6_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openLink(const QString& target, const QString& failure);

    UrlLauncher& m_launcher;
    Prompter& m_prompter;
};
