#include "NameListCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iconv.h>
#include <memory>
#include <optional>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace NameListCodec {

namespace {

struct IconvCloser
{
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Converts bytes to a QString with raw, a converter of the C library's iconv from their
// charset to UTF-16LE. With keepUndefined, a byte the charset leaves undefined becomes the
// character of the same number, as Windows reads the five holes of code page 1252;
// otherwise any invalid or cut-off sequence fails.
std::optional<QString> convert(QByteArrayView bytes, iconv_t raw, bool keepUndefined)
{
    iconv(raw, nullptr, nullptr, nullptr, nullptr); // from the initial state
    // Every source here takes at least one byte per UTF-16 unit.
    std::vector<char16_t> units(size_t(bytes.size()) + 1);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* out = reinterpret_cast<char*>(units.data());
    size_t outLeft = units.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(raw, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ || !keepUndefined || outLeft < sizeof(char16_t))
            return std::nullopt;
        const char16_t unit = qToLittleEndian(char16_t(uchar(*in)));
        std::memcpy(out, &unit, sizeof unit);
        out += sizeof unit;
        outLeft -= sizeof unit;
        ++in;
        --inLeft;
    }
    const qsizetype count = qsizetype((out - reinterpret_cast<char*>(units.data())) / sizeof(char16_t));
    for (qsizetype i = 0; i < count; ++i)
        units[size_t(i)] = qFromLittleEndian(units[size_t(i)]);
    return QString(reinterpret_cast<const QChar*>(units.data()), count);
}

// The same with a converter of its own from charset.
std::optional<QString> convert(QByteArrayView bytes, const char* charset, bool keepUndefined)
{
    const iconv_t raw = iconv_open("UTF-16LE", charset);
    if (raw == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const std::unique_ptr<void, IconvCloser> cd(raw);
    return convert(bytes, raw, keepUndefined);
}

// A converter from Windows-1252 kept for many lines: opening one for each would take
// longer than the conversion.
struct Windows1252
{
    iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1252");
    Windows1252() = default;
    Windows1252(const Windows1252&) = delete;
    Windows1252& operator=(const Windows1252&) = delete;
    ~Windows1252()
    {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

// The reasons complete "Could not import "<file>".\n%2.": a sentence without its full stop.
Decoded failure(const QString& reason)
{
    Decoded d;
    d.error = reason;
    return d;
}

// Whether the open file is the one at path itself rather than a new file for its place.
bool writesInPlace(const QSaveFile& file, const QString& path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    Q_UNUSED(path);
    return false; // the save file never falls back to it there
#else
    struct stat opened;
    struct stat named;
    return ::fstat(file.handle(), &opened) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
#endif
}

// Waits until what was written to fd is on the disk; the reason when it cannot be.
QString syncToDisk(int fd)
{
#ifdef Q_OS_WIN
    const int rc = _commit(fd);
#else
    const int rc = ::fdatasync(fd);
#endif
    return rc == 0 ? QString() : qt_error_string(errno);
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Appends every line of text that is not empty, as name(line) makes it, until room names
// are taken, and counts the rest; a line ends at CR LF, CR or LF. False when name() fails.
template <typename View, typename Name> bool splitLines(View text, qsizetype room, Decoded& into, Name name)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && !isLineEnd(text[i]))
            continue;
        if (i > start) {
            if (into.names.size() < room) {
                std::optional<QString> line = name(text.sliced(start, i - start));
                if (!line)
                    return false;
                into.names.append(std::move(*line));
            } else {
                ++into.leftOut;
            }
        }
        if (i + 1 < n && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return true;
}

} // namespace

std::optional<QString> decodeLine(QByteArrayView line)
{
    if (line.isValidUtf8())
        return QString::fromUtf8(line);
    thread_local const Windows1252 windows1252;
    if (windows1252.cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    return convert(line, windows1252.cd, true);
}

Decoded decode(const QByteArray& bytes)
{
    Decoded decoded;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const char* charset = bytes.startsWith("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE";
        const std::optional<QString> text = convert(QByteArrayView(bytes).sliced(2), charset, false);
        if (!text)
            return failure(
                QCoreApplication::translate("NameListCodec", "It begins as UTF-16 text but is not valid UTF-16"));
        return decodeText(*text);
    }
    const QByteArrayView body = QByteArrayView(bytes).sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    // A text file never holds NUL bytes: this is some other kind of file.
    if (body.contains('\0'))
        return failure(QCoreApplication::translate("NameListCodec", "It holds NUL bytes, so it is not a text file"));
    // Line by line: a list edited in two programs can hold lines of both encodings.
    if (!splitLines(body, kMaxNames, decoded, decodeLine))
        return failure(QCoreApplication::translate("NameListCodec", "Its text could not be decoded"));
    return decoded;
}

Decoded decodeText(QStringView text, qsizetype room)
{
    if (text.contains(QChar(0)))
        return failure(
            QCoreApplication::translate("NameListCodec", "It holds NUL characters, so it is not a list of names"));
    Decoded decoded;
    splitLines(text, room, decoded, [](QStringView line) { return std::optional(line.toString()); });
    return decoded;
}

QByteArray encode(const QStringList& names)
{
    QString text;
    qsizetype length = 0;
    for (const QString& name : names)
        length += name.size() + 4;
    text.reserve(length);
    for (const QString& name : names) {
        text += name;
        text += QLatin1String("\r\n\r\n");
    }
    return text.toUtf8();
}

bool isSettingsFile(const QString& path, const QString& storePath)
{
    if (storePath.isEmpty())
        return false;
    namespace fs = std::filesystem;
    const fs::path target(QFile::encodeName(path).toStdString());
    std::error_code ec;
    const bool targetThere = fs::exists(target, ec);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const fs::path file(QFile::encodeName(storePath + QLatin1String(suffix)).toStdString());
        // The same file under another name (a link, another spelling of the folder) is still it.
        if (targetThere && fs::exists(file, ec)) {
            if (fs::equivalent(target, file, ec))
                return true;
            continue;
        }
        // Not there (yet): the same place once links and dots are resolved.
        const fs::path a = fs::weakly_canonical(target, ec);
        if (ec)
            continue;
        const fs::path b = fs::weakly_canonical(file, ec);
        if (!ec && a == b)
            return true;
    }
    return false;
}

Decoded readFile(const QString& path, const QString& storePath)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(isFolder());
    // A device or a pipe could block or never end.
    if (info.exists() && !info.isFile())
        return failure(QCoreApplication::translate("NameListCodec", "It is not an ordinary file"));
    // Closing a file SQLite has open drops every lock this process holds on it.
    if (isSettingsFile(path, storePath))
        return failure(settingsFile());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    const QString tooLarge =
        QCoreApplication::translate("NameListCodec", "It is larger than 64 MiB, far more than any list of names needs");
    if (file.size() > kMaxFileBytes)
        return failure(tooLarge);
    // It may have grown since: read no more than one byte past the limit.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    if (bytes.size() > kMaxFileBytes)
        return failure(tooLarge);
    return decode(bytes);
}

Written writeFile(const QString& path, const QStringList& names, const QString& storePath)
{
    return writeBytesToFile(path, encode(names), storePath);
}

Written writeBytesToFile(const QString& path, const QByteArray& bytes, const QString& storePath)
{
    Written result;
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = isFolder();
        return result;
    }
    // Replacing a pipe or a device with a file would break what uses it.
    if (info.exists() && !info.isFile()) {
        result.error = QCoreApplication::translate("NameListCodec", "It is not an ordinary file");
        return result;
    }
    // A list in its place would destroy the options and the remembered names.
    if (isSettingsFile(path, storePath)) {
        result.error = settingsFile();
        return result;
    }
    QSaveFile file(path);
    // A new file cannot be made beside a writable file in a folder that cannot be written:
    // then, and only then, the file is written over in place.
    file.setDirectWriteFallback(info.exists() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable());
    // Unbuffered, every failure shows in write(): a buffered rest flushed by commit() can
    // fail without commit() saying so.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    result.partlyWritten = writesInPlace(file, path);
    // A write cut short (the disk filled up) says why only when the rest is tried.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            result.error = file.errorString();
            file.cancelWriting();
            return result;
        }
        done += written;
    }
    // commit() syncs too but ignores a failure, and would then put a file that may not be
    // on the disk in the old one's place.
    if (const QString failure = syncToDisk(file.handle()); !failure.isEmpty()) {
        result.error = failure;
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.partlyWritten = false;
    return result;
}

} // namespace NameListCodec
