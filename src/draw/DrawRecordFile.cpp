#include "DrawRecordFile.h"

#include "DrawReplay.h"
#include "MaxNames.h"
#include "PublicDraw.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace DrawRecordFile {

namespace {

// The file's fixed texts: its first line (followed by the version) and the field keys.
const QString kFormatLine = QStringLiteral("Nimbrel draw record ");
const QString kKindKey = QStringLiteral("Kind");
const QString kTimeKey = QStringLiteral("Time");
const QString kNamesKey = QStringLiteral("Names");
const QString kFingerprintKey = QStringLiteral("List SHA-256");
const QString kSeedKey = QStringLiteral("Seed");
const QString kReordersKey = QStringLiteral("Re-orders");
const QString kDrawnKey = QStringLiteral("Drawn "); // followed by the place, from 1
const QString kRestKey = QStringLiteral("Rest not shown");
// An entry's drawn names: their lines, deflated (qCompress) and in base64.
const QString kDeflatedKey = QStringLiteral("Drawn, deflated");
// Fields a record has only when they apply; a file without them reads as before.
const QString kSeedFromKey = QStringLiteral("Seed from");
const QString kTeamsKey = QStringLiteral("Teams");
const QString kListKey = QStringLiteral("List");
const QString kListIdKey = QStringLiteral("List ID");

QString kindText(DrawRecord::Kind kind)
{
    switch (kind) {
    case DrawRecord::Kind::Draw:
        return QStringLiteral("draw");
    case DrawRecord::Kind::SetAside:
        return QStringLiteral("set aside");
    case DrawRecord::Kind::BroughtBack:
        return QStringLiteral("brought back");
    }
    return {};
}

// 2026-12-08T14:03:05+01:00: local time and its offset from UTC, whole seconds and minutes.
QString timeText(const QDateTime& when)
{
    if (!when.isValid())
        return {};
    const int offset = when.offsetFromUtc() / 60 * 60;
    const QDateTime local = when.toOffsetFromUtc(offset);
    const int minutes = std::abs(offset) / 60;
    const QString text =
        local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
        QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text.size() == 25 ? text : QString(); // years 1 to 9999 only
}

// A whole number in plain decimal digits (no sign, space or leading zero), at most max.
std::optional<std::uint64_t> number(QStringView text, std::uint64_t max)
{
    if (text.isEmpty() || text.size() > 20 || (text.size() > 1 && text[0] == QLatin1Char('0')))
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const unsigned digit = c.unicode() - u'0';
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (value > max)
        return std::nullopt;
    return value;
}

bool holdsLineBreak(const QStringList& names)
{
    return std::any_of(names.begin(), names.end(), [](const QString& name) {
        return name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'));
    });
}

Parsed refused(Fault fault, int line = 0, const QString& detail = QString())
{
    Parsed parsed;
    parsed.fault = fault;
    parsed.line = line;
    parsed.detail = detail;
    return parsed;
}

// The line (from 1) of the first bytes that are not UTF-8; only looked for once the whole
// text was found invalid.
int invalidUtf8Line(QByteArrayView bytes)
{
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(bytes.sliced(start, end - start)); // decodes when converted
        Q_UNUSED(decoded);
        if (decoder.hasError())
            return line;
        start = end + 1;
    }
    return 0;
}

// A draw's counts and optional fields agree with each other (its list aside).
bool drawCountsAgree(const DrawRecord& record)
{
    const qsizetype shown = std::min<qsizetype>(record.nameCount, DrawRecord::kShownNames);
    return record.nameCount >= 0 && record.nameCount <= kMaxNames && record.drawn.size() == shown &&
           record.notShown == record.nameCount - shown && record.reorders >= 0 && record.reorders <= kMaxReorders &&
           (record.seedFrom.isEmpty() || PublicDraw::isValidText(record.seedFrom)) &&
           (record.teams == 0 || (record.teams >= 2 && record.teams <= record.nameCount));
}

