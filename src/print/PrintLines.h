#pragma once

#include <QStringList>

class Prompter;
class PrinterDevice;

// Prints lines as the list is printed: one a line, in the list's print font, with one-inch
// margins, on printer. When that fails, what was printed is thrown away and the user is
// told. True when printed.
bool printLines(PrinterDevice* printer, const QStringList& lines, Prompter& prompter);
