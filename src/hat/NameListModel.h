#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QFontMetrics>

#include <memory>
#include <vector>

class QThread;

// The names of a list box, each with its text width measured once when it is added. The
// names stay where they were stored; the display order is a list of indexes into them, so a
// re-order moves ints rather than strings. The widest width is kept up to date as names come
// and go (a re-order cannot change it), with how many names have it: the stored widths are
// looked through again only when the last of those goes.
//
// A large batch of names is measured after append() returns, in a helper thread, so that a
// long list is shown (and can be shuffled) without waiting for the text shaping of every
// name; measured() tells when the widths are in. Until then widestWidth() covers the
// names measured so far. Adding or removing names first waits for the measuring.
class NameListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit NameListModel(const QFont& measureFont, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    const QString& text(int row) const { return m_names[m_rows[row]].text; }
    // The name's measured width, kUnmeasured while it waits in a batch being measured.
    int width(int row) const { return m_names[m_rows[row]].width; }
    static constexpr int kUnmeasured = -1;
    // Every text, in row order.
    QStringList texts() const;

    // The widths of count rows from row on, as width() gives them.
    std::vector<int> widths(int row, int count) const;

    void insert(int row, const QString& text);
    // widths: what widths() gave for these texts before (this model's font), one each;
    // otherwise the texts are measured. A text whose width is kUnmeasured is measured; from
    // kDeferredBatch of them on, after the call returns.
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
    // Whether names wait to be measured.
    bool measuring() const { return m_measuring != nullptr; }
    // Waits until every name is measured (at once when none waits).
    void finishMeasuring();
    // Width of text as the list draws it (an ampersand is drawn, not a mnemonic).
    int measure(const QString& text) const;
    // append() measures batches at least this long after it returns.
    static constexpr qsizetype kDeferredBatch = 2048;

    ~NameListModel() override;

signals:
    // A batch's widths came in (widestWidth() may have changed, the rows did not).
    void measured();

private:
    struct Name
    {
        QString text;
        int width;
    };
    void addName(const QString& text, int width);
    void updateWidest();
    struct Measuring;
    // Measures the names at these indexes of m_names in a helper thread.
    void measureLater(std::vector<int> indexes);

    std::vector<Name> m_names;  // in no particular order
    std::vector<int> m_rows;    // row -> index into m_names
    std::vector<int> m_scratch; // reused by permute
    int m_widest = 0;
    int m_widestCount = 0; // names as wide as m_widest
    QFont m_font;
    QFontMetrics m_metrics;
    std::unique_ptr<Measuring> m_measuring;
};
