#include "NameListModel.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>

NameListModel::NameListModel(const QFont& measureFont, QObject* parent)
    : QAbstractListModel(parent), m_font(measureFont), m_metrics(measureFont)
{
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return text(index.row());
    return {};
}

QStringList NameListModel::texts() const
{
    QStringList out;
    out.reserve(count());
    for (int index : m_rows)
        out.append(m_names[index].text);
    return out;
}

int NameListModel::measure(const QString& text) const
{
    return m_metrics.horizontalAdvance(text);
}

struct NameListModel::Measuring
{
    quint64 serial;
    std::vector<int> indexes; // into m_names, which keeps its order until the widths are in
    QStringList texts;
    std::vector<int> widths;
    std::unique_ptr<QThread> thread;
    std::atomic<bool> abandoned = false; // the model goes: stop measuring
};

void NameListModel::measureLater(std::vector<int> indexes)
{
    static quint64 serials = 0;
    auto job = std::make_unique<Measuring>();
    job->serial = ++serials;
    job->indexes = std::move(indexes);
    job->texts.reserve(qsizetype(job->indexes.size()));
    for (int index : job->indexes)
        job->texts.append(m_names[size_t(index)].text);
    job->widths.resize(job->indexes.size());
    // The helper needs a font of its own: a font caches its engine per thread, and two
    // threads measuring with one shared font would race on that cache. Changing a property
    // gives the copy private data; changing it back keeps it the same font.
    QFont font = m_font;
    font.setKerning(!font.kerning());
    font.setKerning(!font.kerning());
    Measuring* const raw = job.get();
    job->thread.reset(QThread::create([raw, font = std::move(font)] {
        const QFontMetrics metrics(font);
        for (size_t i = 0; i < raw->widths.size() && !raw->abandoned.load(std::memory_order_relaxed); ++i)
            raw->widths[i] = metrics.horizontalAdvance(raw->texts[qsizetype(i)]);
    }));
    connect(job->thread.get(), &QThread::finished, this, [this, serial = job->serial] {
        if (m_measuring && m_measuring->serial == serial)
            finishMeasuring();
    });
    m_measuring = std::move(job);
    m_measuring->thread->start();
}

void NameListModel::finishMeasuring()
{
    if (!m_measuring)
        return;
    const std::unique_ptr<Measuring> job = std::move(m_measuring);
    job->thread->wait();
    for (size_t i = 0; i < job->indexes.size(); ++i) {
        const int width = job->widths[i];
        m_names[size_t(job->indexes[i])].width = width;
        if (width > m_widest) {
            m_widest = width;
            m_widestCount = 1;
        } else if (width == m_widest) {
            ++m_widestCount;
        }
    }
    emit measured();
}

NameListModel::~NameListModel()
{
    if (m_measuring) {
        m_measuring->abandoned = true;
        m_measuring->thread->wait();
    }
}

void NameListModel::addName(const QString& text, int width)
{
    m_names.push_back(Name{text, width});
    if (width > m_widest) {
        m_widest = width;
        m_widestCount = 1;
    } else if (width == m_widest) {
        ++m_widestCount;
    }
}

void NameListModel::updateWidest()
{
    m_widest = 0;
    m_widestCount = 0;
    for (const Name& name : m_names) {
        if (name.width > m_widest) {
            m_widest = name.width;
            m_widestCount = 0;
        }
        m_widestCount += int(name.width == m_widest);
    }
}

void NameListModel::insert(int row, const QString& text)
{
    finishMeasuring();
    row = std::clamp(row, 0, count());
    beginInsertRows({}, row, row);
    addName(text, measure(text));
    m_rows.insert(m_rows.begin() + row, static_cast<int>(m_names.size()) - 1);
    endInsertRows();
}

std::vector<int> NameListModel::widths(int row, int count) const
{
    std::vector<int> out;
    count = std::min(count, this->count() - row);
    if (row < 0 || count <= 0)
        return out;
    out.reserve(size_t(count));
    for (int r = row; r < row + count; ++r)
        out.push_back(m_names[size_t(m_rows[size_t(r)])].width);
    return out;
}

