#pragma once

#include "settings/Settings.h"

#include <QFont>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class DrawHistory;
class Hat;
class RandomSource;

// The lists the program keeps, each a Hat with its own names, set-aside names, undo history
// and draws, one of them current: the one the window shows. The current list is stored
// where the program has always kept its one list, so a version that knows of one list opens
// the list last used; the others each in a section of its own (SettingsKeys). Only
// the current list is read at start-up; another is read when first chosen and then stays
// in memory, with its undo history, for the rest of the run. Nothing here changes while the
// current list is being shuffled. A change is written, in one batch with the current list,
// once the window shows it (writing a long list takes longer than a switch may); the exit
// save (the current hat's save()) writes whatever is not yet stored.
class Shelf : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxLists = 100;
    static constexpr int kMaxNameLength = 100; // characters (code points)

    // Why a change was refused.
    enum class Refusal { None, Shuffling, TooManyLists, NameLength, NameNotPlain, NameTaken, LastList, NoneDeleted };

    // font: the one the lists are drawn in (their models measure the names with it).
    Shelf(Settings& settings, RandomSource& random, const QFont& font, QObject* parent = nullptr);
    ~Shelf() override;

    // Start-up: reads which lists there are, then the current list as Hat::load() does (the
    // hat current() gave before stays the current one). What the user should hear of.
    QStringList load();

    Hat& current() const { return *m_shown; }
    DrawHistory& draws() const { return *m_draws; }
    int count() const { return int(m_lists.size()); }
    int currentIndex() const { return m_current; }
    QString nameAt(int index) const { return m_lists.at(std::size_t(index)).name; }
    // The numbers the lists keep for good (their draws are recorded under them).
    int idAt(int index) const { return m_lists.at(std::size_t(index)).id; }
    QList<int> ids() const;
    bool mayChange() const;

    // Whether name may be given to a list (other than the one at renaming): 1 to
    // kMaxNameLength characters, no control characters, not another list's in any case.
    Refusal checkName(const QString& name, int renaming = -1) const;
    // base, or base with " (2)", " (3)", ... as no list is named yet, shortened to fit.
    QString freeName(const QString& base) const;
    // The name of the one list of a store that names none, in the user's language.
    static QString defaultName();

    // The changes, each refused while shuffling. The list made or brought back becomes the
    // current one.
    // A new list called name, holding names.
    Refusal add(const QString& name, const QStringList& names = {});
    Refusal rename(int index, const QString& name);
    // A copy of the list at index, its set-aside names too.
    Refusal duplicate(int index);
    // Deletes the list at index (not the last one left); the one after it, or else before
    // it, becomes current if it was. Its draws stay recorded, out of sight.
    Refusal remove(int index);
    // The name of the list remove() took last in this run, which restore() brings back;
    // empty when there is none.
    QString restorable() const;
    Refusal restore();
    Refusal switchTo(int index);

    // Whether a change waits to be written.
    bool writePending() const { return m_writeTimer.isActive(); }

    // As Hat::setKeepDraws, for every list.
    void setKeepDraws(bool on);
    // As Hat::setPermute, for every list.
    void setPermute(std::function<void(const std::vector<int>&)> permute);

signals:
    // Another list is current (the window shows its hat).
    void currentChanged(Hat* hat);
    // Lists came or went, or were renamed, or another one is current.
    void listsChanged();
    // The current hat's signals.
    void changed();
    void shufflingChanged(bool shuffling);
    void reordered();
    void drawsChanged();
    // A change was written (Ok), or could not be: what is not stored is written with the
    // next change and at exit. Ok also when the user was told at start-up that nothing is kept.
    void written(StoreStatus status);

private:
    struct List
    {
        int id = 0;
        QString name;
        std::unique_ptr<Hat> hat; // read when first chosen
        // Its section holds what it should: its names while it is not current, nothing once deleted.
        bool stored = true;
    };
    std::unique_ptr<Hat> makeHat();
    Hat& loaded(List& list);
    int indexOf(int id) const;
    // Makes the list at index the one shown, and tells the window.
    void choose(int index);
    // A list made, copied or brought back becomes current; then the batch is written.
    Refusal addAndChoose(List list);
    // The records say which list they were drawn from once there are several.
    void tagRecords();
    QList<Settings::Row> indexRows() const;
    // Writes everything not yet stored in one batch, the current list always.
    StoreStatus write();
    // The end of every change: the lists' views told, and the write due.
    Refusal finishChange();

    Settings& m_settings;
    RandomSource& m_random;
    QFont m_font;
    std::shared_ptr<DrawHistory> m_draws;
    std::function<void(const std::vector<int>&)> m_permute;
    std::vector<List> m_lists;   // by id: the order they were made in
    std::vector<List> m_deleted; // in this run, the last deleted last
    int m_current = 0;
    int m_nextId = 2;
    Hat* m_shown = nullptr;
    QList<QMetaObject::Connection> m_forwards;
    QList<Settings::Row> m_storedIndex; // ListsSection as stored (as a store without one reads)
    QTimer m_writeTimer;
    bool m_toldUnwritable = false; // at start-up: writes that fail are not told again
};
