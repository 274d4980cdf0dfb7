#pragma once

#include "draw/DrawRecord.h"
#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

class Settings;

// The draws kept between runs, as the Draws window lists them: every draw stopped, and the
// names set aside or brought back between them, each a record in the settings' Draw Records
// section. A record keeps its fields and the first names drawn; the list a draw was made from
// is kept once however many records use it, in Draw Lists, and read only to show or export
// one record. The newest kKept are kept, and no more than kKeptListBytes of lists: the oldest
// record goes first, with the lists no other record uses. A stored record that cannot be read
// back is left out, and never costs the others or the list.
class DrawHistory
{
    Q_DECLARE_TR_FUNCTIONS(DrawHistory)

public:
    static constexpr int kKept = 1000;
    static constexpr qint64 kKeptListBytes = 64LL * 1024 * 1024;
    // Records are numbered from 1 up to this: a value numbered past it is no record, so that
    // the next number always fits.
    static constexpr qint64 kLastSequence = std::numeric_limits<qint64>::max() - 1;

    struct Entry
    {
        qint64 sequence = 0; // its place in the store, from 1, growing
        DrawRecord record;   // without the list a draw was made from
    };

    explicit DrawHistory(Settings& settings);

    // Oldest first; read from the store the first time, the records' fields alone.
    const QList<Entry>& entries();
    // The entry stored as sequence, or none.
    std::optional<Entry> entry(qint64 sequence);
    // Stores record (a draw with list, the list before its shuffle; a round event alone),
    // numbered after the newest in the store, then lets the oldest go past the bounds. Listed
    // only once stored.
    StoreStatus add(const DrawRecord& record, const QStringList& list = {});
    // Writes record over the newest one when that is the same draw (its list, seed,
    // re-orders and time), as a note such as its teams is added; Failed when it is not.
    StoreStatus amendLast(const DrawRecord& record, const QStringList& list);
    // The record's whole file, its list included (DrawRecordFile's format); empty when it is
    // gone or cannot be read back.
    QByteArray file(qint64 sequence);
    // Every record goes, and the room they took; the list and the options stay.
    StoreStatus forgetAll();

    // A record's line in the Draws window: its time, then what happened and the names.
    static QString line(const DrawRecord& record);
    // The name Export offers for a draw's file: draw-2026-12-08-140305.txt.
    static QString fileName(const DrawRecord& record);

private:
    void load();
    // Moves records kept whole, each with its list (as before lists were kept apart), to the
    // sections of today, in one go; once a run, and only while there are any.
    void moveWholeRecords();

    Settings& m_settings;
    bool m_moved = false;
    bool m_loaded = false;
    QList<Entry> m_entries;
};
