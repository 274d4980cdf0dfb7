#include "DrawHistory.h"

#include "draw/DrawRecordFile.h"
#include "settings/Settings.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using SettingsKeys::DrawListsSection;
using SettingsKeys::DrawListUsesSection;
using SettingsKeys::DrawRecordsSection;
using SettingsKeys::DrawsSection;

// The sequence of a value named Draw<n>, n in plain digits from 1 to kLastSequence; none for
// any other name.
std::optional<qint64> sequenceOf(const QString& name)
{
    const QString prefix = SettingsKeys::drawKey(0).chopped(1);
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const qint64 sequence = QStringView(name).sliced(prefix.size()).toLongLong(&ok);
    if (!ok || sequence < 1 || sequence > DrawHistory::kLastSequence ||
        SettingsKeys::drawKey(sequence).compare(name, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return sequence;
}

// A list's value name: its fingerprint in hex.
QString listName(const QByteArray& fingerprint)
{
    return QString::fromLatin1(fingerprint.toHex());
}

// What Draw List Uses holds of a list.
struct ListUse
{
    qint64 newest = 0; // the newest record made from it
    qint64 bytes = 0;  // its size
};

std::optional<ListUse> parseUse(const QByteArray& text)
{
    const QList<QByteArray> parts = text.split(' ');
    bool newestOk = false;
    bool bytesOk = false;
    const ListUse use{parts.value(0).toLongLong(&newestOk), parts.value(1).toLongLong(&bytesOk)};
    if (parts.size() != 2 || !newestOk || !bytesOk || use.bytes < 0)
        return std::nullopt;
    return use;
}

QByteArray useText(const ListUse& use)
{
    return QByteArray::number(use.newest) + ' ' + QByteArray::number(use.bytes);
}

// What the store holds of the history without reading a record or a list: enough to number
// the next record and keep the bounds. Names of lists in lower case.
struct Holdings
{
    std::vector<qint64> sequences; // oldest first
    QHash<QString, ListUse> uses;
    QSet<QString> lists;
};

Holdings holdings(Settings& settings)
{
    Holdings h;
    for (const QString& name : settings.valueNames(DrawRecordsSection)) {
        if (const std::optional<qint64> sequence = sequenceOf(name))
            h.sequences.push_back(*sequence);
    }
    std::sort(h.sequences.begin(), h.sequences.end());
    for (const auto& [name, text] : settings.values(DrawListUsesSection)) {
        if (const std::optional<ListUse> use = parseUse(text))
            h.uses.insert(name.toLower(), *use);
    }
    for (const QString& name : settings.valueNames(DrawListsSection))
        h.lists.insert(name.toLower());
    return h;
}

// Lets the oldest records go while there are more than kKept or their lists take more than
// kKeptListBytes (the newest always stays), then the lists no record left was made from, and
// whatever half of a list a store without transactions left. The deletions go to changes;
// returns the records' numbers.
std::vector<qint64> prune(Holdings& h, QList<Settings::Change>& changes)
{
    // The lists' sizes by their newest record, taken off as the records go.
    std::vector<ListUse> byNewest;
    qint64 bytes = 0;
    for (auto use = h.uses.cbegin(); use != h.uses.cend(); ++use) {
        if (h.lists.contains(use.key())) {
            byNewest.push_back(*use);
            bytes += use->bytes;
        }
    }
    std::sort(byNewest.begin(), byNewest.end(), [](const ListUse& a, const ListUse& b) { return a.newest < b.newest; });
    std::size_t gone = 0;
    std::size_t listsGone = 0;
    const auto left = [&] { return h.sequences.size() - gone; };
    while (left() > std::size_t(DrawHistory::kKept) || (left() > 1 && bytes > DrawHistory::kKeptListBytes)) {
        const qint64 oldest = h.sequences[++gone];
        for (; listsGone < byNewest.size() && byNewest[listsGone].newest < oldest; ++listsGone)
            bytes -= byNewest[listsGone].bytes;
    }
    const std::vector<qint64> dropped(h.sequences.begin(), h.sequences.begin() + std::ptrdiff_t(gone));
    h.sequences.erase(h.sequences.begin(), h.sequences.begin() + std::ptrdiff_t(gone));
    for (const qint64 sequence : dropped)
        changes.append({DrawRecordsSection, SettingsKeys::drawKey(sequence), std::nullopt});

    const qint64 oldest = h.sequences.empty() ? std::numeric_limits<qint64>::max() : h.sequences.front();
    QSet<QString> names = h.lists;
    for (auto use = h.uses.cbegin(); use != h.uses.cend(); ++use)
        names.insert(use.key());
    for (const QString& name : names) {
        const auto use = h.uses.constFind(name);
        if (use != h.uses.cend() && use->newest >= oldest && h.lists.contains(name))
            continue;
        if (h.lists.remove(name))
            changes.append({DrawListsSection, name, std::nullopt});
        if (h.uses.remove(name))
            changes.append({DrawListUsesSection, name, std::nullopt});
    }
    return dropped;
}

bool deletes(const QList<Settings::Change>& changes)
{
    return std::any_of(changes.begin(), changes.end(), [](const Settings::Change& c) { return !c.bytes; });
}

// Keeps the bounds over what the store holds.
void pruneStore(Settings& settings)
{
    Holdings h = holdings(settings);
    QList<Settings::Change> changes;
    prune(h, changes);
    if (!changes.isEmpty())
        settings.apply(changes);
}

} // namespace

DrawHistory::DrawHistory(Settings& settings) : m_settings(settings) {}

void DrawHistory::moveWholeRecords()
{
    if (std::exchange(m_moved, true))
        return;
    const QStringList oldNames = m_settings.valueNames(DrawsSection);
    if (oldNames.isEmpty())
        return;
    Holdings h = holdings(m_settings);

    std::map<qint64, QString> numbered;
    QStringList others;
    for (const QString& name : oldNames) {
        if (const std::optional<qint64> sequence = sequenceOf(name))
            numbered.emplace(*sequence, name);
        else
            others.append(name);
    }
    // Each record becomes its entry, its list kept once. Read newest first, one at a time,
    // so that the bounds stop the reading: no list past them is held in memory. A file of a
    // list met already is not read name by name, only compared with it.
    struct Moved
    {
        qint64 sequence;
        QByteArray entry;
        QString list; // none for a round event, or for a value that is no record
    };
    std::vector<Moved> moved; // newest first
    QHash<QString, QByteArray> lists;
    qint64 listBytes = 0;
    // A run of today may have left records beside these: a store without transactions stopped
    // while moving them (the same entries, under the same numbers), or an older version
    // recorded more draws since (numbered after today's).
    bool renumber = false;
    for (auto old = numbered.crbegin(); old != numbered.crend() && moved.size() < std::size_t(kKept); ++old) {
        const QByteArray data = m_settings.value(DrawsSection, old->second).value_or(QByteArray());
        // What cannot be read moves as it is: still no record, but its number stays taken.
        Moved m{old->first, data, QString()};
        QByteArray text;
        DrawRecordFile::Parsed parsed = DrawRecordFile::parseFields(data, &text);
        const auto held = parsed.ok() ? lists.constFind(listName(parsed.record.listFingerprint)) : lists.cend();
        const bool known = parsed.record.kind == DrawRecord::Kind::Draw && held != lists.cend() && *held == text &&
                           text.count('\n') == parsed.record.nameCount;
        if (!known) {
            parsed = DrawRecordFile::parse(data);
            text = parsed.ok() ? DrawRecordFile::listText(parsed.list) : QByteArray();
        }
        const std::optional<QByteArray> entry = parsed.ok() ? DrawRecordFile::writeEntry(parsed.record) : std::nullopt;
        if (entry && parsed.record.kind == DrawRecord::Kind::Draw) {
            m.list = listName(parsed.record.listFingerprint);
            if (!known && !h.lists.contains(m.list)) {
                if (!moved.empty() && listBytes + text.size() > kKeptListBytes)
                    break;
                listBytes += text.size();
                lists.insert(m.list, text);
            }
        }
        m.entry = entry.value_or(data);
        if (std::binary_search(h.sequences.begin(), h.sequences.end(), m.sequence))
            renumber = renumber || m_settings.value(DrawRecordsSection, SettingsKeys::drawKey(m.sequence)) != m.entry;
        moved.push_back(std::move(m));
    }
    if (renumber) {
        qint64 next = h.sequences.back();
        for (auto m = moved.rbegin(); m != moved.rend(); ++m)
            m->sequence = ++next;
    }

    // The lists first, then the records, then the old values go: in one transaction where the
    // store has them, and a store without stopped half way has the records whole where they
    // were, and moves them again.
    QList<Settings::Change> changes;
    for (auto list = lists.cbegin(); list != lists.cend(); ++list)
        changes.append({DrawListsSection, list.key(), list.value()});
    QSet<QString> used;
    for (auto m = moved.crbegin(); m != moved.crend(); ++m) {
        if (m->list.isEmpty())
            continue;
        ListUse& use = h.uses[m->list];
        use.newest = std::max(use.newest, m->sequence);
        if (lists.contains(m->list))
            use.bytes = lists.value(m->list).size();
        used.insert(m->list);
    }
    for (const QString& name : used)
        changes.append({DrawListUsesSection, name, useText(h.uses.value(name))});
    for (auto m = moved.crbegin(); m != moved.crend(); ++m)
        changes.append({DrawRecordsSection, SettingsKeys::drawKey(m->sequence), m->entry});
    for (const QString& name : others) {
        if (const std::optional<QByteArray> data = m_settings.value(DrawsSection, name))
            changes.append({DrawRecordsSection, name, *data});
    }
    for (const QString& name : oldNames)
        changes.append({DrawsSection, name, std::nullopt});
    moved.clear();
    lists.clear();
    if (m_settings.apply(changes) != StoreStatus::Ok)
        return;
    changes.clear();
    pruneStore(m_settings);
    // The room the whole records took goes back (and an older file is rebuilt to allow it).
    m_settings.compact();
}

void DrawHistory::load()
{
    moveWholeRecords();
    m_loaded = true;
    for (const auto& [name, text] : m_settings.values(DrawRecordsSection)) {
        const std::optional<qint64> sequence = sequenceOf(name);
        if (!sequence)
            continue;
        DrawRecordFile::Parsed parsed = DrawRecordFile::parseEntry(text);
        if (parsed.ok())
            m_entries.append({*sequence, std::move(parsed.record)});
    }
    // The registry lists values in an order of its own.
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.sequence < b.sequence; });
}

