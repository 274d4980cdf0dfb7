#pragma once

#include <QColor>

class QPalette;

// A text colour the forms were designed with for a light window, made readable on the
// palette's window: kept as it is on a light palette; on a dark one (lighter text than
// window) a colour with a hue is lightened, keeping its hue, and black or grey becomes the
// palette's text colour, in each case until it stands at least 4.5:1 against the window.
QColor readableOn(const QColor& designed, const QPalette& palette);
