#include "DesignUnits.h"

#include <QWidget>

int twipsToPixels(float twips)
{
    return qRound(twips / kTwipsPerPixel);
}

void placeInTwips(QWidget* widget, const TwipsRect& twips)
{
    const int left = twipsToPixels(twips.left);
    const int top = twipsToPixels(twips.top);
    widget->setGeometry(left, top, twipsToPixels(twips.left + twips.width) - left,
                        twipsToPixels(twips.top + twips.height) - top);
}

QFont designFont(qreal points, bool bold)
{
    // Where the face is missing, faces of the same metrics keep captions inside their buttons.
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
