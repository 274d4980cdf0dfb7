// The name-list decoder meets any file the user picks: whatever the bytes, it returns at
// most the list's limit of names, each a non-empty single line.
#include "files/NameListCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const NameListCodec::Decoded decoded = NameListCodec::decode(bytes);
    if (decoded.names.size() > kMaxNames || decoded.leftOut < 0)
        std::abort();
    for (const QString& name : decoded.names) {
        if (name.isEmpty() || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
            std::abort();
    }
    // What was read can be written back.
    if (decoded.ok())
        NameListCodec::encode(decoded.names);
    return 0;
}
