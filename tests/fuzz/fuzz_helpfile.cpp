// The help file beside the program may be damaged or replaced: parsing any bytes gives
// topics or a reason, and every pop-up text can be built from the result.
#include "help/HelpFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const HelpFile help = HelpFile::parse(bytes, QStringLiteral("nimbrel.hlp"));
    if (help.isValid() != help.error().isEmpty())
        std::abort();
    for (const int topic : {-1, 0, 1, 2, 7, 12, 13, HelpFile::MaxTopic, HelpFile::MaxTopic + 1}) {
        if (help.popupText(topic).isEmpty())
            std::abort();
    }
    return 0;
}
