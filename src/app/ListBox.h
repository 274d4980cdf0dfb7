#pragma once

#include "draw/MaxNames.h"

#include <QListView>

#include <vector>

class NameListModel;
class ExtentDelegate;

// A list box of names: ordered, unsorted, repeats and blanks allowed, single selection,
// both scroll bars as needed. The horizontal scroll range is the list's horizontal extent,
// which follows the widest name as names come and go.
class ListBox : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(const QFont& font, QWidget* parent = nullptr);

    int ListCount() const;
    QString List(int index) const;
    // The whole list, top to bottom.
    QStringList names() const;
    // Selected position, -1 when nothing is selected.
    int ListIndex() const;
    void setListIndex(int index);

    // index -1 appends. Returns false, adding nothing, when the list is full (kMaxNames).
    bool AddItem(const QString& text, int index = -1);
    // Appends as many of texts as fit; returns how many were added.
    int AddItems(const QStringList& texts);
    void RemoveItem(int index);
    void Clear();
    // Re-orders the names: the name at order[j] goes to position j. The selection is lost.
    void permute(const std::vector<int>& order);

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
