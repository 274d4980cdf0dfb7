#include "RecordingPrinter.h"

bool RecordingPrinter::Print(const QString& s)
{
    ++calls;
    if (printsBeforeFailure == 0)
        return false;
    if (printsBeforeFailure > 0)
        --printsBeforeFailure;
    if (page == 0)
        page = 1;
    lines.append({page, CurrentX, CurrentY, s});
    CurrentX = 0;
    CurrentY += lineHeight;
    return true;
}

bool RecordingPrinter::setFontProperty(const QString& name, const QVariant& value)
{
    ++calls;
    fontSets.append({name, value});
    return true;
}

double RecordingPrinter::TextWidth(const QString& s) const
{
    ++calls;
    double width = 0;
    for (QChar c : s)
        width += widths.value(c, charWidth);
    return width;
}

bool RecordingPrinter::NewPage()
{
    ++calls;
    page = page == 0 ? 2 : page + 1;
    return true;
}

bool RecordingPrinter::EndDoc()
{
    ++calls;
    if (page != 0 && !refuseEndDoc)
        ++ended;
    page = 0;
    CurrentX = CurrentY = 0;
    return !refuseEndDoc;
}

void RecordingPrinter::KillDoc()
{
    ++calls;
    if (page != 0)
        ++killed;
    page = 0;
    CurrentX = CurrentY = 0;
}
