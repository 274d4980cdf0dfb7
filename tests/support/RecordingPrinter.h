#pragma once

#include "print/PrinterDevice.h"

#include <QHash>
#include <QList>

// A printer with fixed metrics that records what is printed where. Every character is
// charWidth wide unless widths says otherwise; every line is lineSpacing high.
class RecordingPrinter : public PrinterDevice
{
public:
    struct Line
    {
        int page;
        double x;
        double y;
        QString text;
        bool operator==(const Line&) const = default;
    };

    double drawableWidth = 12000;
    double drawableHeight = 15000;
    double charWidth = 100;
    QHash<QChar, double> widths;
    double lineSpacing = 300;
    // printLine fails from the (n+1)th call on; -1 never.
    int linesBeforeFailure = -1;
    // finish() closes the document but reports that it was not taken.
    bool refuseFinish = false;

    // What was done.
    QList<Line> lines;
    QList<PrintFont> fonts;
    int page = 0; // of the open document; 0 when none is open
    int finished = 0;
    int aborted = 0;
    mutable int calls = 0; // of any operation, queries included

    bool printLine(const QString& s) override;
    double pageWidth() const override
    {
        ++calls;
        return drawableWidth;
    }
    double pageHeight() const override
    {
        ++calls;
        return drawableHeight;
    }
    bool setFont(const PrintFont& font) override
    {
        ++calls;
        fonts.append(font);
        return true;
    }
    double textWidth(const QString& s) const override;
    double lineHeight() const override
    {
        ++calls;
        return lineSpacing;
    }
    bool startNewPage() override;
    bool finish() override;
    void abort() override;
};
