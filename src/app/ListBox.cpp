#include "ListBox.h"

#include "NameListModel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

// Gives every row the list's horizontal extent as its width, so the view's horizontal
// scroll range follows the extent rather than the first item (rows are of uniform size).
class ExtentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int width = 0;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {width, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

ListBox::ListBox(const QFont& font, QWidget* parent)
    : QListView(parent), m_model(new NameListModel(font, this)), m_delegate(new ExtentDelegate(this))
{
    setFont(font);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ListBox::countChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ListBox::countChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ListBox::countChanged);
    // Names come and go only with the count; a re-order cannot change the extent.
    connect(this, &ListBox::countChanged, this, &ListBox::updateExtent);
}

int ListBox::ListCount() const
{
    return m_model->count();
}

QString ListBox::List(int index) const
{
    return index >= 0 && index < m_model->count() ? m_model->text(index) : QString();
}

QStringList ListBox::names() const
{
    return m_model->texts();
}

int ListBox::ListIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setListIndex(int index)
{
    if (index < 0 || index >= ListCount())
        selectionModel()->clear();
    else
        setCurrentIndex(m_model->index(index));
}

bool ListBox::AddItem(const QString& text, int index)
{
    if (ListCount() >= kMaxNames)
        return false;
    m_model->insert(index < 0 ? ListCount() : index, text);
    return true;
}

int ListBox::AddItems(const QStringList& texts)
{
    const int room = kMaxNames - ListCount();
    const QStringList fitting = texts.size() > room ? texts.first(room) : texts;
    m_model->append(fitting);
    return int(fitting.size());
}

void ListBox::RemoveItem(int index)
{
    m_model->remove(index);
}

void ListBox::Clear()
{
    m_model->clear();
}

int ListBox::rowHeight(int row) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return m_delegate->sizeHint(option, m_model->index(row)).height();
}

void ListBox::permute(const std::vector<int>& order)
{
    selectionModel()->clear();
    // With uniform item sizes the view gives every row the last row's size. While the name
    // that comes last is as tall as the one there now, every row keeps its place: repainting
    // the rows shows the new order, and laying all of them out again would only cost time.
    const int last = ListCount() - 1;
    if (last < 0 || rowHeight(order.back()) != rowHeight(last)) {
        m_model->permute(order, NameListModel::Layout::Changed);
        return;
    }
    m_model->permute(order, NameListModel::Layout::Kept);
    viewport()->update();
#if QT_CONFIG(accessibility)
    // What a changed layout would tell assistive tools: every row's text may be new.
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

void ListBox::updateExtent()
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int pixels = ListCount() > 0 ? m_model->widestWidth() + scrollBar : 0;
    if (pixels == m_extent)
        return;
    m_extent = pixels;
    m_delegate->width = pixels;
    // The view caches the uniform row size; a fresh layout picks up the new width. The change
    // of names has scheduled one already: the rows are laid out once, however many changes
    // come before the event loop runs again.
    scheduleDelayedItemsLayout();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    QListView::keyPressEvent(event);
    // Home goes to the first name and shows the list from its start, also sideways.
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
}
