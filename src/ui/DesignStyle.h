#pragma once

#include <QProxyStyle>

class QWidget;

// The look the forms were drawn for, kept over whatever style runs: a check box's or option
// button's indicator is never taller than the box (a box 195 twips high would lose the
// bottom of a taller one) and its caption follows it closely, out to the box's edge; a
// frame's line runs through the middle of its caption, so that controls placed just below
// the caption stay clear of the line; a caption reads in its own text's direction.
class DesignStyle : public QProxyStyle
{
public:
    // Draws the control (a check box, an option button or a frame) in the design look.
    static void apply(QWidget* control);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    explicit DesignStyle(QStyle* base);
};