void NameListModel::append(const QStringList& texts, const std::vector<int>& known)
{
    if (texts.isEmpty())
        return;
    finishMeasuring();
    std::vector<int> widths =
        known.size() == size_t(texts.size()) ? known : std::vector<int>(size_t(texts.size()), kUnmeasured);
    std::vector<int> unmeasured; // indexes into m_names
    const int first = int(m_names.size());
    for (size_t i = 0; i < widths.size(); ++i) {
        if (widths[i] == kUnmeasured)
            unmeasured.push_back(first + int(i));
    }
    // A small-caps font is measured here: its copies share the second font that draws the
    // small capitals, which a helper thread would race on.
    const bool later = qsizetype(unmeasured.size()) >= kDeferredBatch && m_font.capitalization() != QFont::SmallCaps;
    if (!later) {
        for (int index : unmeasured)
            widths[size_t(index - first)] = measure(texts[index - first]);
    }
    beginInsertRows({}, count(), count() + int(texts.size()) - 1);
    m_names.reserve(m_names.size() + texts.size());
    m_rows.reserve(m_rows.size() + texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        m_rows.push_back(static_cast<int>(m_names.size()));
        addName(texts[i], widths[size_t(i)]);
    }
    endInsertRows();
    if (later)
        measureLater(std::move(unmeasured));
}

void NameListModel::remove(int row)
{
    if (row < 0 || row >= count())
        return;
    finishMeasuring();
    beginRemoveRows({}, row, row);
    const int gone = m_rows[row];
    const int gonesWidth = m_names[gone].width;
    m_rows.erase(m_rows.begin() + row);
    // The last stored name fills the hole, so the indexes stay dense.
    const int last = static_cast<int>(m_names.size()) - 1;
    if (gone != last) {
        m_names[gone] = std::move(m_names[last]);
        *std::find(m_rows.begin(), m_rows.end(), last) = gone;
    }
    m_names.pop_back();
    if (gonesWidth == m_widest && --m_widestCount == 0)
        updateWidest();
    endRemoveRows();
}

void NameListModel::remove(int row, int count)
{
    count = std::min(count, this->count() - row);
    if (row < 0 || count <= 0)
        return;
    if (count == 1)
        return remove(row);
    finishMeasuring();
    beginRemoveRows({}, row, row + count - 1);
    // The names that stay close up in their store; the rows follow them to their new places.
    std::vector<int> moved(m_names.size(), 0);
    for (int r = row; r < row + count; ++r)
        moved[size_t(m_rows[size_t(r)])] = -1;
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    int kept = 0;
    bool widestGone = false;
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (moved[i] < 0) {
            widestGone = widestGone || m_names[i].width == m_widest;
            continue;
        }
        moved[i] = kept;
        if (int(i) != kept)
            m_names[size_t(kept)] = std::move(m_names[i]);
        ++kept;
    }
    m_names.resize(size_t(kept));
    for (int& index : m_rows)
        index = moved[size_t(index)];
    if (widestGone)
        updateWidest();
    endRemoveRows();
}

void NameListModel::clear()
{
    finishMeasuring();
    beginResetModel();
    m_names.clear();
    m_rows.clear();
    m_widest = 0;
    m_widestCount = 0;
    endResetModel();
}

void NameListModel::permute(const std::vector<int>& order, Layout layout)
{
    Q_ASSERT(order.size() == m_rows.size());
    if (layout == Layout::Changed)
        emit layoutAboutToBeChanged({}, QAbstractItemModel::NoLayoutChangeHint);
    m_scratch.resize(m_rows.size());
    for (size_t j = 0; j < order.size(); ++j)
        m_scratch[j] = m_rows[order[j]];
    m_rows.swap(m_scratch);
    if (layout == Layout::Changed)
        emit layoutChanged({}, QAbstractItemModel::NoLayoutChangeHint);
}
