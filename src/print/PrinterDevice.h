#pragma once

#include <QPointF>
#include <QString>

// The font text is printed and measured in.
struct PrintFont
{
    QString family;
    double pointSize = 0; // more than 0
    int weight = 400;     // 1 to 1000, as QFont::Weight: 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const PrintFont&) const = default;
};

// The printer as the print routines see it: a drawing surface with pages, a cursor and a
// font. Every position and size is in twips (1/1440 inch), the unit the printout is designed
// in; there is no other scale. Operations that can fail return false.
class PrinterDevice
{
public:
    virtual ~PrinterDevice() = default;

    // Where the next printLine puts the top-left corner of its text, from the top-left corner
    // of the drawable area.
    QPointF cursor;

    // Prints s at the cursor and moves the cursor to the start of the next line. The first
    // line of a document opens the document and its first page.
    virtual bool printLine(const QString& s) = 0;

    // Width and height of the page's drawable area; 0 when there is no printer.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual bool setFont(const PrintFont& font) = 0;
    virtual double textWidth(const QString& s) const = 0;
    // How far printLine moves the cursor down.
    virtual double lineHeight() const = 0;

    // Ends the current page and starts the next one.
    virtual bool startNewPage() = 0;
    // Ends the document and releases it for printing; nothing happens when none is open.
    virtual bool finish() = 0;
    // Throws away the open document, if any, so none of it is printed.
    virtual void abort() = 0;
};
