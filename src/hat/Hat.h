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
    Hat(Settings& settings, RandomSource& random, const QFont& font, QObject* parent = nullptr);
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
    // Writes the list and its set-aside names in one batch, or leaves the stored ones whole.
    StoreStatus save();
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
    // Moves the first name to the set-aside names, so the next shuffle draws from the rest.
    void setAsideFirst();
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
    enum class Start { Started, TooFewNames, NoRandomness };
    // Starts re-ordering the list every 10 ms from a fresh seed.
    Start shuffle();
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

    // Whether draws and round events are recorded.
    bool keepDraws() const { return m_keepDraws; }
    void setKeepDraws(bool on);
    // Stores the draw recorded at the last Stop, if it is not yet: before anything that would
    // list or follow it.
    void storeDraw();

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
    void recordDraw(const QStringList& before);
    void recordRoundEvent(RoundChange change, const QStringList& names);

    Settings& m_settings;
    RandomSource& m_random;
    NameListModel* m_model;
    ListHistory m_history;
    std::unique_ptr<DrawHistory> m_draws;
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
    };
    Shuffle m_shuffle;
    std::int64_t m_reorders = 0;
    struct UnstoredDraw
    {
        DrawRecord record;
        QStringList before;
    };
    std::optional<UnstoredDraw> m_unstoredDraw; // from Stop until stored
};
