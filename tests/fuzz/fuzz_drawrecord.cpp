// The draw-record reader meets any file given to --check-draw: whatever the bytes, it
// returns a record whose fields agree with its list, or a reason; what it accepts it can
// write back to the same bytes' meaning, and a small draw can be checked.
#include "draw/DrawRecordFile.h"
#include "draw/MaxNames.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // The history's entries meet the store's bytes: what is accepted writes back the same.
    const DrawRecordFile::Parsed entry = DrawRecordFile::parseEntry(bytes);
    if (entry.ok()) {
        const std::optional<QByteArray> again = DrawRecordFile::writeEntry(entry.record);
        if (!again || !(DrawRecordFile::parseEntry(*again).record == entry.record))
            std::abort();
    }
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(bytes);
    if (!parsed.ok()) {
        if (!parsed.list.isEmpty() || parsed.line < 0)
            std::abort();
        return 0;
    }
    const DrawRecord& record = parsed.record;
    if (parsed.list.size() > kMaxNames || !record.when.isValid())
        std::abort();
    if (record.kind == DrawRecord::Kind::Draw) {
        if (parsed.list.size() != record.nameCount || record.drawn.size() > DrawRecord::kShownNames ||
            record.drawn.size() + record.notShown != record.nameCount || record.reorders < 0 ||
            listFingerprint(parsed.list) != record.listFingerprint)
            std::abort();
        // Checking costs a draw a re-order: only small ones here.
        if (qint64(record.nameCount) * record.reorders <= 10000)
            checkDraw(record, parsed.list);
    }
    // What was accepted is written again and reads back as the same record.
    const std::optional<QByteArray> again = DrawRecordFile::write(record, parsed.list);
    if (!again || !(DrawRecordFile::parse(*again).record == record))
        std::abort();
    return 0;
}
