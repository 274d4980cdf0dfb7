#pragma once

#include <QListView>
#include <QRawFont>

#include <bitset>
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
    // model: the names it shows, drawn in the font the model measures them in.
    explicit ListBox(NameListModel* model, QWidget* parent = nullptr);

    int count() const;
    // Selected row, -1 when nothing is selected.
    int currentRow() const;
    void setCurrentRow(int row);
    // Shows the names re-ordered: the name at order[j] goes to position j. The selection is lost.
    void permute(const std::vector<int>& order);

    // The widest name plus a scroll bar's width, in pixels; 0 for an empty list.
    int horizontalExtent() const { return m_extent; }

    NameListModel* nameModel() const { return m_model; }
    // Shows another list's names (drawn in the same font), from its top.
    void setNameModel(NameListModel* model);

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
    // Whether a row holding text is as tall as any other such row without measuring it: its
    // characters are all Latin or common ones drawn by the font the list's font stands for,
    // whose line it then has (a font filling in for other characters can make it taller).
    bool plainHeight(const QString& text) const;
    // Fits the extent to the names, from the widths the model measured when they came.
    void updateExtent();

    NameListModel* m_model;
    ExtentDelegate* m_delegate;
    int m_extent = 0;
    mutable QFont m_primaryFor; // the list's font m_primary was found for
    mutable QRawFont m_primary;
    mutable std::bitset<128> m_asciiInPrimary;
};
