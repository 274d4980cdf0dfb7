#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QFontMetrics>

#include <vector>

// The names of a list box, each with its text width measured once when it is added. The
// names stay where they were stored; the display order is a list of indexes into them, so a
// re-order moves ints rather than strings. The widest width is kept up to date as names come
// and go (a re-order cannot change it), with how many names have it: the stored widths are
// looked through again only when the last of those goes.
class NameListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit NameListModel(const QFont& measureFont, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    const QString& text(int row) const { return m_names[m_rows[row]].text; }
    int width(int row) const { return m_names[m_rows[row]].width; }
    // Every text, in row order.
    QStringList texts() const;

    // The measured widths of count rows from row on.
    std::vector<int> widths(int row, int count) const;

    void insert(int row, const QString& text);
    // widths: what widths() gave for these texts before (this model's font), one each;
    // otherwise the texts are measured.
    void append(const QStringList& texts, const std::vector<int>& widths = {});
    void remove(int row);
    // Removes count rows from row on, in one pass over the list however many go.
    void remove(int row, int count);
    void clear();

    enum class Layout { Changed, Kept };
    // Puts the name at position order[j] to position j, for every j. Layout::Changed tells
    // the views their layout changed; with Layout::Kept nothing is sent, for a caller that
    // knows every row keeps its place and repaints its view itself (much cheaper than a
    // relayout of every row).
    void permute(const std::vector<int>& order, Layout layout = Layout::Changed);

    // The font the names are measured in.
    QFont font() const { return m_font; }
    // Widest measured name, 0 for an empty list.
    int widestWidth() const { return m_widest; }
    // Width of text as the list draws it (an ampersand is drawn, not a mnemonic).
    int measure(const QString& text) const;
    // measure() of every text. A large batch is split between this thread and a helper
    // thread; the widths are the same either way.
    std::vector<int> measureAll(const QStringList& texts) const;
    // Batches at least this long are measured in two threads (where two cores run).
    static constexpr qsizetype kThreadedBatch = 2048;

private:
    struct Name
    {
        QString text;
        int width;
    };
    void addName(const QString& text, int width);
    void updateWidest();

    std::vector<Name> m_names;  // in no particular order
    std::vector<int> m_rows;    // row -> index into m_names
    std::vector<int> m_scratch; // reused by permute
    int m_widest = 0;
    int m_widestCount = 0; // names as wide as m_widest
    QFont m_font;
    QFontMetrics m_metrics;
};
