#pragma once

#include <QDialog>

class Prompter;
class QFrame;
class QLabel;
class QPushButton;
class UrlLauncher;

// The About box: the logo, the version, the ownership and distribution notices, and the
// maker's web site and support address, which open in the user's own programs.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    // owner: the window the box is modal to and centred on; launcher opens the links;
    // prompter tells the user when no program is there to open one.
    AboutBox(QWidget* owner, UrlLauncher& launcher, Prompter& prompter);

    QFrame* frame;
    QLabel* logo;                     // the logo
    QLabel* versionLabel;             // version
    QLabel* ownershipLabel = nullptr; // ownership notice
    QFrame* separator;
    QLabel* moreSoftwareLabel = nullptr; // "Find more great software ..."
    QLabel* termsLabel;                  // terms of distribution
    QLabel* webLink = nullptr;           // web link
    QLabel* mailLink = nullptr;          // mail link
    QPushButton* okButton;               // OK

    void load();
    void ok();
    void openMailLink();
    void openWebLink();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The designed colours on a light palette; on a dark one, colours that read against it.
    void applyTextColours();
    void openLink(const QString& target, const QString& failure);

    UrlLauncher& m_launcher;
    Prompter& m_prompter;
};
