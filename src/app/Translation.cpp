#include "Translation.h"

#include "ui/TextLocale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

bool isEnglish(const QString& uiLanguage)
{
    const QString base = Translation::fallbacks(uiLanguage).constLast();
    return base == QLatin1String("en") || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

} // namespace

QStringList Translation::fallbacks(QString uiLanguage)
{
    uiLanguage.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{uiLanguage};
    for (qsizetype cut = uiLanguage.lastIndexOf(QLatin1Char('_')); cut > 0;
         cut = uiLanguage.lastIndexOf(QLatin1Char('_'), cut - 1))
        names << uiLanguage.left(cut);
    return names;
}

QStringList Translation::userLanguages()
{
#ifdef Q_OS_UNIX
    QByteArray messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qgetenv(variable);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || messages == "C" || messages == "POSIX" || messages.startsWith("C."))
        return {};
#endif
    return QLocale::system().uiLanguages();
}

Translation::Translation(const QString& programFolder, const QStringList& uiLanguages)
{
    const QString folder = programFolder + QStringLiteral("/translations");
    for (const QString& uiLanguage : uiLanguages) {
        if (isEnglish(uiLanguage))
            break;
        // Qt tries the language with its script and region, then with less: "de-AT" finds
        // nimbrel_de.qm. Asked one language at a time, it cannot run past English.
        if (m_program.load(QLocale(uiLanguage), QStringLiteral("nimbrel"), QStringLiteral("_"), folder,
                           QStringLiteral(".qm"))) {
            m_language = QFileInfo(m_program.filePath()).completeBaseName().section(QLatin1Char('_'), 1);
            break;
        }
    }
    // English has its own catalogue only for the plural forms of the texts that count.
    if (m_language.isEmpty() && !m_program.load(folder + QStringLiteral("/nimbrel_en.qm")))
        return;
    QCoreApplication::installTranslator(&m_program);
    if (m_language.isEmpty())
        return;
    // Qt's own catalogue may be missing (not installed): its texts then stay English.
    if (m_qt.load(QStringLiteral("qtbase_") + m_language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    // Numbers are written as the user writes them when that is in the same language.
    const QLocale system = QLocale::system();
    setTextLocale(system.language() == QLocale(m_language).language() ? system : QLocale(m_language));
}

Translation::~Translation()
{
    setTextLocale(QLocale(QLocale::English));
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}
