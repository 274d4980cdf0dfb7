#include "AboutLogo.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void drawSlip(QPainter& p, QPointF centre, qreal angle, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(colour);
    p.drawRect(QRectF(-9, -4, 18, 8));
    // A scribbled name on the slip.
    p.setPen(QPen(QColor(40, 40, 120), 1.0));
    p.drawLine(QPointF(-6, 0), QPointF(5, 0));
    p.restore();
}

// Draws text left-aligned in box, in the largest pixel size up to maxPixels that fits.
void drawFitted(QPainter& p, QFont font, int maxPixels, const QRectF& box, const QString& text)
{
    for (int pixels = maxPixels; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width())
            break;
    }
    p.setFont(font);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

QPixmap aboutLogo()
{
    QPixmap logo(135, 65);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 65);
    sky.setColorAt(0, QColor(36, 52, 120));
    sky.setColorAt(1, QColor(92, 40, 120));
    p.fillRect(logo.rect(), sky);

    // Slips first, so the hat's brim hides their lower ends.
    drawSlip(p, {18, 20}, -35, QColor(255, 236, 140));
    drawSlip(p, {33, 12}, 10, QColor(255, 255, 255));
    drawSlip(p, {48, 22}, 40, QColor(170, 230, 255));

    // An upturned top hat: crown below, brim on top, names coming out of it.
    p.setPen(QPen(QColor(15, 15, 15), 1));
    p.setBrush(QColor(25, 25, 30));
    QPainterPath crown;
    crown.moveTo(16, 36);
    crown.lineTo(50, 36);
    crown.lineTo(47, 58);
    crown.quadTo(33, 62, 19, 58);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(QColor(200, 30, 45));
    p.drawRect(QRectF(17.5, 44, 31, 5)); // band
    p.setBrush(QColor(45, 45, 52));
    p.drawEllipse(QRectF(8, 30, 50, 10)); // brim
    p.setBrush(QColor(10, 10, 12));
    p.drawEllipse(QRectF(16, 32.5, 34, 5)); // opening

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    p.setPen(QColor(255, 255, 255));
    drawFitted(p, font, 15, QRectF(60, 14, 72, 22), QStringLiteral("Nimbrel"));
    font.setBold(false);
    p.setPen(QColor(255, 220, 120));
    //: The line under the program's name in the About box's picture (shrunk to fit).
    drawFitted(p, font, 9, QRectF(60, 36, 72, 14), QCoreApplication::translate("AboutBox", "names from a hat"));
    return logo;
}
