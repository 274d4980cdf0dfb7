#pragma once

#include "PrinterDevice.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <QTemporaryDir>

#include <memory>

class QFontMetricsF;
class QPrinter;

// The printer device over QPrinter and QPainter. By default it prints on the system's
// default printer at its default page size, without a dialog; the printer is chosen afresh
// for each document, so a change of default between print runs is followed. The drawable
// area is the printer's printable area, measured from its top-left corner.
//
// A document is drawn into a temporary PDF laid out as the printer's page and handed to the
// print server only by finish(), which reports whether the server took it; abort() throws it
// away unsent (Qt's own printer jobs are always sent once begun, even when aborted).
class QtPrinterDevice : public PrinterDevice
{
public:
    QtPrinterDevice();
    // Writes each document to a PDF file instead, at the default page size.
    explicit QtPrinterDevice(const QString& pdfFile);
    ~QtPrinterDevice() override;

    // A widget font as printText takes it.
    static PrintFont printFont(const QFont& font);

    bool printLine(const QString& s) override;
    double pageWidth() const override;
    double pageHeight() const override;
    // Takes every property at once, or none when the size or weight is out of range.
    bool setFont(const PrintFont& font) override;
    double textWidth(const QString& s) const override;
    double lineHeight() const override;
    bool startNewPage() override;
    bool finish() override;
    void abort() override;

    // The drawable area within the page, in points from the page's top-left corner; empty
    // when there is no printer.
    QRectF drawableArea() const;

private:
    QPrinter* printer() const;
    const QFontMetricsF& metrics() const;
    double toTwips(double devicePixels) const;
    bool open();
    void closed();

    QString m_pdfFile;
    // The print queue of the open document and where its PDF is drawn; empty for a PDF file.
    mutable QString m_queue;
    mutable std::unique_ptr<QTemporaryDir> m_spool;
    mutable std::unique_ptr<QPrinter> m_printer;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
    QPainter m_painter;
    QFont m_font;
};
