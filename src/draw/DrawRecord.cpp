#include "DrawRecord.h"

#include "DrawReplay.h"

#include <QCryptographicHash>
#include <QStringEncoder>

#include <algorithm>

namespace {

// Whole seconds, as local time with the offset that applied then: what the record file
// shows, so a record read back equals the one written.
QDateTime recordTime(const QDateTime& when)
{
    const QDateTime seconds = when.addMSecs(-when.time().msec());
    return seconds.toOffsetFromUtc(seconds.offsetFromUtc());
}

} // namespace

QByteArray listFingerprint(const QStringList& names)
{
    // The names are encoded into one buffer that stays in the cache and is hashed whenever
    // it fills: no allocation a name, and no copy of the whole list. Half a surrogate pair
    // becomes U+FFFD, as the record file writes it (toUtf8() would make it "?").
    constexpr qsizetype kChunk = 64 * 1024;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray buffer(kChunk, Qt::Uninitialized);
    qsizetype used = 0;
    for (const QString& name : names) {
        const qsizetype room = encoder.requiredSpace(name.size()) + 1;
        if (used + room > buffer.size()) {
            hash.addData(QByteArrayView(buffer.constData(), used));
            used = 0;
            if (room > buffer.size())
                buffer.resize(room);
        }
        char* const end = encoder.appendToBuffer(buffer.data() + used, name);
        *end = '\n';
        used = end + 1 - buffer.constData();
    }
    hash.addData(QByteArrayView(buffer.constData(), used));
    return hash.result();
}

DrawRecord DrawRecord::ofDraw(const QStringList& before, const QStringList& drawnOrder, std::int64_t reorders,
                              std::uint64_t seed, const QDateTime& when)
{
    return ofDraw(int(before.size()), ::listFingerprint(before),
                  drawnOrder.first(std::min<qsizetype>(drawnOrder.size(), kShownNames)), reorders, seed, when);
}

DrawRecord DrawRecord::ofDraw(int nameCount, const QByteArray& listFingerprint, const QStringList& drawnFirst,
                              std::int64_t reorders, std::uint64_t seed, const QDateTime& when)
{
    DrawRecord record;
    record.kind = Kind::Draw;
    record.when = recordTime(when);
    record.nameCount = nameCount;
    record.listFingerprint = listFingerprint;
    record.drawn = drawnFirst.first(std::min<qsizetype>(drawnFirst.size(), kShownNames));
    record.notShown = nameCount - int(record.drawn.size());
    record.reorders = reorders;
    record.seed = seed;
    return record;
}

DrawRecord DrawRecord::ofRoundEvent(Kind kind, const QStringList& names, const QDateTime& when)
{
    DrawRecord record;
    record.kind = kind;
    record.when = recordTime(when);
    record.names = names;
    return record;
}

DrawCheck checkDraw(const DrawRecord& record, const QStringList& list)
{
    DrawCheck check;
    const std::vector<int> order = replayDraw(int(list.size()), record.seed, record.reorders);
    const qsizetype shown = std::min<qsizetype>(record.drawn.size(), qsizetype(order.size()));
    for (qsizetype j = 0; j < shown; ++j) {
        const QString& redrawn = list[order[std::size_t(j)]];
        if (redrawn != record.drawn[j]) {
            check.position = int(j + 1);
            check.recorded = record.drawn[j];
            check.redrawn = redrawn;
            return check;
        }
    }
    // A record that shows more names than took part cannot have come from this draw.
    if (record.drawn.size() != shown || record.notShown != qsizetype(order.size()) - shown) {
        check.position = int(shown + 1);
        return check;
    }
    check.matches = true;
    return check;
}
