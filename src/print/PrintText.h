#pragma once

#include <QString>

class PrinterDevice;

// The font a text is printed in, as the printer device takes it.
struct PrintFont
{
    QString name;
    bool bold = false;
    bool italic = false;
    double size = 0; // points
    bool strikethrough = false;
    bool underline = false;
    int weight = 400; // 1 to 1000; set after bold, so it holds over what bold implies
};

enum class PrintAlignment { Left = 0, Right = 1, Centre = 2 };

// Prints text on printer between the margins, which are distances from the edges of the
// drawable area in the printer's scale unit: in font and alignment, word-wrapped, one CR
// LF-separated paragraph after another, on as many pages as it takes, then ends the
// document. Returns false, touching no printer, when there is nothing to print or the
// margins leave no room; and false, leaving the document open, when a printer operation fails.
bool printText(PrinterDevice& printer, const QString& text, const PrintFont& font, PrintAlignment alignment,
               double leftMargin, double rightMargin, double topMargin, double bottomMargin);
