#pragma once

#include "ListHistory.h"
#include "draw/DrawOrder.h"
#include "draw/DrawRecord.h"
#include "settings/SettingsStore.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DrawHistory;
class NameListModel;
class QFont;
class RandomSource;
class Settings;

// One list of names and its round: the names (as the model a list view shows), the names
// set aside from it, the undo history, the shuffle (Shuffle, a re-order every 10 ms, Stop)
// and the record of each draw and round event. It loads and saves its names through the
// settings. Nothing here changes the list while a shuffle runs: every change asked for
// meanwhile is refused, in one place (mayChange()).
class Hat : public QObject, private EditableList
{
    Q_OBJECT
public:
    // font: the one the list is drawn in, which the model measures the names' widths with.
    // draws: the record of draws the hat adds to, shared by every list; one of its own when null.
    Hat(Settings& settings, RandomSource& random, const QFont& font, QObject* parent = nullptr,
        std::shared_ptr<DrawHistory> draws = nullptr);
    ~Hat() override;

    NameListModel* model() const { return m_model; }
    int count() const override;
    // The name at row, "" outside the list.
    QString nameAt(int row) const;
    QStringList names() const;
    QStringList names(int row, int count) const override;
    const QStringList& setAside() const { return m_history.setAside(); }
    const ListHistory& history() const { return m_history; }
    DrawHistory& draws() const { return *m_draws; }

    // Seeds the run's random source, reads the store's state, and the remembered names and
    // set-aside names when they are to be remembered. What start-up found that the user
    // should hear of, each as the user reads it.
    QStringList load();
    // A list read from a section of its own, as load() reads the current one (no step of
    // Undo); at most kMaxNames names.
    void restore(const QStringList& names, const QStringList& setAside);
    // Writes the list and its set-aside names in one batch, or leaves the stored ones whole.
    StoreStatus save();
    // How save() writes: by default the list to the current list's sections; a shelf of
    // several lists writes them all in one batch.
    void setSaver(std::function<StoreStatus()> saver) { m_saver = std::move(saver); }
    // Whether the user was told at start-up that nothing will be kept.
    bool storeToldUnwritable() const { return m_storeIsNewer || m_storeIsReadOnly; }
    // Why a write to the store failed, as the messages complete their sentence.
    QString failureReason(StoreStatus status) const;

    // The end of the run: no re-order after the one shown, the draw recorded last stored,
    // then the names. What the user has to hear of it.
    struct Finished
    {
        enum class Outcome {
            Saved,
            Recreated,   // saved, in a store made anew at its path
            NamesAtRisk, // not saved, and the store holds other names: offer an export
            NotSaved,    // not saved, the store holds this list
            Quiet,       // not saved, as the user was told at start-up
        };
        Outcome outcome = Outcome::Saved;
        QString reason;
    };
    Finished finish();
    bool finished() const { return m_finished; }
    // Writes the list now, without a word, unless finish() already did: for the end of the
    // desktop session and a process that ends without its window closing. True when stored.
    bool saveNow();

    // The list changes, each refused while shuffling.
    // Adds names at the end, as many as fit; how many were added.
    int append(const QStringList& names);
    int append(const QString& name) { return append(QStringList{name}); }
    void removeAt(int row);
    // The list becomes names (Import), and the round ends: the set-aside names go.
    void replaceWith(const QStringList& names);
    // The list and its set-aside names are erased.
    void clear();
    // Moves the first count names (as many as there are) to the set-aside names, so the next
    // shuffle draws from the rest.
    void setAsideFirst(int count = 1);
    // Puts the set-aside names back at the end, in the order they were set aside, as many as
    // fit; how many came back.
    int bringBack();
    void undo();
    void redo();
    bool canUndo() const { return mayChange() && m_history.canUndo(); }
    bool canRedo() const { return mayChange() && m_history.canRedo(); }

