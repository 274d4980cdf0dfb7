#pragma once

#include <QString>
#include <QVariant>

// The printer as the print routines see it: a drawing surface with pages, a print position
// and a font, measured in the scale unit (twips). Operations that can fail return false.
class PrinterDevice
{
public:
    static constexpr int vbTwips = 1;

    virtual ~PrinterDevice() = default;

    // Where the next Print puts the top-left corner of its text, in the scale unit.
    double CurrentX = 0;
    double CurrentY = 0;

    // Prints s at the current position and moves to the start of the next line. The first
    // Print of a document opens the document and its first page.
    virtual bool Print(const QString& s) = 0;

    virtual int ScaleMode() const = 0;
    virtual bool setScaleMode(int mode) = 0;
    // Width and height of the page's drawable area; 0 when there is no printer.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // Sets one property of the printer's font: "name", "Bold", "Charset", "Italic", "Size",
    // "Strikethrough", "Underline" or "Weight".
    virtual bool setFontProperty(const QString& name, const QVariant& value) = 0;
    virtual double TextWidth(const QString& s) const = 0;
    virtual double TextHeight(const QString& s) const = 0;

    // Ends the current page and starts the next one.
    virtual bool NewPage() = 0;
    // Ends the document and releases it for printing; nothing happens when none is open.
    virtual bool EndDoc() = 0;
    // Throws away the open document, if any, so none of it is printed.
    virtual void KillDoc() = 0;
};