// A named list's name and number come together, its name on one line.
bool listFieldsAgree(const DrawRecord& record)
{
    return !holdsLineBreak({record.listName}) && record.listId >= 0 && (record.listId > 0) != record.listName.isEmpty();
}

// The format's line and the record's fields, up to the blank line; drawnKeys: the drawn names
// as "Drawn n:" fields, as a file has them, else deflated in one, as an entry has them.
QString fieldsText(const DrawRecord& record, const QString& time, qsizetype names, bool drawnKeys)
{
    QString text = kFormatLine + QString::number(kVersion) + QLatin1Char('\n');
    const auto field = [&text](const QString& key, const QString& value) {
        text += key + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    field(kKindKey, kindText(record.kind));
    field(kTimeKey, time);
    if (record.listId > 0) {
        field(kListKey, record.listName);
        field(kListIdKey, QString::number(record.listId));
    }
    field(kNamesKey, QString::number(names));
    if (record.kind == DrawRecord::Kind::Draw) {
        field(kFingerprintKey, QString::fromLatin1(record.listFingerprint.toHex()));
        field(kSeedKey, QString::number(record.seed));
        if (!record.seedFrom.isEmpty())
            field(kSeedFromKey, record.seedFrom);
        field(kReordersKey, QString::number(record.reorders));
        for (qsizetype i = 0; drawnKeys && i < record.drawn.size(); ++i)
            field(kDrawnKey + QString::number(i + 1), record.drawn[i]);
        if (!drawnKeys)
            field(kDeflatedKey, QString::fromLatin1(qCompress(listText(record.drawn), 9).toBase64()));
        field(kRestKey, QString::number(record.notShown));
        if (record.teams != 0)
            field(kTeamsKey, QString::number(record.teams));
    }
    return text + QLatin1Char('\n');
}

// As the fingerprint encodes the names: half a surrogate pair becomes U+FFFD.
QByteArray utf8(const QString& text)
{
    return QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless).encode(text);
}

} // namespace

