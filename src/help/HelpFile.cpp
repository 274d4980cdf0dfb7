#include "HelpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// The file as the messages name it.
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A topic line: "[N]" or "[N] Title", N a whole number from 1 to MaxTopic.
bool parseTopicLine(const QString& line, int& number, QString& title)
{
    const qsizetype close = line.indexOf(u']');
    if (close < 2 || close > 5)
        return false;
    const QStringView digits = QStringView(line).mid(1, close - 1);
    number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    if (number < 1 || number > HelpFile::MaxTopic)
        return false;
    title = line.mid(close + 1).trimmed();
    return true;
}

// Chinese and Japanese are written without spaces between words: a character of theirs
// (a Han ideograph, kana, their punctuation, a full-width form) on both sides of a line
// break joins the two lines with no space. Korean, spaced like English, is not among them.
bool writtenUnspaced(char32_t c)
{
    static constexpr std::pair<char32_t, char32_t> ranges[] = {
        {0x2E80, 0x303E},   // radicals, ideographic punctuation
        {0x3041, 0x312F},   // kana, bopomofo
        {0x3190, 0x4DBF},   // kanbun to ideographs extension A
        {0x4E00, 0x9FFF},   // ideographs
        {0xF900, 0xFAFF},   // compatibility ideographs
        {0xFE30, 0xFE4F},   // vertical punctuation
        {0xFF01, 0xFF9F},   // full-width forms, half-width katakana
        {0xFFE0, 0xFFE6},   // full-width signs
        {0x20000, 0x3FFFD}, // ideographs outside the basic plane
    };
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

bool joinsWithoutSpace(QStringView before, QStringView after)
{
    if (before.isEmpty() || after.isEmpty())
        return false;
    char32_t last = before.back().unicode();
    if (before.size() >= 2 && QChar::isLowSurrogate(last) && before[before.size() - 2].isHighSurrogate())
        last = QChar::surrogateToUcs4(before[before.size() - 2], before.back());
    char32_t first = after.front().unicode();
    if (after.size() >= 2 && QChar::isHighSurrogate(first) && after[1].isLowSurrogate())
        first = QChar::surrogateToUcs4(after[0], after[1]);
    return writtenUnspaced(last) && writtenUnspaced(first);
}

} // namespace

HelpFile HelpFile::load(const QString& path)
{
    HelpFile help;
    help.m_path = path;
    const QFileInfo info(path);
    if (!info.exists()) {
        //: Completes "Help is not available: %1". %1 is the help file's path.
        help.m_error = tr("the help file %1 was not found.").arg(shown(path));
        return help;
    }
    if (!info.isFile()) {
        //: Completes "Help is not available: %1". %1 is the help file's path.
        help.m_error = tr("the help file %1 is not a file.").arg(shown(path));
        return help;
    }
    //: Completes "Help is not available: %1". %1 is the help file's path.
    const QString tooLarge = tr("the help file %1 is too large to be a help file.").arg(shown(path));
    if (info.size() > MaxSize) {
        help.m_error = tooLarge;
        return help;
    }
    QFile file(path);
    //: Completes "Help is not available: %1". %1 is the help file's path, %2 the system's reason.
    const QString unreadable = tr("the help file %1 could not be read (%2).");
    if (!file.open(QIODevice::ReadOnly)) {
        help.m_error = unreadable.arg(shown(path), file.errorString());
        return help;
    }
    // Read one byte past the limit: a file may grow, or report no size at all.
    const QByteArray content = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        help.m_error = unreadable.arg(shown(path), file.errorString());
        return help;
    }
    if (content.size() > MaxSize) {
        help.m_error = tooLarge;
        return help;
    }
    return parse(content, path);
}

HelpFile HelpFile::parse(const QByteArray& content, const QString& path)
{
    HelpFile help;
    help.m_path = path;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(content);
    if (decoder.hasError() || content.contains('\0')) {
        //: Completes "Help is not available: %1". %1 is the help file's path.
        help.m_error = tr("the help file %1 is not a text file.").arg(shown(path));
        return help;
    }

    auto damaged = [&](qsizetype line, const QString& why) {
        help.m_topics.clear();
        //: Completes "Help is not available: %1". %1 is the help file's path, %2 a line number, %3 what is wrong there.
        help.m_error = tr("the help file %1 is damaged (line %2: %3).").arg(shown(path), QString::number(line), why);
        return help;
    };

    Topic* current = nullptr;
    bool newParagraph = true;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype lineNumber = i + 1;

        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            int number = 0;
            QString title;
            if (!parseTopicLine(line, number, title))
                //: What is wrong in a damaged help file; %1 is the highest topic number.
                return damaged(lineNumber,
                               tr("a topic line needs a number from 1 to %1 in square brackets").arg(MaxTopic));
            if (help.m_topics.contains(number))
                //: What is wrong in a damaged help file; %1 is a topic number.
                return damaged(lineNumber, tr("topic %1 appears a second time").arg(number));
            current = &help.m_topics[number];
            current->title = title;
            newParagraph = true;
            continue;
        }
        const QString words = line.trimmed();
        if (!current) {
            if (!words.isEmpty())
                //: What is wrong in a damaged help file.
                return damaged(lineNumber, tr("text before the first topic"));
            continue;
        }
        if (words.isEmpty()) {
            newParagraph = true;
        } else if (newParagraph) {
            current->paragraphs.append(words);
            newParagraph = false;
        } else {
            QString& paragraph = current->paragraphs.last();
            if (!joinsWithoutSpace(paragraph, words))
                paragraph += u' ';
            paragraph += words;
        }
    }
    return help;
}

QString HelpFile::popupText(int number) const
{
    auto notAvailable = [](const QString& why) {
        //: Shown instead of a help topic; %1 says why, e.g. "the help file ... was not found."
        return QStringLiteral("<p>%1</p>").arg(tr("Help is not available: %1").arg(why).toHtmlEscaped());
    };
    if (!isValid())
        return notAvailable(m_error);
    const auto found = m_topics.constFind(number);
    if (found == m_topics.constEnd())
        //: Completes "Help is not available: %1". %1 is the help file's path, %2 a topic number.
        return notAvailable(tr("the help file %1 has no topic %2.").arg(shown(m_path), QString::number(number)));
    if (found->title.isEmpty() && found->paragraphs.isEmpty())
        //: Completes "Help is not available: %1". %1 is the help file's path, %2 a topic number.
        return notAvailable(
            tr("the help file %1 has nothing in topic %2.").arg(shown(m_path), QString::number(number)));

    QString html;
    if (!found->title.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(found->title.toHtmlEscaped());
    for (const QString& paragraph : found->paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return html;
}
