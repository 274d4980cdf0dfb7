#pragma once

#include "DrawView.h"
#include "ListHistory.h"
#include "MainLayout.h"
#include "draw/DrawOrder.h"
#include "draw/DrawRecord.h"
#include "settings/Settings.h"

#include <QByteArray>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class ContextHelp;
class DrawHistory;
class DrawsWindow;
class QAction;
class ListBox;
class PrinterDevice;
class Prompter;
class QAction;
class QMenu;
class QFrame;
class QPushButton;
class QTimer;
class RandomSource;
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

// The main window: the list of names, the column of buttons and the Shuffle button.
// It owns the run: loading it reads the settings and the remembered names, closing it
// stores the names and ends the program.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Effects and memory switches, read from the settings at start-up; the first three are
    // read again whenever one of them is stored (Options).
    bool flashy() const { return m_flashy; }
    bool shaky() const { return m_shaky; }
    bool sound() const { return m_sound; }
    bool rememberNames() const { return m_rememberNames; }
    // Whether the shake moves the window (see MainWindowServices::windowPlacesItself).
    bool shakeMovesWindow() const { return m_services.windowPlacesItself; }

    ListBox* nameList() const { return m_nameList; }
    QFrame* buttonPanel() const { return m_buttonPanel; } // holds the column of side buttons
    QPushButton* addButton() const { return m_addButton; }
    QPushButton* shuffleButton() const { return m_shuffleButton; } // "Shuffle", or "Stop" while shuffling
    QPushButton* removeButton() const { return m_removeButton; }
    QPushButton* clearButton() const { return m_clearButton; }
    QPushButton* exitButton() const { return m_exitButton; }
    QPushButton* helpButton() const { return m_helpButton; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* aboutButton() const { return m_aboutButton; }
    QPushButton* optionsButton() const { return m_optionsButton; }
    QPushButton* importButton() const { return m_importButton; }
    QPushButton* exportButton() const { return m_exportButton; }

    // Whether a shuffle runs; the Shuffle button's caption and the enabled buttons follow it.
    bool isShuffling() const;
    bool minimizedOrMaximized() const { return m_minimizedOrMaximized; }
    bool shifted() const { return m_shifted; }
    // How far the shake moved the window's contents to the right, in pixels.
    int contentShift() const { return m_contentShift; }
    QString helpFile() const { return m_helpFile; }
    QByteArray shuffleSound() const { return m_shuffleSound; }
    // Window's left edge in twips, kept exactly across shakes.
    float leftTwips() const;
    void setLeftTwips(float twips);
    // Current bounds of the laid-out controls, in twips.
    TwipsRect nameListBounds() const { return m_nameListBounds; }
    TwipsRect buttonPanelBounds() const { return m_buttonPanelBounds; }
    TwipsRect shuffleButtonBounds() const { return m_shuffleButtonBounds; }

    // Whole file with leading and trailing 0x20 bytes removed; empty on any failure.
    static QByteArray readFileData(const QString& Path);

    // Start-up, shut-down and layout (MainWindow.cpp).
    void load();
    void unload();
    // Writes the list now, without a word, unless the unload already did: for the end of
    // the desktop session and for a process that ends without its window closing.
    // True when the list is stored.
    bool saveNamesNow();
    void layOut();
    // List editing (MainWindowEditing.cpp).
    void addName();
    void removeName();
    void clearNames();
    void exitProgram();
    // The one place the shuffle state shows: the Shuffle button's caption, and the buttons
    // enabled (none of the side buttons that change or use the list while shuffling; else
    // Remove, Clear, Print and Export only when there are names).
    void enableButtons();
    // Ctrl+V and Shift+Insert: the clipboard's text as names, refused while Add Name is.
    void pasteNames();
    // Each line of text that is not empty, at the end of the list in one step.
    void addNames(const QString& text);
    // Shuffle and draw (MainWindowShuffle.cpp).
    void toggleShuffle();
    void shuffleTick();
    // Options (MainWindowOptions.cpp).
    void showOptions();
    void restoreRestColour();
    void settingChanged(const QString& key);
    // Name list files (MainWindowFiles.cpp).
    void importList();
    void exportList();
    // What was dropped on the window: local files are imported, other text is added as a
    // paste is; refused while the import or Add Name is.
    void dropNames(const QStringList& files, const QString& text);
    // Files named on the command line, or handed over by a later start: imported as dropped
    // files are, once no dialog is open (a question asked meanwhile is answered first).
    void openFiles(const QStringList& files);
    // About (MainWindowAbout.cpp).
    void showAbout();
    // Help (MainWindowHelp.cpp).
    void showHelp();
    // Gives the controls their topics from the help file, read afresh.
    void loadHelpTopics();
    const ContextHelp* contextHelp() const { return m_contextHelp; }
    // Printing (MainWindowPrint.cpp).
    void printList();
    // The draw shown large, the names set aside from the list, Undo and Redo
    // (MainWindowRound.cpp), all reached from the list's context menu and their shortcuts.
    QMenu* listMenu() const { return m_listMenu; }
    // The list's first name over the whole screen that holds the window; nothing while
    // shuffling or with an empty list.
    void showDraw();
    DrawView* drawView() const { return m_drawView; }
    // Moves the list's first name to the set-aside names, so the next shuffle draws from the rest.
    void setAsideDrawn();
    // Puts the set-aside names back at the end of the list, in the order they were set aside.
    void bringBack();
    QStringList setAsideNames() const { return m_history->setAside(); }
    void undo();
    void redo();
    const ListHistory& history() const { return *m_history; }
    // The record selected in the Draws window, as Print List prints the list.
    void printDraw();
    // The draws' records (MainWindowDraws.cpp).
    // Opens the Draws window (Ctrl+H), or brings it to the front.
    void showDraws();
    // Ctrl+H's action, for menus that offer the Draws window too.
    QAction* drawsAction() const { return m_drawsAction; }
    DrawsWindow* drawsWindow() const { return m_drawsWindow; }
    DrawHistory& drawHistory() const { return *m_drawHistory; }
    bool keepDraws() const { return m_keepDraws; }
    void setKeepDraws(bool on);
    // Names set aside from the next rounds or brought back, recorded between the draws.
    void recordRoundEvent(DrawRecord::Kind kind, const QStringList& names);
    void exportDraw();
    // Asks first; the records go, the list stays.
    void forgetDraws();

signals:
    // Names moved between the list and the set-aside ones, or the set-aside ones were erased.
    void roundChanged(RoundChange change, const QStringList& names);

public:
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
    void createControls();
    // The list's context menu and its actions; one line here adds an action.
    void createListMenu();
    // Opens the list's menu at the current name, for the Menu key and Shift+F10.
    void showListMenuFromKeyboard();
    // The colour the window and the button panel show when not flashing: the button face.
    QColor restColour() const;
    // Accepts a drag or drop, as a copy, when it would bring names in now.
    bool takeDrag(QDropEvent* event);
    void shiftContents(int pixels);
    // Writes the list in one batch, or leaves the stored one whole; why not, or empty.
    QString saveNames();
    // Why a write to the store failed, as the messages complete their sentence.
    QString failureReason(StoreStatus status);
    // What Shuffle takes for the draw's record (the list cannot change while it runs), and
    // what Stop adds to it.
    void startDrawRecord(std::uint64_t seed);
    void recordDraw();
    // Stores the draw recorded at the last Stop, if it is not yet: before anything that
    // would list or follow it, and before the program ends.
    void storeDrawRecord();
    // Prints lines as Print List prints names, or says it could not.
    void printLines(const QStringList& lines);

    MainWindowServices m_services;
    Settings& m_settings;
    QByteArray m_shuffleSound;
    QString m_helpFile;
    DrawOrder m_draw;
    ContextHelp* m_contextHelp = nullptr;
    bool m_minimizedOrMaximized = false;
    bool m_shifted = false;
    bool m_flashy = true;
    bool m_shaky = true;
    bool m_sound = true;
    bool m_rememberNames = true;
    // The flash colour the window and its button panel show; none at rest.
    std::optional<QColor> m_flashColour;
    bool m_soundErrorOpen = false;
    bool m_unloaded = false;
    bool m_storeIsNewer = false;    // the user was told at start-up that nothing will be kept
    bool m_storeIsReadOnly = false; // likewise, for a store that cannot be written
    QStringList m_startNotices;     // what start-up has to tell the user once the window is up
    // Where the shake last put the window, and the places it moved from and to, in pixels.
    std::optional<float> m_leftTwips;
    std::array<int, 2> m_askedLeft{};
    int m_contentShift = 0;
    TwipsRect m_nameListBounds;
    TwipsRect m_buttonPanelBounds;
    TwipsRect m_shuffleButtonBounds;

    ListBox* m_nameList = nullptr;
    QFrame* m_buttonPanel = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_shuffleButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_optionsButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QTimer* m_shuffleTimer = nullptr; // one re-order every 10 ms while shuffling
    ListHistory* m_history = nullptr; // every change to the list goes through it
    QStringList m_beforeShuffle;      // the order a running shuffle started from
    QMenu* m_listMenu = nullptr;
    QAction* m_showDrawAction = nullptr;
    QAction* m_showEachDrawAction = nullptr;
    QAction* m_setAsideAction = nullptr;
    QAction* m_bringBackAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QPointer<DrawView> m_drawView;

    // The draw being shuffled, as its record needs it; none when it is not to be recorded.
    struct DrawStart
    {
        QStringList before;
        QByteArray fingerprint;
        std::uint64_t seed = 0;
    };
    std::optional<DrawStart> m_drawStart;
    struct UnstoredDraw
    {
        DrawRecord record;
        QStringList before;
    };
    std::optional<UnstoredDraw> m_unstoredDraw; // from Stop until stored
    std::int64_t m_reorders = 0;                // re-orders since Shuffle
    bool m_keepDraws = true;
    std::unique_ptr<DrawHistory> m_drawHistory;
    DrawsWindow* m_drawsWindow = nullptr; // made when first opened
    QAction* m_drawsAction = nullptr;
};
