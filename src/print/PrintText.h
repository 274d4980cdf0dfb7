#pragma once

#include "PrinterDevice.h"

#include <QString>

enum class PrintAlignment { Left = 0, Right = 1, Centre = 2 };

// Prints text on printer between the margins, which are distances in twips from the edges of
// the drawable area: in font and alignment, word-wrapped, one CR LF-separated paragraph after
// another, on as many pages as it takes, then finishes the document. Returns
// false, touching no printer, when there is nothing to print or the margins leave no room;
// and false, leaving the document open, when a printer operation fails.
bool printText(PrinterDevice& printer, const QString& text, const PrintFont& font, PrintAlignment alignment,
               double leftMargin, double rightMargin, double topMargin, double bottomMargin);
