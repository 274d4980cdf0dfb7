#pragma once

#include <QWidget>

#include <optional>

class DrawHistory;
class PrinterDevice;
class Prompter;
class QCheckBox;
class Settings;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The Draws window: the recorded draws and round events, newest first, and the whole record
// of the one selected beside them; it prints and exports that one, and forgets them all.
// Whether draws are recorded is its owner's to say (keepBox()).
class DrawsWindow : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        Prompter* prompter = nullptr;
        Settings* settings = nullptr;
        PrinterDevice* printer = nullptr;
    };
    DrawsWindow(DrawHistory& history, const Services& services, QWidget* owner);

    // Lists the history afresh, keeping the selected record selected while it is there.
    void refresh();
    // Shows the draws of the list numbered current, or with everyListBox() ticked those of
    // every list in lists (a deleted list's stay out of sight); the box shows with several.
    void setLists(int current, const QList<int>& lists);
    // The sequence of the record selected; none when nothing is.
    std::optional<qint64> selected() const;
    // The selected record's text, as shown.
    QString selectedText() const;

    QListWidget* drawList() const { return m_list; }
    QPlainTextEdit* recordView() const { return m_record; }
    QCheckBox* keepBox() const { return m_keep; }
    QCheckBox* everyListBox() const { return m_everyList; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* forgetButton() const { return m_forget; }

    // Prints the selected record as the list is printed, a line of the printout a line of its text.
    void printSelected();
    // Saves the selected draw's record as a file, through the save dialog.
    void exportSelected();
    // Asks first; the records go, the list stays.
    void forgetAll();

private:
    void showSelected();

    DrawHistory& m_history;
    Services m_services;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_record = nullptr;
    QCheckBox* m_keep = nullptr;
    QCheckBox* m_everyList = nullptr;
    int m_currentList = 1;
    QList<int> m_lists{1};
    QPushButton* m_print = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_forget = nullptr;
};
