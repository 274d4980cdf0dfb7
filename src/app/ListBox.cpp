#include "ListBox.h"

#include "hat/NameListModel.h"
#include "ui/TextDirection.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextLayout>

// Gives every row the list's horizontal extent as its width, so the view's horizontal
// scroll range follows the extent rather than the first item (rows are of uniform size).
// Each name reads in its own direction: an Arabic or Hebrew name right to left (its closing
// punctuation on its left) in a left-to-right list too, which a view does not do by itself.
class ExtentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int width = 0;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {width, QStyledItemDelegate::sizeHint(option, index).height()};
    }

    // What the style draws for a row of plain text (its panel, the text, the focus frame), with
    // the text laid out once: the style's own way lays it out three times (its size, its
    // eliding, its drawing), for every row seen on every tick of a shuffle. The pixels are
    // the same.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        constexpr auto plain = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::Alternate;
        if ((opt.features & ~plain) || (opt.state & QStyle::State_Editing) || opt.text.isEmpty())
            return QStyledItemDelegate::paint(painter, option, index);
        const QWidget* widget = opt.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        painter->save();
        painter->setClipRect(opt.rect);
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
        QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(
            opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        // A row without check box or icon has its text over the whole row.
        const QRect text = opt.rect.adjusted(margin, 0, -margin, 0);
        QTextOption textOption;
        textOption.setWrapMode(QTextOption::ManualWrap);
        textOption.setTextDirection(opt.direction);
        textOption.setAlignment(QStyle::visualAlignment(opt.direction, opt.displayAlignment));
        QTextLayout layout(opt.text, opt.font);
        layout.setTextOption(textOption);
        layout.setCacheEnabled(true); // the drawing uses the shaping the layout did
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(text.width());
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout.endLayout();
        // Placed in the row's height as the style places it: from its size in whole pixels.
        const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, opt.displayAlignment,
                                                 layout.boundingRect().size().toSize(), text);
        layout.draw(painter, QPointF(text.x(), placed.top()));
        if (opt.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(opt);
            focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, widget);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor =
                opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Every name starts on the list's side, whichever way it reads: the row is as wide as
        // the widest name, and a name on the far side could be out of sight.
        const Qt::LayoutDirection list = option->direction;
        option->displayAlignment = QStyle::visualAlignment(list, option->displayAlignment);
        option->direction = ownDirection(option->text, list);
    }
};

ListBox::ListBox(NameListModel* model, QWidget* parent)
    : QListView(parent), m_model(model), m_delegate(new ExtentDelegate(this))
{
    setFont(model->font());
    setItemDelegate(m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    // Names come and go only with the count, or their widths come in later; a re-order
    // cannot change the extent.
    connect(this, &ListBox::countChanged, this, &ListBox::updateExtent);
    m_model = nullptr;
    setNameModel(model);
}

void ListBox::setNameModel(NameListModel* model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    // The view makes a selection model of its own for each model, and keeps the old one.
    QItemSelectionModel* old = selectionModel();
    setModel(m_model);
    delete old;
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ListBox::countChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ListBox::countChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ListBox::countChanged);
    connect(m_model, &NameListModel::measured, this, &ListBox::updateExtent);
    emit countChanged();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

int ListBox::count() const
{
    return m_model->count();
}

int ListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setCurrentRow(int row)
{
    if (row < 0 || row >= count())
        selectionModel()->clear();
    else
        setCurrentIndex(m_model->index(row));
}

int ListBox::rowHeight(int row) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return m_delegate->sizeHint(option, m_model->index(row)).height();
}

bool ListBox::plainHeight(const QString& text) const
{
    if (text.isEmpty())
        return false; // an empty row takes the font's height rounded, not a line's
    if (m_primaryFor != font()) {
        m_primaryFor = font();
        // The font the list's font stands for, without the fonts that fill in for it.
        m_primary = QRawFont::fromFont(m_primaryFor);
        for (char16_t c = 0; c < 128; ++c)
            m_asciiInPrimary[c] = m_primary.supportsCharacter(QChar(c));
    }
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            if (!m_asciiInPrimary[c.unicode()])
                return false;
            continue;
        }
        const QChar::Script script = c.script();
        if ((script != QChar::Script_Latin && script != QChar::Script_Common && script != QChar::Script_Inherited) ||
            !m_primary.supportsCharacter(c))
            return false;
    }
    return true;
}

void ListBox::permute(const std::vector<int>& order)
{
    selectionModel()->clear();
    // With uniform item sizes the view gives every row the last row's size. While the name
    // that comes last is as tall as the one there now, every row keeps its place: repainting
    // the rows shows the new order, and laying all of them out again would only cost time.
    const int last = count() - 1;
    const bool sameHeight =
        last >= 0 && ((plainHeight(m_model->text(order.back())) && plainHeight(m_model->text(last))) ||
                      rowHeight(order.back()) == rowHeight(last));
    if (!sameHeight) {
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
    const int pixels = count() > 0 ? m_model->widestWidth() + scrollBar : 0;
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
