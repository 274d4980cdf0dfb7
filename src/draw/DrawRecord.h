#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <cstdint>

// One line of the draws' history: a draw, with what anyone needs to do it again and see
// that it came out as recorded, or names set aside from the next rounds or brought back.
struct DrawRecord
{
    enum class Kind { Draw, SetAside, BroughtBack };
    // The drawn order is kept only this far; the count of the rest follows.
    static constexpr int kShownNames = 100;

    Kind kind = Kind::Draw;
    QDateTime when; // local time with its offset from UTC, whole seconds

    // A draw:
    int nameCount = 0;          // names that took part
    QByteArray listFingerprint; // SHA-256 of the list before the shuffle (listFingerprint())
    QStringList drawn;          // the drawn order's first names, at most kShownNames
    int notShown = 0;           // names drawn after those
    std::int64_t reorders = 0;  // re-orders the shuffle made before it was stopped
    std::uint64_t seed = 0;     // what the random source was seeded with at Shuffle
    // A draw from a public text: the text its seed follows from (PublicDraw); empty when the
    // seed came from the system's entropy.
    QString seedFrom;
    int teams = 0; // the teams the drawn order was dealt into (Teams::deal); 0 when it was not split

    // Names set aside or brought back:
    QStringList names;

    // The list it was drawn from, where the program keeps several: the number the list keeps
    // for good, and its name then. 0 and empty in a record made while there was one list,
    // which is list 1 (the one a store from before several lists holds).
    int listId = 0;
    QString listName;

    // The record of a shuffle of before that ended in drawnOrder (the same names).
    static DrawRecord ofDraw(const QStringList& before, const QStringList& drawnOrder, std::int64_t reorders,
                             std::uint64_t seed, const QDateTime& when);
    // The same from what the window keeps: the list's size and fingerprint, taken when the
    // shuffle started, and the drawn order's first names (the rest are counted), so that
    // Stop does no work a name.
    static DrawRecord ofDraw(int nameCount, const QByteArray& listFingerprint, const QStringList& drawnFirst,
                             std::int64_t reorders, std::uint64_t seed, const QDateTime& when);
    // Names set aside (kind SetAside) or brought back (BroughtBack).
    static DrawRecord ofRoundEvent(Kind kind, const QStringList& names, const QDateTime& when);

    bool operator==(const DrawRecord&) const = default;
};

// SHA-256 of the names in order, each as UTF-8 followed by "\n".
QByteArray listFingerprint(const QStringList& names);

// A draw done again from list (the list before the shuffle), the record's seed and
// re-orders, against the order recorded.
struct DrawCheck
{
    enum class Mismatch {
        None,
        Order,          // the draw done again parts from the recorded order at position
        PublicSeed,     // the seed is not the one the public text gives (expectedSeed)
        PublicReorders, // a draw from a public text makes PublicDraw::kReorders re-orders
    };
    bool matches = false;
    Mismatch mismatch = Mismatch::None;
    std::uint64_t expectedSeed = 0; // PublicSeed: the one the text gives
    int position = 0;               // where they first part, from 1, when they do
    QString recorded;               // the name recorded there
    QString redrawn;                // the name the draw gives there
    QList<QStringList> teams;       // when it matches and the record notes a split: each team's names, as dealt
};
// list must be the one the record was made from (same count; the file reader sees to it).
// A draw from a public text is checked first to have the seed the text gives and the
// fixed number of re-orders.
DrawCheck checkDraw(const DrawRecord& record, const QStringList& list);
