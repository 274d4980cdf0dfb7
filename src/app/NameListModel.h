#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QFontMetrics>

#include <vector>

// The names of a list box, in display order, each with its text width measured once when
// it is added. A re-order moves the widths along with the names, so the widest name is
// known again without measuring any text.
class NameListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit NameListModel(const QFont& measureFont, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_items.size()); }
    const QString& text(int row) const { return m_items[row].text; }
    int width(int row) const { return m_items[row].width; }

    void insert(int row, const QString& text);
    void append(const QStringList& texts);
    void remove(int row);
    void clear();
    // Puts the name at position order[j] to position j, for every j.
    void permute(const std::vector<int>& order);

    // Widest measured name, 0 for an empty list.
    int widestWidth() const;
    // Width of text as the list draws it (an ampersand is drawn, not a mnemonic).
    int measure(const QString& text) const;

private:
    struct Item
    {
        QString text;
        int width;
    };
    std::vector<Item> m_items;
    std::vector<Item> m_scratch; // reused by permute
    QFontMetrics m_metrics;
};
