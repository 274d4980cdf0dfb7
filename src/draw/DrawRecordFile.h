#pragma once

#include "DrawRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A draw record as a small UTF-8 text file a person can read and anyone can check: the
// format's line ("Nimbrel draw record 1"), "Key: value" lines for the record's fields, a
// blank line, then the list before the shuffle (or the names set aside or brought back),
// one name a line, each line ending in "\n". A draw from a public text also has "Seed from",
// one dealt into teams "Teams", and one from a named list the list's name and number: a
// record without them reads as it always did.
namespace DrawRecordFile {

inline constexpr int kVersion = 1;
// A full list of long names fits easily; a bigger file is refused before it is read.
inline constexpr qint64 kMaxBytes = 80 * 1024 * 1024;

// Why a file was refused. The reader names only the first fault it meets.
enum class Fault {
    None,
    Unreadable,         // the file could not be opened or read (detail: the system's reason)
    TooLarge,           // over kMaxBytes
    OtherEncoding,      // UTF-16 or UTF-32 (detail: which)
    InvalidUtf8,        // line: where
    NotARecord,         // the first line is not the format's
    OtherVersion,       // detail: the version the file names
    Truncated,          // the file ends before its list does
    BadField,           // line: a field this version does not have, repeated or with a bad value; a stray "\r"
    MissingField,       // detail: the field's key
    TooManyNames,       // more than kMaxNames
    NameCountDiffers,   // the list holds more names than the record counts (detail: how many)
    FingerprintDiffers, // the list is not the one the record was made from
    DrawnCountDiffers,  // the drawn order does not account for every name
};

struct Parsed
{
    DrawRecord record;
    QStringList list; // a draw: the list before the shuffle; otherwise record.names
    Fault fault = Fault::None;
    int line = 0;   // from 1, where the fault was found, when it is one line's
    QString detail; // see Fault

    bool ok() const { return fault == Fault::None; }
};

// The file of record, with list the list before the shuffle for a draw (ignored otherwise).
// Empty when it could not be read back as written: a name holding a line break (the list
// would split it, and the fingerprint could not tell "a\nb" from "a", "b"), a list that is
// not the record's (count or fingerprint), an invalid time, more than kMaxReorders
// re-orders (the reader refuses them), or over kMaxBytes.
std::optional<QByteArray> write(const DrawRecord& record, const QStringList& list = {});

// The record in data; refuses anything this version did not write, or that was edited so
// that its fields no longer agree with its list.
Parsed parse(const QByteArray& data);

// parse() of the file at path; a file over kMaxBytes is refused without being read.
Parsed read(const QString& path);

// A record as the draws' history keeps it, its list kept apart: the file's first line and
// fields up to the blank line, but the drawn names in one field, deflated ("Drawn, deflated:"
// and their lines compressed, in base64: a draw of long names still takes under 2 KB), and no
// list. A round event's entry is its file. Empty when the record could not be read back.
std::optional<QByteArray> writeEntry(const DrawRecord& record);
// The record in an entry; Parsed::list is empty for a draw.
Parsed parseEntry(const QByteArray& data);

// The record in a file written by write() without reading its list, whose text goes to
// *listText as it stands, unchecked: for the caller who has the same list at hand already.
// For a draw only (a round event's names are its list); refuses what write() would not write.
Parsed parseFields(const QByteArray& data, QByteArray* listText);

// A list as a file holds it after its fields, one name a line: what its fingerprint is taken of.
QByteArray listText(const QStringList& list);
// The names of listText(); none when the text is not UTF-8 or does not end its last line.
std::optional<QStringList> parseList(const QByteArray& text);

} // namespace DrawRecordFile