const QList<DrawHistory::Entry>& DrawHistory::entries()
{
    if (!m_loaded)
        load();
    return m_entries;
}

std::optional<DrawHistory::Entry> DrawHistory::entry(qint64 sequence)
{
    if (m_loaded) {
        const auto e = std::lower_bound(m_entries.cbegin(), m_entries.cend(), sequence,
                                        [](const Entry& e, qint64 s) { return e.sequence < s; });
        return e != m_entries.cend() && e->sequence == sequence ? std::optional(*e) : std::nullopt;
    }
    moveWholeRecords();
    const std::optional<QByteArray> text = m_settings.value(DrawRecordsSection, SettingsKeys::drawKey(sequence));
    if (!text || !sequenceOf(SettingsKeys::drawKey(sequence)))
        return std::nullopt;
    DrawRecordFile::Parsed parsed = DrawRecordFile::parseEntry(*text);
    return parsed.ok() ? std::optional(Entry{sequence, std::move(parsed.record)}) : std::nullopt;
}

StoreStatus DrawHistory::add(const DrawRecord& record, const QStringList& list)
{
    moveWholeRecords();
    const std::optional<QByteArray> entryText = DrawRecordFile::writeEntry(record);
    if (!entryText)
        return StoreStatus::Failed;
    const bool draw = record.kind == DrawRecord::Kind::Draw;
    QByteArray listText;
    if (draw) {
        // The list is the one the record was made from, one name a line (no name holds a line
        // break), and its whole file can be written (its drawn names as fields, each with its
        // key, beside the entry's fields).
        listText = DrawRecordFile::listText(list);
        const qint64 drawnKeys = DrawRecordFile::listText(record.drawn).size() + DrawRecord::kShownNames * 12;
        if (list.size() != record.nameCount || listText.count('\n') != list.size() || listText.contains('\r') ||
            listText.size() + entryText->size() + drawnKeys > DrawRecordFile::kMaxBytes ||
            QCryptographicHash::hash(listText, QCryptographicHash::Sha256) != record.listFingerprint)
            return StoreStatus::Failed;
    }

    Holdings h = holdings(m_settings);
    const qint64 newest = h.sequences.empty() ? 0 : h.sequences.back();
    if (newest >= kLastSequence)
        return StoreStatus::Failed;
    const qint64 sequence = newest + 1;
    QList<Settings::Change> changes;
    // The list before the record, so that a store without transactions, stopped in between,
    // never holds a record without its list.
    if (draw) {
        const QString name = listName(record.listFingerprint);
        if (!h.lists.contains(name)) {
            changes.append({DrawListsSection, name, listText});
            h.lists.insert(name);
        }
        const ListUse use{sequence, listText.size()};
        changes.append({DrawListUsesSection, name, useText(use)});
        h.uses.insert(name, use);
    }
    changes.append({DrawRecordsSection, SettingsKeys::drawKey(sequence), *entryText});
    h.sequences.push_back(sequence);
    const std::vector<qint64> dropped = prune(h, changes);
    const StoreStatus status = m_settings.apply(changes);
    if (status != StoreStatus::Ok)
        return status;
    if (deletes(changes))
        m_settings.compact();
    if (m_loaded) {
        m_entries.append({sequence, record});
        while (!dropped.empty() && !m_entries.isEmpty() && m_entries.first().sequence <= dropped.back())
            m_entries.removeFirst();
    }
    return status;
}

