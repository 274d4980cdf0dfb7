#pragma once

#include "draw/MaxNames.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// Name list text files: one name per line, read in any of the encodings such lists come
// in, written as every name followed by CR LF CR LF.
namespace NameListCodec {

// Files larger than this are refused unread; 32,767 long names fit many times over.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Why a folder is neither read nor written.
inline QString isFolder()
{
    return QCoreApplication::translate("NameListCodec", "It is a folder, not a file");
}

// Why the program's own settings file is neither read nor written as a list.
inline QString settingsFile()
{
    return QCoreApplication::translate("NameListCodec", "It is the program's settings file");
}

struct Decoded
{
    QStringList names;     // in file order, at most kMaxNames (or the room asked for)
    qsizetype leftOut = 0; // names after those
    QString error;         // why this is not a name list (a sentence without the full stop); empty when it is
    bool ok() const { return error.isEmpty(); }
};

// The names in the bytes of a name list file. A UTF-8 byte-order mark is dropped; UTF-16
// with a byte-order mark is decoded; otherwise each line is read by decodeLine(). Lines end
// at CR LF, CR or LF; empty lines are skipped and every other line is a name, exactly as
// written.
Decoded decode(const QByteArray& bytes);

// The names in text already decoded (pasted or dropped text, or a UTF-16 file), read as the
// lines of a file are: lines end at CR LF, CR or LF, empty lines are skipped, every other
// line is a name as it stands. At most room names are taken; the rest are counted. Text
// holding NUL characters is no list of names.
Decoded decodeText(QStringView text, qsizetype room = kMaxNames);

// One line of a name list (without its line end) as the import reads it: as UTF-8 when it
// is valid UTF-8, otherwise as Windows-1252, byte for byte, the five bytes that code page
// leaves undefined becoming the characters of the same number. Nothing when the system
// cannot convert from Windows-1252.
std::optional<QString> decodeLine(QByteArrayView line);

// Every name in order, each followed by CR LF CR LF, as UTF-8 without a byte-order mark.
QByteArray encode(const QStringList& names);

// True when path is the settings file at storePath or one of its companions (-wal, -shm,
// -journal), by what the paths lead to rather than how they are spelt.
bool isSettingsFile(const QString& path, const QString& storePath);

// Reads the whole file at path and decodes it; error says why when it cannot. The settings
// file at storePath is refused: reading it would drop the program's locks on it.
Decoded readFile(const QString& path, const QString& storePath = QString());

struct Written
{
    QString error; // why the file could not be written (a sentence without the full stop); empty on success
    bool partlyWritten = false; // it failed while the file itself was being written over: it may hold part of the list
    bool ok() const { return error.isEmpty(); }
};

// Writes the names to path all or nothing: a new file takes the place of the old one only
// once it is whole and on the disk, and on failure whatever was at path is left as it was.
// Only a writable file in a folder that cannot be written is written over in place, and
// only then can a failure leave it part written. A path that is not an ordinary file (a
// pipe, a device, a folder) is refused, and so is the settings file at storePath.
Written writeFile(const QString& path, const QStringList& names, const QString& storePath = QString());
// The same for bytes of any kind (a draw's record file).
Written writeBytesToFile(const QString& path, const QByteArray& bytes, const QString& storePath = QString());

} // namespace NameListCodec
