#include "QtPrinterDevice.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

// Tabs and line ends inside a line are printed (and measured) as spaces.
QString printable(QString s)
{
    for (QChar& c : s) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return s;
}

} // namespace

QtPrinterDevice::QtPrinterDevice() = default;

QtPrinterDevice::QtPrinterDevice(const QString& pdfFile) : m_pdfFile(pdfFile) {}

QtPrinterDevice::~QtPrinterDevice()
{
    abort();
}

QPrinter* QtPrinterDevice::printer() const
{
    if (m_printer)
        return m_printer.get();
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    if (!m_pdfFile.isEmpty()) {
        pdf->setOutputFileName(m_pdfFile);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        QPrinter queue(info, QPrinter::HighResolution);
        if (!queue.isValid())
            return nullptr;
        queue.setPageSize(info.defaultPageSize());
        auto spool = std::make_unique<QTemporaryDir>();
        if (!spool->isValid())
            return nullptr;
        pdf->setPageLayout(queue.pageLayout());
        pdf->setResolution(queue.resolution());
        pdf->setOutputFileName(spool->filePath(QStringLiteral("job.pdf")));
        m_queue = info.printerName();
        m_spool = std::move(spool);
    }
    pdf->setDocName(QStringLiteral("Nimbrel"));
    m_printer = std::move(pdf);
    m_metrics.reset();
    return m_printer.get();
}

const QFontMetricsF& QtPrinterDevice::metrics() const
{
    // Measured at the printer's resolution; without a printer, at the screen's.
    if (!m_metrics) {
        QPrinter* p = printer();
        m_metrics = p ? std::make_unique<QFontMetricsF>(m_font, p) : std::make_unique<QFontMetricsF>(m_font);
    }
    return *m_metrics;
}

double QtPrinterDevice::toTwips(double devicePixels) const
{
    const QPrinter* p = printer();
    const double dpi = p ? p->resolution() : metrics().fontDpi();
    return devicePixels * kTwipsPerInch / dpi;
}

QRectF QtPrinterDevice::drawableArea() const
{
    const QPrinter* p = printer();
    return p ? p->pageLayout().paintRect(QPageLayout::Point) : QRectF();
}

double QtPrinterDevice::pageWidth() const
{
    return drawableArea().width() * kTwipsPerPoint;
}

double QtPrinterDevice::pageHeight() const
{
    return drawableArea().height() * kTwipsPerPoint;
}

PrintFont QtPrinterDevice::printFont(const QFont& font)
{
    return {font.family(), font.pointSizeF(), int(font.weight()), font.italic(), font.underline(), font.strikeOut()};
}

bool QtPrinterDevice::setFont(const PrintFont& printFont)
{
    if (!(printFont.pointSize > 0) || printFont.weight < 1 || printFont.weight > 1000)
        return false;
    QFont font = m_font;
    font.setFamilies({printFont.family});
    font.setPointSizeF(printFont.pointSize);
    font.setWeight(QFont::Weight(printFont.weight));
    font.setItalic(printFont.italic);
    font.setUnderline(printFont.underline);
    font.setStrikeOut(printFont.strikeOut);
    m_font = font;
    m_metrics.reset();
    if (m_painter.isActive())
        m_painter.setFont(m_font);
    return true;
}

double QtPrinterDevice::textWidth(const QString& s) const
{
    return toTwips(metrics().horizontalAdvance(printable(s)));
}

double QtPrinterDevice::lineHeight() const
{
    return toTwips(metrics().lineSpacing());
}

bool QtPrinterDevice::open()
{
    if (m_painter.isActive())
        return true;
    QPrinter* p = printer();
    if (!p || !m_painter.begin(p))
        return false;
    m_painter.setFont(m_font);
    return true;
}

bool QtPrinterDevice::printLine(const QString& s)
{
    if (!open())
        return false;
    const double dpi = m_printer->resolution();
    const QPointF baseline(cursor.x() * dpi / kTwipsPerInch, cursor.y() * dpi / kTwipsPerInch + metrics().ascent());
    m_painter.drawText(baseline, printable(s));
    cursor = {0, cursor.y() + lineHeight()};
    return true;
}

bool QtPrinterDevice::startNewPage()
{
    return open() && m_printer->newPage();
}

void QtPrinterDevice::closed()
{
    // The next document starts at the top-left corner, on the default printer of its time.
    cursor = {};
    m_printer.reset();
    m_metrics.reset();
    m_queue.clear();
    m_spool.reset(); // and the spooled PDF with it
}

bool QtPrinterDevice::finish()
{
    if (!m_painter.isActive())
        return true;
    bool ended = m_painter.end();
    if (ended && !m_queue.isEmpty()) {
        // Printed at the paper size it was laid out for.
        const QByteArray media = m_printer->pageLayout().pageSize().key().toUtf8();
        cups_option_t* options = nullptr;
        const int count = cupsAddOption("media", media.constData(), 0, &options);
        ended =
            cupsPrintFile(m_queue.toLocal8Bit().constData(), QFile::encodeName(m_printer->outputFileName()).constData(),
                          "Nimbrel", count, options) > 0;
        cupsFreeOptions(count, options);
    }
    closed();
    return ended;
}

void QtPrinterDevice::abort()
{
    if (m_painter.isActive())
        m_painter.end();
    closed();
}