    // The shuffle.
    bool isShuffling() const { return m_timer.isActive(); }
    bool mayChange() const { return !isShuffling(); }
    enum class Start { Started, TooFewNames, NoRandomness, InvalidText };
    // Starts re-ordering the list every 10 ms from a fresh seed.
    Start shuffle();
    // Starts a draw whose seed follows from the list's fingerprint and text (PublicDraw);
    // it makes PublicDraw::kReorders re-orders and then stops by itself.
    Start drawFromPublicText(const QString& text);
    // Whether the shuffle running ends by itself, which Stop then leaves to it: a draw from
    // a public text that could be stopped early would let the host choose among its orders.
    bool stopsByItself() const { return isShuffling() && !m_shuffle.seedFrom.isEmpty(); }
    // Ends the shuffle: the order now is the draw, which is recorded (when draws are kept)
    // and Undo can take back.
    void stop();
    // One re-order, as the timer makes it.
    void reorder();
    // Re-orders since Shuffle.
    std::int64_t reorders() const { return m_reorders; }
    // How a re-order reaches the model: by default a plain permute; a view that knows a
    // cheaper way to show it (its rows keep their sizes) puts itself in between.
    void setPermute(std::function<void(const std::vector<int>&)> permute) { m_permute = std::move(permute); }

    // The list the records say they were drawn from: none (0) while there is one list.
    void setRecordedList(int id, const QString& name)
    {
        m_listId = id;
        m_listName = name;
    }
    // Whether draws and round events are recorded.
    bool keepDraws() const { return m_keepDraws; }
    void setKeepDraws(bool on);
    // Stores the draw recorded at the last Stop, if it is not yet: before anything that would
    // list or follow it.
    void storeDraw();
    // Whether the list stands in the order the last shuffle drew: nothing changed it since.
    bool standsAsDrawn() const { return m_drawnRevision == m_revision; }
    // Notes on the last draw's record that its order was dealt into teams (Teams::deal);
    // only while the list still stands in the order drawn. Whether it was noted.
    bool noteTeams(int teams);

signals:
    void shufflingChanged(bool shuffling);
    // A re-order while shuffling; the list shows the new order.
    void reordered();
    // The names, the set-aside names or what Undo and Redo can do changed.
    void changed();
    // Names moved between the list and the set-aside ones, or the set-aside ones were erased.
    void roundChanged(RoundChange change, const QStringList& names);
    // A record was stored: lists of draws are out of date.
    void drawsChanged();

private:
    // The list the history edits: the model.
    void insert(int row, const QStringList& names) override;
    void remove(int row, int count) override;
    void replace(const QStringList& names, const std::vector<int>& widths) override;
    std::vector<int> widths(int row, int count) const override;
    void startShuffle(std::uint64_t seed, QStringList before, QByteArray fingerprint, QString seedFrom);
    void endShuffle();
    void recordDraw(const QStringList& before);
    void recordRoundEvent(RoundChange change, const QStringList& names);

    Settings& m_settings;
    RandomSource& m_random;
    NameListModel* m_model;
    ListHistory m_history;
    std::shared_ptr<DrawHistory> m_draws;
    std::function<StoreStatus()> m_saver;
    int m_listId = 0;
    QString m_listName;
    DrawOrder m_draw;
    QTimer m_timer;
    std::function<void(const std::vector<int>&)> m_permute;
    bool m_storeIsNewer = false;    // the user was told at start-up that nothing will be kept
    bool m_storeIsReadOnly = false; // likewise, for a store that cannot be written
    bool m_finished = false;
    bool m_keepDraws = true;

    // The shuffle running: the order it started from (what Undo brings back), and what its
    // record needs, taken at Shuffle so that Stop does no work a name.
    struct Shuffle
    {
        QStringList before;
        std::vector<int> beforeWidths; // the model's, so that Undo need not measure them again
        QByteArray fingerprint;        // empty when the draw is not to be recorded
        std::uint64_t seed = 0;
        QString seedFrom; // the public text of a draw that ends by itself
    };
    Shuffle m_shuffle;
    std::int64_t m_reorders = 0;
    // Counts every change to the list's names or their order, so that the record of the last
    // draw is known to describe the list as it stands.
    std::uint64_t m_revision = 0;
    std::optional<std::uint64_t> m_drawnRevision; // m_revision at the last Stop
    struct LastDraw
    {
        DrawRecord record;
        QStringList before;
        std::uint64_t revision = 0; // m_revision when it was drawn
        bool stored = false;        // stored a moment after Stop
    };
    std::optional<LastDraw> m_lastDraw;
};