StoreStatus DrawHistory::amendLast(const DrawRecord& record, const QStringList& list)
{
    // A record forgotten or pushed out meanwhile stays so.
    if (entries().isEmpty())
        return StoreStatus::Failed;
    Entry& last = m_entries.last();
    const DrawRecord& was = last.record;
    if (was.kind != DrawRecord::Kind::Draw || was.listFingerprint != record.listFingerprint ||
        was.seed != record.seed || was.reorders != record.reorders || was.when != record.when ||
        list.size() != record.nameCount || listFingerprint(list) != record.listFingerprint)
        return StoreStatus::Failed;
    // The list is kept already; only the entry's fields change.
    const std::optional<QByteArray> entryText = DrawRecordFile::writeEntry(record);
    if (!entryText)
        return StoreStatus::Failed;
    const StoreStatus status =
        m_settings.apply({{DrawRecordsSection, SettingsKeys::drawKey(last.sequence), *entryText}});
    if (status == StoreStatus::Ok)
        last.record = record;
    return status;
}

QByteArray DrawHistory::file(qint64 sequence)
{
    moveWholeRecords();
    const std::optional<QByteArray> text = m_settings.value(DrawRecordsSection, SettingsKeys::drawKey(sequence));
    if (!text)
        return {};
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parseEntry(*text);
    if (!parsed.ok())
        return {};
    if (parsed.record.kind != DrawRecord::Kind::Draw)
        return *text;
    const std::optional<QByteArray> listText =
        m_settings.value(DrawListsSection, listName(parsed.record.listFingerprint));
    const std::optional<QStringList> list = listText ? DrawRecordFile::parseList(*listText) : std::nullopt;
    // write() refuses a list that is not the record's.
    return list ? DrawRecordFile::write(parsed.record, *list).value_or(QByteArray()) : QByteArray();
}

StoreStatus DrawHistory::forgetAll()
{
    m_moved = true; // whole records of before go too
    const StoreStatus status =
        m_settings.forgetSections({DrawRecordsSection, DrawListsSection, DrawListUsesSection, DrawsSection});
    m_settings.compact();
    // Read afresh: what could not be deleted is still there.
    m_entries.clear();
    m_loaded = false;
    return status;
}

QString DrawHistory::line(const DrawRecord& record)
{
    const QString when = record.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    switch (record.kind) {
    case DrawRecord::Kind::Draw:
        //: A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.
        return tr("%1   Draw of %2 names, first drawn: %3")
            .arg(when, QString::number(record.nameCount), record.drawn.value(0));
    case DrawRecord::Kind::SetAside:
        //: A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.
        return tr("%1   Set aside: %2").arg(when, record.names.join(QStringLiteral(", ")));
    case DrawRecord::Kind::BroughtBack:
        //: A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.
        return tr("%1   Brought back: %2").arg(when, record.names.join(QStringLiteral(", ")));
    }
    return when;
}

QString DrawHistory::fileName(const DrawRecord& record)
{
    return QStringLiteral("draw-") + record.when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QStringLiteral(".txt");
}
