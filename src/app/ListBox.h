#pragma once

#include "ListHistory.h"
#include "draw/MaxNames.h"

#include <QListView>

#include <vector>

class NameListModel;
class ExtentDelegate;

// A list box of names: ordered, unsorted, repeats and blanks allowed, single selection,
// both scroll bars as needed. The horizontal scroll range is the list's horizontal extent,
// which follows the widest name as names come and go.
class ListBox : public QListView, public EditableList
{
    Q_OBJECT
public:
    explicit ListBox(const QFont& font, QWidget* parent = nullptr);

    int count() const override;
    // The name at row, "" outside the list.
    QString nameAt(int row) const;
    // The whole list, top to bottom.
    QStringList names() const;
    // Selected row, -1 when nothing is selected.
    int currentRow() const;
    void setCurrentRow(int row);

    // Returns false, adding nothing, when the list is full (kMaxNames).
    bool append(const QString& name);
    // Appends as many of names as fit; returns how many were added.
    int append(const QStringList& names);
    void removeAt(int row);
    void clear();
    // Re-orders the names: the name at order[j] goes to position j. The selection is lost.
    void permute(const std::vector<int>& order);

    // The edits an undo or redo makes.
    QStringList names(int row, int count) const override;
    void insert(int row, const QStringList& names) override;
    void remove(int row, int count) override;
    void replace(const QStringList& names) override;

    // The widest name plus a scroll bar's width, in pixels; 0 for an empty list.
    int horizontalExtent() const { return m_extent; }

    NameListModel* nameModel() const { return m_model; }

signals:
    // The number of names changed.
    void countChanged();
    // The user pressed Delete on the list.
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Height the view gives a row holding the name now at row.
    int rowHeight(int row) const;
    // Fits the extent to the names, from the widths the model measured when they came.
    void updateExtent();

    NameListModel* m_model;
    ExtentDelegate* m_delegate;
    int m_extent = 0;
};
