#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A draw nobody has to trust: its seed follows from the list and a text nobody could know
// when the list's fingerprint was announced (the next lottery numbers, a public randomness
// beacon's round), and it makes a fixed number of re-orders, so the host chooses nothing.
// Anyone with the list and the text can do it again: scripts/check-public-draw.py does it
// without the program.
namespace PublicDraw {

// The re-orders of every such draw (two seconds of shuffling).
inline constexpr std::int64_t kReorders = 200;
inline constexpr int kMaxTextLength = 1000;

// The first 8 bytes of SHA-256 over the list's fingerprint as 64 lowercase hexadecimal
// characters, a line feed ("\n"), and text as UTF-8, read as an unsigned 64-bit number with
// the most significant byte first.
std::uint64_t seed(const QByteArray& listFingerprint, const QString& text);

// Whether text can be the public text, as a record's one line holds it: not empty, at
// most kMaxTextLength characters, without a line break or space at either end.
bool isValidText(const QString& text);

} // namespace PublicDraw
