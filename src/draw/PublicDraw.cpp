#include "PublicDraw.h"

#include <QCryptographicHash>
#include <QStringEncoder>

namespace PublicDraw {

std::uint64_t seed(const QByteArray& listFingerprint, const QString& text)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(listFingerprint.toHex());
    hash.addData("\n");
    // Half a surrogate pair becomes U+FFFD, as the record file writes the text.
    const QByteArray utf8 = QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless).encode(text);
    hash.addData(utf8);
    const QByteArray digest = hash.result();
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = value << 8 | static_cast<std::uint8_t>(digest[i]);
    return value;
}

bool isValidText(const QString& text)
{
    return !text.isEmpty() && text.size() <= kMaxTextLength && text == text.trimmed() &&
           !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

} // namespace PublicDraw
