#pragma once

#include "draw/DrawRecord.h"
#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Settings;

// The draws kept between runs, as the Draws window lists them: every draw stopped, and the
// names set aside or brought back between them, each a record in the settings' Draws
// section. The newest kKept are kept; the oldest goes first. A stored record that cannot be
// read back is left out, and never costs the others or the list.
class DrawHistory
{
    Q_DECLARE_TR_FUNCTIONS(DrawHistory)

public:
    static constexpr int kKept = 1000;

    struct Entry
    {
        qint64 sequence = 0; // its place in the store, from 1, growing
        DrawRecord record;
    };

    explicit DrawHistory(Settings& settings);

    // Oldest first; read from the store the first time.
    const QList<Entry>& entries();
    // The entry stored as sequence, or none.
    std::optional<Entry> entry(qint64 sequence);
    // Stores record (a draw with list, the list before its shuffle; a round event alone)
    // as one value, then lets the oldest go past kKept. Listed only once stored.
    StoreStatus add(const DrawRecord& record, const QStringList& list = {});
    // Writes record over the newest one when that is the same draw (its list, seed,
    // re-orders and time), as a note such as its teams is added; Failed when it is not.
    StoreStatus amendLast(const DrawRecord& record, const QStringList& list);
    // The record's file as stored (DrawRecordFile's format); empty when it is gone.
    QByteArray file(qint64 sequence);
    // Every record goes; the list and the options stay.
    StoreStatus forgetAll();

    // A record's line in the Draws window: its time, then what happened and the names.
    static QString line(const DrawRecord& record);
    // The name Export offers for a draw's file: draw-2026-12-08-140305.txt.
    static QString fileName(const DrawRecord& record);

private:
    void load();

    Settings& m_settings;
    bool m_loaded = false;
    QList<Entry> m_entries;
    qint64 m_lastSequence = 0; // the highest stored, readable or not, so none is written over
};
