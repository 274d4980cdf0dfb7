#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the program speaks and the catalogues that make it: the program's own
// (translations/nimbrel_<lang>.qm beside the program) and Qt's for the same language (the
// standard buttons, the file dialog, the command line's usage). English, the language of
// the source texts, has a catalogue only for the plural forms of texts that count something.
// Needs the application object; the catalogues stay installed while this object lives.
class Translation
{
public:
    // Speaks the first of the user's languages (most wanted first, as in
    // QLocale::uiLanguages()) that the program has a catalogue for; English when English
    // comes first or none has one.
    explicit Translation(const QString& programFolder, const QStringList& uiLanguages = userLanguages());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The catalogue's language ("de", "fr", ...); empty for English.
    QString language() const { return m_language; }

    // The names a file in language may have, most particular first: "de-Latn-DE" gives
    // de_Latn_DE, de_Latn, de.
    static QStringList fallbacks(QString language);

    // The user's languages, most wanted first. None when the messages locale is C or POSIX:
    // as with gettext, LANG=C means the program's own texts whatever LANGUAGE says.
    static QStringList userLanguages();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};
