#pragma once

#include "PrinterDevice.h"

#include <QStringList>

enum class PrintAlignment { Left = 0, Right = 1, Centre = 2 };

// Prints paragraphs on printer between the margins, which are distances in twips from the
// edges of the drawable area: in font and alignment, each paragraph word-wrapped and an empty
// one as an empty line, on as many pages as it takes, then finishes the document. Returns
// false, touching no printer, when there is nothing to print or the margins leave no room;
// and false, leaving the document open, when a printer operation fails.
bool printText(PrinterDevice& printer, const QStringList& paragraphs, const PrintFont& font, PrintAlignment alignment,
               double leftMargin, double rightMargin, double topMargin, double bottomMargin);
