#pragma once

#include <QColor>

class QWidget;

// A widget's background colour (for a button, its face: the main window's rest colour). It
// is read from the active colour group, so a disabled or inactive widget reports the same
// colour as an enabled one: the rest colour must not change while the buttons are locked
// during a shuffle.
QColor backColor(const QWidget* widget);
