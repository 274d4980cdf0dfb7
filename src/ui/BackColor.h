#pragma once

#include <QColor>

class QWidget;

// A widget's background colour, as the forms read and set it (the window, its button
// panel, a button's face).
QColor backColor(const QWidget* widget);
void setBackColor(QWidget* widget, const QColor& colour);
