#include "DrawRecord.h"

#include "DrawReplay.h"
#include "PublicDraw.h"
#include "Teams.h"

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
    if (!record.seedFrom.isEmpty()) {
        // The seed and the re-orders are the text's and the method's, not the host's.
        check.expectedSeed = PublicDraw::seed(record.listFingerprint, record.seedFrom);
        if (record.seed != check.expectedSeed) {
            check.mismatch = DrawCheck::Mismatch::PublicSeed;
            return check;
        }
        if (record.reorders != PublicDraw::kReorders) {
            check.mismatch = DrawCheck::Mismatch::PublicReorders;
            return check;
        }
    }
    check.mismatch = DrawCheck::Mismatch::Order;
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
    check.mismatch = DrawCheck::Mismatch::None;
    for (const std::vector<int>& places : Teams::deal(int(order.size()), record.teams)) {
        QStringList& team = check.teams.emplace_back();
        for (const int place : places)
            team.append(list[order[std::size_t(place)]]);
    }
    return check;
}
