#pragma once

#include "TwipsRect.h"

#include <QFont>

class QWidget;

// Forms are laid out in twips and in the faces they were designed with.
int twipsToPixels(float twips);
// Places widget at a twips rectangle, rounding edges so that neighbours stay adjacent.
// Right to left (the widget's layout direction), left is measured from the parent's right
// edge instead: size the parent first, and place its children again when its width changes.
void placeInTwips(QWidget* widget, const TwipsRect& twips);
// The design face at a point size (a metric-compatible face where it is missing); in the
// windows of a language in another script (the text locale's), that script's face.
QFont designFont(qreal points, bool bold);
