#include "DrawHistory.h"

#include "draw/DrawRecordFile.h"
#include "settings/Settings.h"

#include <algorithm>

namespace {

// The sequence of a value named Draw<n>, n from 1; none for any other name.
std::optional<qint64> sequenceOf(const QString& name)
{
    const QString prefix = SettingsKeys::drawKey(0).chopped(1);
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const qint64 sequence = QStringView(name).sliced(prefix.size()).toLongLong(&ok);
    if (!ok || sequence < 1 || SettingsKeys::drawKey(sequence).compare(name, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return sequence;
}

} // namespace

DrawHistory::DrawHistory(Settings& settings) : m_settings(settings) {}

void DrawHistory::load()
{
    m_loaded = true;
    for (const auto& [name, file] : m_settings.drawRecords()) {
        const std::optional<qint64> sequence = sequenceOf(name);
        if (!sequence)
            continue;
        m_lastSequence = std::max(m_lastSequence, *sequence);
        DrawRecordFile::Parsed parsed = DrawRecordFile::parse(file);
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
    for (const Entry& e : entries()) {
        if (e.sequence == sequence)
            return e;
    }
    return std::nullopt;
}

StoreStatus DrawHistory::add(const DrawRecord& record, const QStringList& list)
{
    entries();
    const std::optional<QByteArray> file = DrawRecordFile::write(record, list);
    if (!file)
        return StoreStatus::Failed;
    const StoreStatus status = m_settings.storeDrawRecord(m_lastSequence + 1, *file);
    if (status != StoreStatus::Ok)
        return status;
    m_entries.append({++m_lastSequence, record});
    // The oldest record goes at each new one past the cap: one value a time, never a rewrite.
    while (m_entries.size() > kKept && m_settings.forgetDrawRecord(m_entries.first().sequence) == StoreStatus::Ok)
        m_entries.removeFirst();
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
        was.seed != record.seed || was.reorders != record.reorders || was.when != record.when)
        return StoreStatus::Failed;
    const std::optional<QByteArray> file = DrawRecordFile::write(record, list);
    if (!file)
        return StoreStatus::Failed;
    const StoreStatus status = m_settings.storeDrawRecord(last.sequence, *file);
    if (status == StoreStatus::Ok)
        last.record = record;
    return status;
}

QByteArray DrawHistory::file(qint64 sequence)
{
    return m_settings.drawRecord(sequence);
}

StoreStatus DrawHistory::forgetAll()
{
    const StoreStatus status = m_settings.forgetDrawRecords();
    // Read afresh: what could not be deleted is still there.
    m_entries.clear();
    m_loaded = false;
    m_lastSequence = 0;
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
