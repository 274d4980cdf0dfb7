#pragma once

#include <QWidget>

#include <optional>

class DrawHistory;
class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The Draws window: the recorded draws and round events, newest first, and the whole record
// of the one selected beside them. Its buttons' work is its owner's (printing, the save
// dialog, the question before forgetting), so the window only shows.
class DrawsWindow : public QWidget
{
    Q_OBJECT
public:
    DrawsWindow(DrawHistory& history, QWidget* owner);

    // Lists the history afresh, keeping the selected record selected while it is there.
    void refresh();
    // The sequence of the record selected; none when nothing is.
    std::optional<qint64> selected() const;
    // The selected record's text, as shown.
    QString selectedText() const;

    QListWidget* drawList() const { return m_list; }
    QPlainTextEdit* recordView() const { return m_record; }
    QCheckBox* keepBox() const { return m_keep; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* forgetButton() const { return m_forget; }

private:
    void showSelected();

    DrawHistory& m_history;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_record = nullptr;
    QCheckBox* m_keep = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_forget = nullptr;
};
