#include "TextLocale.h"

namespace {

QLocale& current()
{
    static QLocale locale(QLocale::English);
    return locale;
}

} // namespace

QLocale textLocale()
{
    return current();
}

void setTextLocale(const QLocale& locale)
{
    current() = locale;
}
