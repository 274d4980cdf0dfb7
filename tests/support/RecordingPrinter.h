#pragma once

#include "print/PrinterDevice.h"

#include <QHash>
#include <QList>

// A printer with fixed metrics that records what is printed where. Every character is
// charWidth wide unless widths says otherwise; every line is lineHeight high.
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

    double pageWidth = 12000;
    double pageHeight = 15000;
    double charWidth = 100;
    QHash<QChar, double> widths;
    double lineHeight = 300;
    // Print fails from the (n+1)th call on; -1 never.
    int printsBeforeFailure = -1;
    // EndDoc closes the document but reports that it was not taken.
    bool refuseEndDoc = false;

    // What was done.
    QList<Line> lines;
    QList<std::pair<QString, QVariant>> fontSets;
    int page = 0; // of the open document; 0 when none is open
    int ended = 0;
    int killed = 0;
    mutable int calls = 0; // of any operation, queries included

    bool Print(const QString& s) override;
    int ScaleMode() const override
    {
        ++calls;
        return m_scaleMode;
    }
    bool setScaleMode(int mode) override
    {
        ++calls;
        m_scaleMode = mode;
        return true;
    }
    double ScaleWidth() const override
    {
        ++calls;
        return pageWidth;
    }
    double ScaleHeight() const override
    {
        ++calls;
        return pageHeight;
    }
    bool setFontProperty(const QString& name, const QVariant& value) override;
    double TextWidth(const QString& s) const override;
    double TextHeight(const QString&) const override
    {
        ++calls;
        return lineHeight;
    }
    bool NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;

private:
    int m_scaleMode = 0;
};
