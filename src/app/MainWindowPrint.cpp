#include "MainWindow.h"

#include "ListBox.h"
#include "MainWindowTexts.h"
#include "history/DrawsWindow.h"
#include "print/PrintText.h"
#include "print/QtPrinterDevice.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QApplication>

// Print List: the names, one a line, with one-inch margins on the default printer; a draw's
// record from the Draws window the same way.

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

bool printNames(PrinterDevice* printer, const QStringList& names)
{
    if (!printer)
        return false;
    BusyCursor busy;
    // Opens the document, and its first page, at the top-left corner of the drawable area.
    if (!printer->printLine(QStringLiteral(" ")))
        return false;

    // The printout ends with an empty line after the last name.
    QStringList paragraphs = names;
    if (!paragraphs.isEmpty())
        paragraphs.append(QString());

    // The printout's font: 13.5-point bold in the design face, left-aligned.
    static const PrintFont font = QtPrinterDevice::printFont(designFont(13.5, true));
    return printText(*printer, paragraphs, font, PrintAlignment::Left, kOneInch, kOneInch, kOneInch, kOneInch);
}

} // namespace

void MainWindow::printList()
{
    printLines(m_nameList->names());
}

void MainWindow::printDraw()
{
    if (!m_drawsWindow || !m_drawsWindow->selected())
        return;
    // The record as the window shows it, a line of the printout a line of its text.
    QStringList lines = m_drawsWindow->selectedText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    printLines(lines);
}

void MainWindow::printLines(const QStringList& lines)
{
    if (printNames(m_services.printer, lines))
        return;
    // Whatever was printed of a failed run is thrown away rather than left open to reach the
    // printer with the next document.
    if (m_services.printer)
        m_services.printer->abort();
    //: "The was" is a slip in the English text, kept as users know it: it means "There was an error printing the list."
    m_services.prompter->tell(MainWindowTexts::oops(), tr("The was an error printing the list."),
                              Prompter::Icon::Critical);
}