std::optional<QByteArray> write(const DrawRecord& record, const QStringList& list)
{
    const bool draw = record.kind == DrawRecord::Kind::Draw;
    const QStringList& names = draw ? list : record.names;
    const QString time = timeText(record.when);
    if (time.isEmpty() || names.size() > kMaxNames || holdsLineBreak(names) || holdsLineBreak(record.drawn) ||
        !listFieldsAgree(record))
        return std::nullopt;
    if (draw && (!drawCountsAgree(record) || list.size() != record.nameCount ||
                 record.listFingerprint != listFingerprint(list)))
        return std::nullopt;

    QString text = fieldsText(record, time, names.size(), true);
    for (const QString& name : names)
        text += name + QLatin1Char('\n');
    QByteArray bytes = utf8(text);
    if (bytes.size() > kMaxBytes)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> writeEntry(const DrawRecord& record)
{
    if (record.kind != DrawRecord::Kind::Draw)
        return write(record);
    const QString time = timeText(record.when);
    if (time.isEmpty() || holdsLineBreak(record.drawn) || !drawCountsAgree(record) || !listFieldsAgree(record) ||
        record.listFingerprint.size() != 32)
        return std::nullopt;
    return utf8(fieldsText(record, time, record.nameCount, false));
}

QByteArray listText(const QStringList& list)
{
    QString text;
    for (const QString& name : list)
        text += name + QLatin1Char('\n');
    return utf8(text);
}

std::optional<QStringList> parseList(const QByteArray& text)
{
    if (!text.isEmpty() && !text.endsWith('\n'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString names = decoder.decode(text);
    if (decoder.hasError())
        return std::nullopt;
    QStringList list = names.split(QLatin1Char('\n'));
    list.removeLast(); // after the last line's end
    return list;
}

namespace {

// What parseText() reads: a file, an entry, or a file's fields alone (its list left unread).
enum class Form { File, Entry, Fields };

// The names of an entry's kDeflatedKey field; none when it is not what writeEntry() wrote.
std::optional<QStringList> inflated(QStringView base64)
{
    const QByteArray::FromBase64Result result =
        QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray& packed = result.decoded;
    // The size comes first: a forged one is refused before anything is made that big.
    if (!result || packed.size() < 4 || qFromBigEndian<quint32>(packed.constData()) > quint32(kMaxBytes))
        return std::nullopt;
    const quint32 size = qFromBigEndian<quint32>(packed.constData());
    const QByteArray text = size == 0 ? QByteArray() : qUncompress(packed);
    if (text.size() != qsizetype(size))
        return std::nullopt;
    return parseList(text);
}

Parsed parseText(const QByteArray& data, Form form)
{
    const bool entry = form == Form::Entry;
    if (data.size() > kMaxBytes)
        return refused(Fault::TooLarge);

    // Byte order marks, or the format's first letters as UTF-16 without one.
    if (data.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || data.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return refused(Fault::OtherEncoding, 0, QStringLiteral("UTF-32"));
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF") || data.startsWith(QByteArrayView("N\0i\0", 4)) ||
        data.startsWith(QByteArrayView("\0N\0i", 4)))
        return refused(Fault::OtherEncoding, 0, QStringLiteral("UTF-16"));
    QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF")) // UTF-8's own mark, as some editors save it
        bytes = bytes.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refused(Fault::InvalidUtf8, invalidUtf8Line(bytes));

    // Lines end in "\n"; a "\r" before it (the file saved by an editor for Windows) is not
    // part of the line. No name holds one anywhere: a list splits lines there too.
    qsizetype position = 0;
    int lineNumber = 0;
    const auto nextLine = [&text, &position, &lineNumber](QStringView& line) {
        if (position >= text.size())
            return false;
        qsizetype end = text.indexOf(QLatin1Char('\n'), position);
        if (end < 0)
            end = text.size();
        line = QStringView(text).sliced(position, end - position);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        position = end + 1;
        ++lineNumber;
        return true;
    };

    QStringView line;
    if (!nextLine(line) || !line.startsWith(kFormatLine))
        return refused(Fault::NotARecord);
    const QStringView version = line.sliced(kFormatLine.size());
    if (version != QString::number(kVersion)) {
        if (!number(version, std::numeric_limits<std::uint32_t>::max()))
            return refused(Fault::NotARecord);
        return refused(Fault::OtherVersion, 1, version.toString());
    }
    if (!text.endsWith(QLatin1Char('\n')))
        return refused(Fault::Truncated);

    Parsed parsed;
    DrawRecord& record = parsed.record;
    // Each field once; where the first one only a draw has was, for a record of another kind.
    std::optional<DrawRecord::Kind> kind;
    bool seen[12] = {};
    enum {
        KindSeen,
        TimeSeen,
        NamesSeen,
        FingerprintSeen,
        SeedSeen,
        ReordersSeen,
        RestSeen,
        DeflatedSeen,
        SeedFromSeen,
        TeamsSeen,
        ListSeen,
        ListIdSeen
    };
    int drawFieldLine = 0;
    int teamsLine = 0;
    qsizetype names = 0;
    bool fieldsEnd = false;
    while (nextLine(line)) {
        if (line.contains(QLatin1Char('\r')))
            return refused(Fault::BadField, lineNumber);
        if (line.isEmpty()) {
            fieldsEnd = true;
            break;
        }
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return refused(Fault::BadField, lineNumber);
        const QStringView key = line.first(colon);
        QStringView value = line.sliced(colon + 1);
        if (!value.isEmpty()) {
            if (value[0] != QLatin1Char(' '))
                return refused(Fault::BadField, lineNumber);
            value = value.sliced(1);
        }
        int which = -1;
        bool valid = true;
        if (key == kKindKey) {
            which = KindSeen;
            for (DrawRecord::Kind k :
                 {DrawRecord::Kind::Draw, DrawRecord::Kind::SetAside, DrawRecord::Kind::BroughtBack}) {
                if (value == kindText(k))
                    kind = k;
            }
            valid = kind.has_value();
        } else if (key == kTimeKey) {
            which = TimeSeen;
            record.when = QDateTime::fromString(value.toString(), Qt::ISODate);
            // Only the form written: this also refuses dates such as February 30th. An empty
            // time is no time, though an invalid one also writes as empty.
            valid = record.when.isValid() && timeText(record.when) == value;
        } else if (key == kNamesKey) {
            which = NamesSeen;
            const std::optional<std::uint64_t> count = number(value, std::numeric_limits<std::uint32_t>::max());
            if (count && *count > std::uint64_t(kMaxNames))
                return refused(Fault::TooManyNames, lineNumber);
            valid = count.has_value();
            names = qsizetype(count.value_or(0));
        } else if (key == kFingerprintKey) {
            which = FingerprintSeen;
            valid = value.size() == 64 && std::all_of(value.begin(), value.end(), [](QChar c) {
                        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                               (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
                    });
            record.listFingerprint = QByteArray::fromHex(value.toLatin1());
        } else if (key == kSeedKey) {
            which = SeedSeen;
            const std::optional<std::uint64_t> seed = number(value, std::numeric_limits<std::uint64_t>::max());
            valid = seed.has_value();
            record.seed = seed.value_or(0);
        } else if (key == kReordersKey) {
            which = ReordersSeen;
            const std::optional<std::uint64_t> reorders = number(value, std::uint64_t(kMaxReorders));
            valid = reorders.has_value();
            record.reorders = std::int64_t(reorders.value_or(0));
        } else if (key == kRestKey) {
            which = RestSeen;
            const std::optional<std::uint64_t> rest = number(value, kMaxNames);
            valid = rest.has_value();
            record.notShown = int(rest.value_or(0));
        } else if (entry && key == kDeflatedKey) {
            which = DeflatedSeen;
            const std::optional<QStringList> drawn = inflated(value);
            valid = drawn && drawn->size() <= DrawRecord::kShownNames;
            record.drawn = drawn.value_or(QStringList());
        } else if (key == kSeedFromKey) {
            which = SeedFromSeen;
            record.seedFrom = value.toString();
            valid = PublicDraw::isValidText(record.seedFrom);
        } else if (key == kTeamsKey) {
            // Checked against the names' count once it is known.
            which = TeamsSeen;
            const std::optional<std::uint64_t> teams = number(value, kMaxNames);
            valid = teams.has_value() && *teams >= 2;
            record.teams = int(teams.value_or(0));
            teamsLine = lineNumber;
        } else if (key == kListKey) {
            which = ListSeen;
            record.listName = value.toString();
            valid = !value.isEmpty();
        } else if (key == kListIdKey) {
            which = ListIdSeen;
            const std::optional<std::uint64_t> id = number(value, std::numeric_limits<std::int32_t>::max());
            valid = id.value_or(0) > 0;
            record.listId = int(id.value_or(0));
        } else if (!entry && key.startsWith(kDrawnKey)) {
            // The places in order, from 1: none missing, none twice.
            const std::optional<std::uint64_t> place = number(key.sliced(kDrawnKey.size()), DrawRecord::kShownNames);
            if (!place || *place != std::uint64_t(record.drawn.size()) + 1)
                return refused(Fault::BadField, lineNumber);
            record.drawn.append(value.toString());
            drawFieldLine = drawFieldLine ? drawFieldLine : lineNumber;
            continue;
        }
        if (which < 0 || !valid || seen[which])
            return refused(Fault::BadField, lineNumber);
        seen[which] = true;
        if (which >= FingerprintSeen && which < ListSeen)
            drawFieldLine = drawFieldLine ? drawFieldLine : lineNumber;
    }
    if (!fieldsEnd)
        return refused(Fault::Truncated);

    const auto missing = [&seen](int which) {
        static const QString keys[] = {kKindKey, kTimeKey,     kNamesKey, kFingerprintKey,
                                       kSeedKey, kReordersKey, kRestKey};
        return seen[which] ? QString() : keys[which];
    };
    for (int which : {KindSeen, TimeSeen, NamesSeen}) {
        if (!seen[which])
            return refused(Fault::MissingField, 0, missing(which));
    }
    // A list's name and number come together.
    if (seen[ListSeen] != seen[ListIdSeen])
        return refused(Fault::MissingField, 0, seen[ListSeen] ? kListIdKey : kListKey);
    record.kind = *kind;
    const bool draw = record.kind == DrawRecord::Kind::Draw;
    if (draw) {
        for (int which : {FingerprintSeen, SeedSeen, ReordersSeen, RestSeen}) {
            if (!seen[which])
                return refused(Fault::MissingField, 0, missing(which));
        }
    } else if (drawFieldLine != 0) {
        return refused(Fault::BadField, drawFieldLine);
    }
    if (form == Form::Fields) {
        const qsizetype shown = std::min<qsizetype>(names, DrawRecord::kShownNames);
        record.nameCount = draw ? int(names) : 0;
        if (draw && (record.drawn.size() != shown || record.notShown != names - shown))
            return refused(Fault::DrawnCountDiffers);
        if (record.teams > names)
            return refused(Fault::BadField, teamsLine);
        return parsed;
    }

    // The list (none in an entry of a draw), up to the end; no more lines are looked at than
    // a list can hold.
    const qsizetype lines = entry && draw ? 0 : names;
    QStringList list;
    list.reserve(lines);
    while (nextLine(line)) {
        if (line.contains(QLatin1Char('\r')))
            return refused(Fault::BadField, lineNumber);
        if (list.size() == kMaxNames)
            return refused(Fault::TooManyNames, lineNumber);
        list.append(line.toString());
    }
    if (list.size() < lines)
        return refused(Fault::Truncated, 0, QString::number(list.size()));
    if (list.size() > lines)
        return refused(Fault::NameCountDiffers, 0, QString::number(list.size()));

    if (draw) {
        record.nameCount = int(names);
        const qsizetype shown = std::min<qsizetype>(names, DrawRecord::kShownNames);
        if (record.drawn.size() != shown || record.notShown != names - shown)
            return refused(Fault::DrawnCountDiffers);
        if (record.teams > names)
            return refused(Fault::BadField, teamsLine);
        if (entry)
            return parsed;
        if (listFingerprint(list) != record.listFingerprint)
            return refused(Fault::FingerprintDiffers);
    } else {
        record.names = list;
    }
    parsed.list = std::move(list);
    return parsed;
}

} // namespace

Parsed parse(const QByteArray& data)
{
    return parseText(data, Form::File);
}

Parsed parseEntry(const QByteArray& data)
{
    return parseText(data, Form::Entry);
}

Parsed parseFields(const QByteArray& data, QByteArray* listText)
{
    // The fields end at the first empty line: none of them is empty.
    const qsizetype end = data.indexOf("\n\n");
    if (end < 0)
        return refused(Fault::Truncated);
    Parsed parsed = parseText(data.first(end + 2), Form::Fields);
    if (parsed.ok())
        *listText = data.sliced(end + 2);
    return parsed;
}

Parsed read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(Fault::Unreadable, 0, file.errorString());
    // The size first: a huge file is refused without reading it. A device or pipe reports
    // none, so the reading itself stops one byte past the limit too.
    if (file.size() > kMaxBytes)
        return refused(Fault::TooLarge);
    QByteArray data;
    data.reserve(qsizetype(file.size()) + 1);
    while (data.size() <= kMaxBytes) {
        const QByteArray chunk = file.read(std::min<qint64>(1 << 20, kMaxBytes + 1 - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return refused(Fault::Unreadable, 0, file.errorString());
    return parse(data);
}

} // namespace DrawRecordFile
