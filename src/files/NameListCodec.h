#pragma once

#include "draw/MaxNames.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Name list text files: one name per line, read in any of the encodings such lists come
// in, written as every name followed by CR LF CR LF.
namespace NameListCodec {

// Files larger than this are refused unread; 32,767 long names fit many times over.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct Decoded
{
    QStringList names;     // in file order, at most kMaxNames
    qsizetype leftOut = 0; // names after the first kMaxNames
    QString error;         // why this is not a name list (a sentence without the full stop); empty when it is
    bool ok() const { return error.isEmpty(); }
};

// The names in the bytes of a name list file. A UTF-8 byte-order mark is dropped; UTF-16
// with a byte-order mark is decoded; valid UTF-8 is read as UTF-8 and anything else as
// Windows-1252, byte for byte. Lines end at CR LF, CR or LF; empty lines are skipped and
// every other line is a name, exactly as written.
Decoded decode(const QByteArray& bytes);

// Every name in order, each followed by CR LF CR LF, as UTF-8 without a byte-order mark.
QByteArray encode(const QStringList& names);

// Reads the whole file at path and decodes it; error says why when it cannot.
Decoded readFile(const QString& path);

// Writes the names to path all or nothing: on failure whatever was at path is left as it
// was. Returns the reason for a failure, or "" on success.
QString writeFile(const QString& path, const QStringList& names);

} // namespace NameListCodec
