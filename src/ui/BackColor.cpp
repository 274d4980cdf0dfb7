#include "BackColor.h"

#include <QWidget>

QColor backColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, widget->backgroundRole());
}
