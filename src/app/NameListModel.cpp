#include "NameListModel.h"

#include <algorithm>

NameListModel::NameListModel(const QFont& measureFont, QObject* parent)
    : QAbstractListModel(parent), m_metrics(measureFont)
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

int NameListModel::measure(const QString& text) const
{
    return m_metrics.horizontalAdvance(text);
}

void NameListModel::addName(const QString& text)
{
    m_names.push_back(Name{text, measure(text)});
    m_widest = std::max(m_widest, m_names.back().width);
}

void NameListModel::updateWidest()
{
    m_widest = 0;
    for (const Name& name : m_names)
        m_widest = std::max(m_widest, name.width);
}

void NameListModel::insert(int row, const QString& text)
{
    row = std::clamp(row, 0, count());
    beginInsertRows({}, row, row);
    addName(text);
    m_rows.insert(m_rows.begin() + row, static_cast<int>(m_names.size()) - 1);
    endInsertRows();
}

void NameListModel::append(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(texts.size()) - 1);
    m_names.reserve(m_names.size() + texts.size());
    m_rows.reserve(m_rows.size() + texts.size());
    for (const QString& t : texts) {
        m_rows.push_back(static_cast<int>(m_names.size()));
        addName(t);
    }
    endInsertRows();
}

void NameListModel::remove(int row)
{
    if (row < 0 || row >= count())
        return;
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
    if (gonesWidth == m_widest)
        updateWidest();
    endRemoveRows();
}

void NameListModel::clear()
{
    beginResetModel();
    m_names.clear();
    m_rows.clear();
    m_widest = 0;
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
