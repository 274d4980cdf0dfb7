#pragma once

#include <QLocale>

// The locale numbers in the program's messages are written in: that of the language the
// texts are shown in. English, the language of the source texts, until a translation is
// installed; a user whose language has no translation reads English numbers in English
// sentences.
QLocale textLocale();
void setTextLocale(const QLocale& locale);
