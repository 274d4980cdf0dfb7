#include "RecordingPrinter.h"

bool RecordingPrinter::printLine(const QString& s)
{
    ++calls;
    if (linesBeforeFailure == 0)
        return false;
    if (linesBeforeFailure > 0)
        --linesBeforeFailure;
    if (page == 0)
        page = 1;
    lines.append({page, cursor.x(), cursor.y(), s});
    cursor = {0, cursor.y() + lineSpacing};
    return true;
}

double RecordingPrinter::textWidth(const QString& s) const
{
    ++calls;
    double width = 0;
    for (QChar c : s)
        width += widths.value(c, charWidth);
    return width;
}

bool RecordingPrinter::startNewPage()
{
    ++calls;
    page = page == 0 ? 2 : page + 1;
    return true;
}

bool RecordingPrinter::finish()
{
    ++calls;
    if (page != 0 && !refuseFinish)
        ++finished;
    page = 0;
    cursor = {};
    return !refuseFinish;
}

void RecordingPrinter::abort()
{
    ++calls;
    if (page != 0)
        ++aborted;
    page = 0;
    cursor = {};
}
