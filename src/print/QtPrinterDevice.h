#pragma once

#include "PrinterDevice.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <memory>
#include <optional>

class QFontMetricsF;
class QPrinter;

// The printer device over QPrinter and QPainter. By default it prints on the system's
// default printer at its default page size, without a dialog; the printer is chosen afresh
// for each document, so a change of default between print runs is followed. The drawable
// area is the printer's printable area, measured from its top-left corner.
class QtPrinterDevice : public PrinterDevice
{
public:
    QtPrinterDevice();
    // Writes each document to a PDF file instead, at the default page size.
    explicit QtPrinterDevice(const QString& pdfFile);
    ~QtPrinterDevice() override;

    bool Print(const QString& s) override;
    int ScaleMode() const override { return m_scaleMode; }
    bool setScaleMode(int mode) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    bool setFontProperty(const QString& name, const QVariant& value) override;
    double TextWidth(const QString& s) const override;
    double TextHeight(const QString& s) const override;
    bool NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;

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
    mutable std::unique_ptr<QPrinter> m_printer;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
    QPainter m_painter;
    QFont m_font;
    int m_scaleMode = vbTwips;
};
