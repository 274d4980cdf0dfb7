#include "DesignStyle.h"

#include "TextDirection.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Between a check box's indicator and its caption, as the forms were drawn: the styles' own
// gap (6 px in Fusion) would push "Remember name list between sessions." past its box.
constexpr int kCaptionGap = 3;

// A frame in the design look: its own caption, not a check box in its title.
const QStyleOptionGroupBox* plainFrame(const QStyleOptionComplex* option)
{
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    return group && !(group->subControls & QStyle::SC_GroupBoxCheckBox) ? group : nullptr;
}

} // namespace

DesignStyle::DesignStyle(QStyle* base) : QProxyStyle(base) {}

void DesignStyle::apply(QWidget* control)
{
    // One instance over the application's style, living as long as the application.
    static DesignStyle* const style = [] {
        auto* s = new DesignStyle(QStyleFactory::create(QApplication::style()->name()));
        s->setParent(qApp);
        return s;
    }();
    control->setStyle(style);
}

int DesignStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        // Square, and no taller than the box it is drawn in.
        if (qobject_cast<const QAbstractButton*>(widget))
            return std::min(base, widget->height());
        return base;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return qobject_cast<const QAbstractButton*>(widget) ? kCaptionGap : base;
    default:
        return base;
    }
}

QRect DesignStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    QRect r = QProxyStyle::subElementRect(element, option, widget);
    if (element == SE_CheckBoxContents || element == SE_RadioButtonContents) {
        // The caption may run up to the box's far edge; the common styles stop a pixel short.
        if (option->direction == Qt::RightToLeft)
            r.setLeft(option->rect.left());
        else
            r.setRight(option->rect.right());
    }
    return r;
}

QRect DesignStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                  const QWidget* widget) const
{
    const QStyleOptionGroupBox* group = control == CC_GroupBox ? plainFrame(option) : nullptr;
    if (!group)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const QRect r = group->rect;
    const int textHeight = group->text.isEmpty() ? 0 : group->fontMetrics.height();
    const int indent = group->fontMetrics.averageCharWidth();
    const int frameWidth = std::max(1, group->lineWidth);
    switch (subControl) {
    case SC_GroupBoxFrame:
        return r.adjusted(0, textHeight / 2, 0, 0);
    case SC_GroupBoxLabel: {
        // A space's width either side, where the line stops short of the caption.
        const int gap = group->fontMetrics.horizontalAdvance(QLatin1Char(' '));
        const int width = group->fontMetrics.size(Qt::TextShowMnemonic, group->text).width() + 2 * gap;
        const QRect label(r.left() + indent, r.top(), std::min(width, std::max(0, r.width() - 2 * indent)), textHeight);
        return visualRect(group->direction, r, label);
    }
    case SC_GroupBoxContents:
        return r.adjusted(frameWidth, std::max(textHeight, frameWidth), -frameWidth, -frameWidth);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void DesignStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                               const QString& text, QPalette::ColorRole textRole) const
{
    // A caption reads in its own direction wherever its control stands: an English caption
    // in a right-to-left window keeps its closing period on the right. It stays on the side
    // the control puts it, which the control's direction chose.
    if (!(flags & (Qt::TextForceLeftToRight | Qt::TextForceRightToLeft))) {
        const Qt::LayoutDirection around = painter->layoutDirection();
        const Qt::Alignment side = visualAlignment(around, Qt::Alignment(flags) & Qt::AlignHorizontal_Mask);
        flags = (flags & ~int(Qt::AlignHorizontal_Mask)) | int(side);
        flags |= ownDirection(text, around) == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

void DesignStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const QStyleOptionGroupBox* group = control == CC_GroupBox ? plainFrame(option) : nullptr;
    if (!group) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = proxy()->subControlRect(CC_GroupBox, group, SC_GroupBoxLabel, widget);
    if (group->subControls & SC_GroupBoxFrame) {
        // An etched line, drawn here rather than by the style: some styles move a captioned
        // frame's line down below the caption, into the controls.
        painter->save();
        if (!group->text.isEmpty())
            painter->setClipRegion(QRegion(group->rect).subtracted(label));
        qDrawShadeRect(painter, proxy()->subControlRect(CC_GroupBox, group, SC_GroupBoxFrame, widget), group->palette,
                       true, std::max(1, group->lineWidth), group->midLineWidth);
        painter->restore();
    }
    if ((group->subControls & SC_GroupBoxLabel) && !group->text.isEmpty()) {
        int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!proxy()->styleHint(SH_UnderlineShortcut, group, widget))
            flags |= Qt::TextHideMnemonic;
        proxy()->drawItemText(painter, label, flags, group->palette, group->state & State_Enabled, group->text,
                              QPalette::WindowText);
    }
}
