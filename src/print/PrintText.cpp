#include "PrintText.h"

#include "PrinterDevice.h"
#include "TextSource.h"

#include <QVariantMap>

namespace {

// Widths are compared in single precision; a width equal to the line's counts as fitting.
bool fits(const PrinterDevice& printer, const QString& text, double width)
{
    return float(printer.TextWidth(text)) <= float(width);
}

// 1-based position of the first ch in r after position after; 0 when there is none.
qsizetype findAfter(const QString& r, QChar ch, qsizetype after)
{
    return r.indexOf(ch, after) + 1;
}

QString withoutLeadingSpaces(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

// Takes the next line off the front of the non-empty rest r of a paragraph: the longest run
// of whole words that fits width, or, when not even the first word does, as many of its
// characters as fit (at least one). Breaks come after a space, or after a tab when the tab
// comes before the next space. Continuation lines lose their leading spaces.
QString takeLine(const PrinterDevice& printer, QString& r, double width)
{
    const qsizetype length = r.size();
    qsizetype q = 0;
    qsizetype fit = 0;
    for (;;) {
        const qsizetype s = findAfter(r, QLatin1Char(' '), q);
        const qsizetype t = findAfter(r, QLatin1Char('\t'), q);
        q = (t > 0 && t < s) ? t : s;
        if (q == 0)
            q = length + 1;
        if (!fits(printer, r.left(q - 1), width))
            break;
        fit = q;
        if (q > length)
            break;
    }

    if (fit == 0) {
        qsizetype k = 1;
        while (k < length && fits(printer, r.left(k + 1), width))
            ++k;
        const QString line = r.left(k);
        r = withoutLeadingSpaces(r.mid(k));
        return line;
    }
    if (fit > length) {
        const QString line = r;
        r.clear();
        return line;
    }
    const QString line = r.left(fit);
    r = withoutLeadingSpaces(r.mid(fit));
    return line;
}

bool copyFont(PrinterDevice& printer, const TextSource& box)
{
    const QVariant font = box.sourceProperty(QStringLiteral("Font"));
    if (font.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap properties = font.toMap();
    // Weight last, so the box's weight holds over what Bold implies.
    static const char* const order[] = {"name", "Bold",          "Charset",   "Italic",
                                        "Size", "Strikethrough", "Underline", "Weight"};
    for (const char* name : order) {
        const auto it = properties.constFind(QLatin1String(name));
        if (it == properties.constEnd() || !printer.setFontProperty(QLatin1String(name), it.value()))
            return false;
    }
    return true;
}

// Sets CurrentX for line by the box's alignment, read afresh for every line.
bool place(PrinterDevice& printer, const TextSource& box, const QString& line, double left, double right, double width)
{
    const QVariant alignment = box.sourceProperty(QStringLiteral("Alignment"));
    bool ok = false;
    const int value = alignment.toInt(&ok);
    if (!ok)
        return false;
    switch (value) {
    case 0:
        printer.CurrentX = left;
        break;
    case 1:
        printer.CurrentX = printer.ScaleWidth() - right - printer.TextWidth(line);
        break;
    case 2:
        printer.CurrentX = (width - printer.TextWidth(line)) / 2 + left;
        break;
    default:
        break; // any other value leaves the position where it is
    }
    return true;
}

} // namespace

namespace Module1 {

bool PrintText(PrinterDevice& Printer, const TextSource& Box, double LeftMargin, double RightMargin, double TopMargin,
               double BottomMargin, bool SelectionOnly)
{
    const QVariant source = Box.sourceProperty(SelectionOnly ? QStringLiteral("SelText") : QStringLiteral("Text"));
    if (!source.canConvert<QString>())
        return false;
    const QString text = source.toString();
    if (text.isEmpty())
        return false;

    const double width = Printer.ScaleWidth() - LeftMargin - RightMargin;
    if (width <= 0)
        return false;
    const double bottom = Printer.ScaleHeight() - BottomMargin;
    if (bottom - TopMargin <= 0)
        return false;

    if (!copyFont(Printer, Box))
        return false;
    if (Printer.CurrentY < TopMargin)
        Printer.CurrentY = TopMargin;

    static const QString crlf = QStringLiteral("\r\n");
    const qsizetype length = text.size();
    qsizetype start = 0; // 0-based from here on
    qsizetype p = 0;
    do {
        p = text.indexOf(crlf, start);
        if (p < 0)
            p = length;
        QString rest = text.mid(start, p - start);
        do {
            const QString line = rest.isEmpty() ? QString() : takeLine(Printer, rest, width);
            if (Printer.CurrentY + Printer.TextHeight(line) > bottom) {
                if (!Printer.NewPage())
                    return false;
                Printer.CurrentY = TopMargin;
            }
            if (!place(Printer, Box, line, LeftMargin, RightMargin, width) || !Printer.Print(line))
                return false;
        } while (!rest.isEmpty());
        start = p + 2;
    } while (p < length);

    return Printer.EndDoc();
}

} // namespace Module1
