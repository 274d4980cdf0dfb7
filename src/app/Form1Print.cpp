#include "Form1.h"

#include "Form1Texts.h"
#include "ListBox.h"
#include "print/PrintText.h"
#include "print/PrinterDevice.h"
#include "print/TextBox.h"
#include "ui/Prompter.h"

#include <QApplication>

// Print List: the names, one a line, with one-inch margins on the default printer.

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

bool printList(PrinterDevice* Printer, TextBox* Text1, const ListBox* List1)
{
    if (!Printer)
        return false;
    BusyCursor busy;
    Text1->setText(QString());
    // Opens the document, and its first page, at the top-left corner of the drawable area.
    if (!Printer->Print(QStringLiteral(" ")))
        return false;

    static const QString crlf = QStringLiteral("\r\n");
    QString text;
    const int count = List1->ListCount();
    for (int i = 0; i < count; ++i)
        text += List1->List(i) + crlf;
    Text1->setText(text);

    if (!Printer->setScaleMode(PrinterDevice::vbTwips))
        return false;
    return Module1::PrintText(*Printer, *Text1, kOneInch, kOneInch, kOneInch, kOneInch, false);
}

} // namespace

void Form1::Command7_Click()
{
    if (printList(m_services.printer, Text1, List1))
        return;
    // Whatever was printed of a failed run is thrown away rather than left open to reach the
    // printer with the next document.
    if (m_services.printer)
        m_services.printer->KillDoc();
    m_services.prompter->MsgBox(QStringLiteral("The was an error printing the list."), Prompter::vbCritical,
                                Form1Texts::Oops);
}
