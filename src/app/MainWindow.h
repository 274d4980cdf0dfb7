#pragma once

#include "ui/TwipsRect.h"

#include <QWidget>

#include <array>

class ContextHelp;
class FramePacer;
class Hat;
class ListBox;
class ListMenu;
class PrinterDevice;
class Prompter;
class QFrame;
class QPushButton;
class RandomSource;
class Settings;
class Shelf;
class ShuffleEffects;
class SoundPlayer;
class UrlLauncher;

// What the main window needs from the desktop, passed in so tests can script it.
struct MainWindowServices
{
    Prompter* prompter = nullptr;
    SoundPlayer* sound = nullptr;
    RandomSource* random = nullptr;
    // Folder holding the program's executable (its sound and help files sit beside it).
    QString appPath;
    // The program's settings, made once by main; the dialogs the window opens use them too.
    Settings* settings = nullptr;
    // Opens the About box's links.
    UrlLauncher* launcher = nullptr;
    // The printer the list is printed on (the system's default printer in the program).
    PrinterDevice* printer = nullptr;
    // The language the program speaks ("de", ...; empty for English): picks the help file.
    QString language = {};
    // Whether the desktop lets a window place itself (not so in a Wayland session). Where it
    // does not, the shake moves the window's contents by the same steps.
    bool windowPlacesItself = true;
};

// The main window: a view of the current list and its round (a Hat of the Shelf). It builds
// the controls as designed, binds them to the hat's operations, plays the shuffle's effects,
// and asks and tells through the prompter. Closing it stores the names and ends the program.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    Shelf& shelf() const { return *m_shelf; }
    Hat& hat() const; // the current list's
    ShuffleEffects& effects() const { return *m_effects; }
    QString helpFile() const { return m_helpFile; }
    const ContextHelp* contextHelp() const { return m_contextHelp; }
    // Current bounds of the laid-out controls, in twips.
    TwipsRect nameListBounds() const { return m_bounds[0]; }
    TwipsRect buttonPanelBounds() const { return m_bounds[1]; }
    TwipsRect shuffleButtonBounds() const { return m_bounds[2]; }

    // Stores the names (and the draw not stored yet) and tells the user what went wrong.
    void unload();
    // Writes the list now, without a word, unless the unload already did: for the end of
    // the desktop session and for a process that ends without its window closing.
    // True when the list is stored.
    bool saveNamesNow();
    void layOut();
    // The buttons' and the list menu's handlers.
    void addName();
    void removeName();
    void clearNames();
    void toggleShuffle();
    void showOptions();
    void exitProgram();
    void importList();
    void exportList();
    void showAbout();
    void showHelp();
    void printList();
    // Ctrl+V and Shift+Insert: the clipboard's text as names, refused while Add Name is.
    void pasteNames();
    // Each line of text that is not empty, at the end of the list in one step.
    void addNames(const QString& text);
    // What was dropped on the window: local files are imported, other text is added as a
    // paste is; refused while the import or Add Name is.
    void dropNames(const QStringList& files, const QString& text);
    // Files named on the command line, or handed over by a later start: imported as dropped
    // files are, once no dialog is open (a question asked meanwhile is answered first).
    void openFiles(const QStringList& files);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum Button { Add, Remove, Import, Export, Clear, Print, Options, Help, About, Exit, ButtonCount };

    void createControls();
    // The one place the shuffle state shows: the Shuffle button's caption, and the buttons
    // enabled (none of those that change or use the list while shuffling; else Remove,
    // Clear, Print and Export only when there are names).
    void enableButtons();
    void shufflingChanged(bool shuffling);
    void reordered();
    // The colour the window and the button panel show when not flashing: the button face.
    QColor restColour() const;
    // Accepts a drag or drop, as a copy, when it would bring names in now.
    bool takeDrag(QDropEvent* event);
    // Gives the controls their topics from the help file, read afresh.
    void loadHelpTopics();

    MainWindowServices m_services;
    Shelf* m_shelf = nullptr;
    ShuffleEffects* m_effects = nullptr;
    FramePacer* m_pacer = nullptr;
    QString m_helpFile;
    ContextHelp* m_contextHelp = nullptr;
    QStringList m_startNotices;        // what start-up has to tell the user once the window is up
    std::array<TwipsRect, 3> m_bounds; // the list, the button panel, the Shuffle button
    ListBox* m_nameList = nullptr;
    QFrame* m_buttonPanel = nullptr;
    QPushButton* m_shuffleButton = nullptr;
    std::array<QPushButton*, ButtonCount> m_buttons{};
    ListMenu* m_listMenu = nullptr;
};
