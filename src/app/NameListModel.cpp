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
        return m_items[index.row()].text;
    return {};
}

int NameListModel::measure(const QString& text) const
{
    return m_metrics.horizontalAdvance(text);
}

void NameListModel::insert(int row, const QString& text)
{
    row = std::clamp(row, 0, count());
    beginInsertRows({}, row, row);
    m_items.insert(m_items.begin() + row, Item{text, measure(text)});
    endInsertRows();
}

void NameListModel::append(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(texts.size()) - 1);
    m_items.reserve(m_items.size() + texts.size());
    for (const QString& t : texts)
        m_items.push_back(Item{t, measure(t)});
    endInsertRows();
}

void NameListModel::remove(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_items.erase(m_items.begin() + row);
    endRemoveRows();
}

void NameListModel::clear()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
}

void NameListModel::permute(const std::vector<int>& order)
{
    Q_ASSERT(order.size() == m_items.size());
    emit layoutAboutToBeChanged({}, QAbstractItemModel::NoLayoutChangeHint);
    m_scratch.resize(m_items.size());
    for (size_t j = 0; j < order.size(); ++j)
        m_scratch[j] = std::move(m_items[order[j]]);
    m_items.swap(m_scratch);
    emit layoutChanged({}, QAbstractItemModel::NoLayoutChangeHint);
}

int NameListModel::widestWidth() const
{
    int widest = 0;
    for (const Item& item : m_items)
        widest = std::max(widest, item.width);
    return widest;
}
