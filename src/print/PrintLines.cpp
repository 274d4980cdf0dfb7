#include "PrintLines.h"

#include "PrintText.h"
#include "QtPrinterDevice.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QApplication>

namespace {

constexpr double kOneInch = 1440; // twips

// Shows the busy cursor while a print run keeps the window from answering.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool print(PrinterDevice* printer, const QStringList& lines)
{
    if (!printer)
        return false;
    BusyCursor busy;
    // Opens the document, and its first page, at the top-left corner of the drawable area.
    if (!printer->printLine(QStringLiteral(" ")))
        return false;

    // The printout ends with an empty line after the last one.
    QStringList paragraphs = lines;
    if (!paragraphs.isEmpty())
        paragraphs.append(QString());

    // The printout's font: 13.5-point bold in the design face, left-aligned.
    static const PrintFont font = QtPrinterDevice::printFont(designFont(13.5, true));
    return printText(*printer, paragraphs, font, PrintAlignment::Left, kOneInch, kOneInch, kOneInch, kOneInch);
}

} // namespace

bool printLines(PrinterDevice* printer, const QStringList& lines, Prompter& prompter)
{
    if (print(printer, lines))
        return true;
    // Whatever was printed of a failed run is thrown away rather than left open to reach the
    // printer with the next document.
    if (printer)
        printer->abort();
    prompter.tell(QCoreApplication::translate("MainWindow", "Oops!"),
                  //: "The was" is a slip in the English text, kept as users know it: it means "There was an error
                  //: printing the list."
                  QCoreApplication::translate("MainWindow", "The was an error printing the list."),
                  Prompter::Icon::Critical);
    return false;
}
