#include "BackColor.h"

#include <QWidget>

QColor backColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, widget->backgroundRole());
}

void setBackColor(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
