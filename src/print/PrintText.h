#pragma once

class PrinterDevice;
class TextSource;

namespace Module1 {

// Prints the text of Box (its selection when SelectionOnly) on Printer between the margins,
// which are distances from the edges of the drawable area in the printer's scale unit: in
// Box's font and alignment, word-wrapped, one CR LF-separated paragraph after another, on
// as many pages as it takes, then ends the document. Returns false, touching no printer,
// when there is nothing to print or the margins leave no room; and false, leaving the
// document open, when a property of Box is missing or a printer operation fails.
bool PrintText(PrinterDevice& Printer, const TextSource& Box, double LeftMargin, double RightMargin, double TopMargin,
               double BottomMargin, bool SelectionOnly);

} // namespace Module1
