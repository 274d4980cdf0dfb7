#include "PrintText.h"

#include "PrinterDevice.h"

namespace {

// Widths are compared in single precision; a width equal to the line's counts as fitting.
bool fits(const PrinterDevice& printer, const QString& text, double width)
{
    return float(printer.textWidth(text)) <= float(width);
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

// Puts the cursor at the left end of line as the alignment has it.
void place(PrinterDevice& printer, PrintAlignment alignment, const QString& line, double left, double right,
           double width)
{
    switch (alignment) {
    case PrintAlignment::Left:
        printer.cursor.setX(left);
        break;
    case PrintAlignment::Right:
        printer.cursor.setX(printer.pageWidth() - right - printer.textWidth(line));
        break;
    case PrintAlignment::Centre:
        printer.cursor.setX((width - printer.textWidth(line)) / 2 + left);
        break;
    }
}

} // namespace

bool printText(PrinterDevice& printer, const QStringList& paragraphs, const PrintFont& font, PrintAlignment alignment,
               double leftMargin, double rightMargin, double topMargin, double bottomMargin)
{
    if (paragraphs.isEmpty())
        return false;

    const double width = printer.pageWidth() - leftMargin - rightMargin;
    if (width <= 0)
        return false;
    const double bottom = printer.pageHeight() - bottomMargin;
    if (bottom - topMargin <= 0)
        return false;

    if (!printer.setFont(font))
        return false;
    if (printer.cursor.y() < topMargin)
        printer.cursor.setY(topMargin);

    for (const QString& paragraph : paragraphs) {
        QString rest = paragraph;
        do {
            const QString line = rest.isEmpty() ? QString() : takeLine(printer, rest, width);
            if (printer.cursor.y() + printer.lineHeight() > bottom) {
                if (!printer.startNewPage())
                    return false;
                printer.cursor.setY(topMargin);
            }
            place(printer, alignment, line, leftMargin, rightMargin, width);
            if (!printer.printLine(line))
                return false;
        } while (!rest.isEmpty());
    }

    return printer.finish();
}
