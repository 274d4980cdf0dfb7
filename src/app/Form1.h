#pragma once

#include "MainLayout.h"
#include "draw/DrawOrder.h"
#include "settings/CRegSettings.h"
#include "settings/Form2.h"

#include <QByteArray>
#include <QWidget>

class ContextHelp;
class ListBox;
class PrinterDevice;
class Prompter;
class QFrame;
class QListWidget;
class QPushButton;
class QTimer;
class RandomSource;
class SoundPlayer;
class UrlLauncher;
class TextBox;

// What the main window needs from the desktop, passed in so tests can script it.
struct Form1Services
{
    Prompter* prompter = nullptr;
    SoundPlayer* sound = nullptr;
    RandomSource* random = nullptr;
    // Folder holding the program's executable (its sound and help files sit beside it).
    QString appPath;
    // The main window's settings store; the current user's when null.
    std::shared_ptr<RegistryApi> registry;
    // Opens the About box's links.
    UrlLauncher* launcher = nullptr;
    // The printer the list is printed on (the system's default printer in the program).
    PrinterDevice* printer = nullptr;
};

// The main window: the list of names, the column of buttons and the Shuffle button.
// It owns the run: loading it reads the settings and the remembered names, closing it
// stores the names and ends the program.
class Form1 : public QWidget, public EffectSwitches
{
    Q_OBJECT
public:
    explicit Form1(const Form1Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Effects and memory switches; the Options dialog sets the first three.
    bool flashy = true;
    bool shaky = true;
    bool sound = true;
    bool savenms = true;

    // Controls, named as in the layout.
    ListBox* List1;
    QListWidget* List2;
    TextBox* Text1; // carries the text, font and alignment of a printout
    QFrame* Picture1;
    QPushButton* Command1;  // Add Name
    QPushButton* Command2;  // Shuffle / Stop
    QPushButton* Command3;  // Remove Name
    QPushButton* Command4;  // Clear All Names
    QPushButton* Command5;  // Exit
    QPushButton* Command6;  // Help
    QPushButton* Command7;  // Print List
    QPushButton* Command8;  // About
    QPushButton* Command9;  // Options
    QPushButton* Command10; // Import from File
    QPushButton* Command11; // Export to File
    QTimer* Timer1;         // shuffle tick, 10 ms
    QTimer* Timer2;         // enabling rule, 1 ms after the list's count changes

    bool maxmin() const { return m_maxmin; }
    bool shifted() const { return m_shifted; }
    QString helpFile() const { return m_helpFile; }
    QByteArray wavdata() const { return m_wavdata; }
    // Window's left edge in twips, kept exactly across shakes.
    float Left() const;
    void setLeft(float twips);
    // Current bounds of the laid-out controls, in twips.
    TwipsRect list1Bounds() const { return m_list1; }
    TwipsRect picture1Bounds() const { return m_picture1; }
    TwipsRect command2Bounds() const { return m_command2; }
    bool timer2Enabled() const { return m_timer2Enabled; }

    // Whole file with leading and trailing 0x20 bytes removed; empty on any failure.
    static QByteArray ReadFileData(const QString& Path);

    // Start-up, shut-down and layout (Form1.cpp).
    void Form_Load();
    void Form_Unload();
    // Writes the list now, without a word, unless the unload already did: for the end of
    // the desktop session and for a process that ends without its window closing.
    // True when the list is stored.
    bool SaveNamesNow();
    void Form_Resize();
    void UpdateListExtent();
    // List editing (Form1Editing.cpp).
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer2_Timer();
    // Shuffle and draw (Form1Shuffle.cpp).
    void Command2_Click();
    void Timer1_Timer();
    // Options (Form1Options.cpp).
    void Command9_Click();
    void restoreRestColour() override;
    void setEffects(bool shakyOn, bool flashyOn, bool soundOn) override;
    // Name list files (Form1Files.cpp).
    void Command10_Click();
    void Command11_Click();
    // About (Form1About.cpp).
    void Command8_Click();
    // Help (Form1Help.cpp).
    void Command6_Click();
    // Gives the controls their topics from the help file, read afresh.
    void loadHelpTopics();
    const ContextHelp* contextHelp() const { return m_contextHelp; }
    // Printing (Form1Print.cpp).
    void Command7_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void setTimer2Enabled(bool enabled);
    // Writes the list in one batch, or leaves the stored one whole; why not, or empty.
    QString saveNames();

    Form1Services m_services;
    CRegSettings regset;
    QByteArray m_wavdata;
    QString m_helpFile;
    DrawOrder m_draw;
    ContextHelp* m_contextHelp = nullptr;
    bool m_maxmin = false;
    bool m_shifted = false;
    bool m_timer2Enabled = true;
    bool m_soundErrorOpen = false;
    bool m_unloaded = false;
    QString m_damagedCopy; // where a damaged store was kept, until the user is told
    float m_leftTwips = -1;
    TwipsRect m_list1;
    TwipsRect m_picture1;
    TwipsRect m_command2;
};
