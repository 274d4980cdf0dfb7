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
    KillDoc();
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

bool QtPrinterDevice::setScaleMode(int mode)
{
    // Everything here is printed in twips.
    if (mode != vbTwips)
        return false;
    m_scaleMode = mode;
    return true;
}

QRectF QtPrinterDevice::drawableArea() const
{
    const QPrinter* p = printer();
    return p ? p->pageLayout().paintRect(QPageLayout::Point) : QRectF();
}

double QtPrinterDevice::ScaleWidth() const
{
    return drawableArea().width() * kTwipsPerPoint;
}

double QtPrinterDevice::ScaleHeight() const
{
    return drawableArea().height() * kTwipsPerPoint;
}

PrintFont QtPrinterDevice::printFont(const QFont& font)
{
    return {font.family(),    font.bold(),      font.italic(),     font.pointSizeF(),
            font.strikeOut(), font.underline(), int(font.weight())};
}

bool QtPrinterDevice::setFontProperty(const QString& name, const QVariant& value)
{
    QFont font = m_font;
    if (name == QLatin1String("name")) {
        font.setFamilies({value.toString()});
    } else if (name == QLatin1String("Bold")) {
        font.setWeight(value.toBool() ? QFont::Bold : QFont::Normal);
    } else if (name == QLatin1String("Charset")) {
        // Glyphs are chosen by Unicode; the character set has nothing to select.
    } else if (name == QLatin1String("Italic")) {
        font.setItalic(value.toBool());
    } else if (name == QLatin1String("Size")) {
        const double points = value.toDouble();
        if (!(points > 0))
            return false;
        font.setPointSizeF(points);
    } else if (name == QLatin1String("Strikethrough")) {
        font.setStrikeOut(value.toBool());
    } else if (name == QLatin1String("Underline")) {
        font.setUnderline(value.toBool());
    } else if (name == QLatin1String("Weight")) {
        const int weight = value.toInt();
        if (weight < 1 || weight > 1000)
            return false;
        font.setWeight(QFont::Weight(weight));
    } else {
        return false;
    }
    m_font = font;
    m_metrics.reset();
    if (m_painter.isActive())
        m_painter.setFont(m_font);
    return true;
}

double QtPrinterDevice::TextWidth(const QString& s) const
{
    return toTwips(metrics().horizontalAdvance(printable(s)));
}

double QtPrinterDevice::TextHeight(const QString&) const
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

bool QtPrinterDevice::Print(const QString& s)
{
    if (!open())
        return false;
    const double dpi = m_printer->resolution();
    const QPointF baseline(CurrentX * dpi / kTwipsPerInch, CurrentY * dpi / kTwipsPerInch + metrics().ascent());
    m_painter.drawText(baseline, printable(s));
    CurrentX = 0;
    CurrentY += TextHeight(s);
    return true;
}

bool QtPrinterDevice::NewPage()
{
    return open() && m_printer->newPage();
}

void QtPrinterDevice::closed()
{
    // The next document starts at the top-left corner, on the default printer of its time.
    CurrentX = 0;
    CurrentY = 0;
    m_printer.reset();
    m_metrics.reset();
    m_queue.clear();
    m_spool.reset(); // and the spooled PDF with it
}

bool QtPrinterDevice::EndDoc()
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

void QtPrinterDevice::KillDoc()
{
    if (m_painter.isActive())
        m_painter.end();
    closed();
}
