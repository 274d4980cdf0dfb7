#include "app/Translation.h"
#include "draw/MaxNames.h"
#include "help/HelpFile.h"
#include "ui/TextLocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QString context;
    QString source;
    QString disambiguation;
};

// The messages of a .ts file.
QList<Message> readTs(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.last().disambiguation = xml.readElementText();
    }
    return messages;
}

// The numbers of the %1, %L2, ... a text has, in order, each once.
QList<int> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2})"));
    QList<int> numbers;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        numbers << m.captured(1).toInt();
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogue_data();
    void catalogue();

private:
    QTemporaryDir m_dir;
    QList<Message> m_texts; // every text of the sources
};

void TestTranslations::initTestCase()
{
    const QString ts = m_dir.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(NIMBREL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(NIMBREL_SOURCE_DIR), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_texts = readTs(ts);
    QVERIFY(m_texts.size() > 50);
}

void TestTranslations::catalogue_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("uiLanguage"); // as the user's locale names it
    QTest::addColumn<QString>("qtCancel");   // Qt's own catalogue for the language: its Cancel
    QTest::addColumn<QString>("maxNames");   // 32767 as the language writes numbers in messages
    QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("de-AT") << QStringLiteral("Abbrechen")
                            << u"32.767"_s;
    QTest::newRow("French") << QStringLiteral("fr") << QStringLiteral("fr-CA") << QStringLiteral("Annuler")
                            << u"32\u202F767"_s;
    QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("es-MX") << QStringLiteral("Cancelar")
                             << u"32.767"_s;
    QTest::newRow("Italian") << QStringLiteral("it") << QStringLiteral("it-CH") << QStringLiteral("Annulla")
                             << u"32.767"_s;
    QTest::newRow("Brazilian") << QStringLiteral("pt_BR") << QStringLiteral("pt-BR") << QStringLiteral("Cancelar")
                               << u"32.767"_s;
    QTest::newRow("Dutch") << QStringLiteral("nl") << QStringLiteral("nl-BE") << QStringLiteral("Annuleren")
                           << u"32.767"_s;
    QTest::newRow("Polish") << QStringLiteral("pl") << QStringLiteral("pl-PL") << QStringLiteral("Anuluj")
                            << u"32\u00A0767"_s;
    QTest::newRow("Simplified Chinese") << QStringLiteral("zh_CN") << QStringLiteral("zh-CN") << QStringLiteral("取消")
                                        << u"32,767"_s;
    QTest::newRow("Japanese") << QStringLiteral("ja") << QStringLiteral("ja-JP") << QStringLiteral("キャンセル")
                              << u"32,767"_s;
    QTest::newRow("Arabic") << QStringLiteral("ar") << QStringLiteral("ar-EG") << QStringLiteral("ألغِ")
                            << u"\u0663\u0662\u066C\u0667\u0666\u0667"_s;
}

void TestTranslations::catalogue()
{
    QFETCH(QString, language);
    QFETCH(QString, uiLanguage);
    QFETCH(QString, qtCancel);
    QFETCH(QString, maxNames);
    const QString programDir = QStringLiteral(NIMBREL_PROGRAM_DIR);

    {
        // What the program loads: both catalogues, picked by the user's language.
        const Translation translation(programDir, {uiLanguage, QStringLiteral("en-US")});
        QCOMPARE(translation.language(), language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
        QCOMPARE(textLocale().toString(kMaxNames), maxNames);
    }

    QTranslator catalogue;
    QVERIFY(catalogue.load(programDir + QStringLiteral("/translations/nimbrel_") + language + QStringLiteral(".qm")));
    for (const Message& text : m_texts) {
        const QString where = text.context + QStringLiteral(": ") + text.source;
        // Unfinished translations are left out of the catalogue, so they count as missing.
        const QString translated =
            catalogue.translate(qPrintable(text.context), qPrintable(text.source),
                                text.disambiguation.isEmpty() ? nullptr : qPrintable(text.disambiguation));
        QVERIFY2(!translated.isEmpty(), qPrintable(QStringLiteral("no translation: ") + where));
        QVERIFY2(placeholders(translated) == placeholders(text.source),
                 qPrintable(QStringLiteral("other placeholders: ") + where + QStringLiteral(" -> ") + translated));
    }

    // The help file in the language has the English one's topics.
    const HelpFile english = HelpFile::load(programDir + QStringLiteral("/nimbrel.hlp"));
    const HelpFile help = HelpFile::load(programDir + QStringLiteral("/nimbrel.") + language + QStringLiteral(".hlp"));
    QVERIFY2(help.isValid(), qPrintable(help.error()));
    for (int topic = 1; topic <= HelpFile::MaxTopic; ++topic) {
        const bool same = english.hasTopic(topic) ? !help.topic(topic).paragraphs.isEmpty() : !help.hasTopic(topic);
        QVERIFY2(same, qPrintable(QStringLiteral("topic %1").arg(topic)));
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
