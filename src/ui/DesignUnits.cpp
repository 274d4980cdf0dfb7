#include "DesignUnits.h"

#include "TextLocale.h"

#include <QWidget>

namespace {

// The face a language's windows are drawn in where the design face has none of its letters,
// as the system's own windows in that language are; empty for the design face. Chinese and
// Japanese share the ideographs but draw many of them differently, so the language picks
// the face. The Arabic one is the interface cut, whose lines are no taller than the Latin
// face's; the book cut's are half as tall again and more.
QString scriptFace(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("Noto Sans CJK TC")
                                                                    : QStringLiteral("Noto Sans CJK SC");
    case QLocale::Japanese:
        return QStringLiteral("Noto Sans CJK JP");
    case QLocale::Arabic:
        return QStringLiteral("Noto Sans Arabic UI");
    default:
        return {};
    }
}

} // namespace

int twipsToPixels(float twips)
{
    return qRound(twips / kTwipsPerPixel);
}

void placeInTwips(QWidget* widget, const TwipsRect& twips)
{
    const int left = twipsToPixels(twips.left);
    const int top = twipsToPixels(twips.top);
    const int right = twipsToPixels(twips.left + twips.width);
    const int bottom = twipsToPixels(twips.top + twips.height);
    // Right to left, the form is its mirror image: the twips are measured from the parent's
    // right edge. Mirrored in whole pixels, after rounding, so that every control keeps its
    // size and the gaps between neighbours stay as they are left to right.
    const QWidget* parent = widget->parentWidget();
    const int x = widget->isRightToLeft() && parent ? parent->width() - right : left;
    widget->setGeometry(x, top, right - left, bottom - top);
}

QFont designFont(qreal points, bool bold)
{
    // Where the face is missing, faces of the same metrics keep captions inside their buttons.
    static const QString designFace = QStringLiteral("MS Sans Serif");
    static const QStringList sameMetrics{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                         QStringLiteral("Helvetica")};
    static const bool substituted = [] {
        QFont::insertSubstitutions(designFace, sameMetrics);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(designFace);
    // In Chinese, Japanese or Arabic the script's face draws the whole caption, Latin letters
    // too; where it is not installed, the design face does, and the system's own face for the
    // script draws the script's letters. Faces after the first found are not searched for
    // missing letters, and a list of faces leaves out their substitutes: they are listed.
    if (const QString face = scriptFace(textLocale()); !face.isEmpty())
        font.setFamilies(QStringList{face, designFace} + sameMetrics);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
