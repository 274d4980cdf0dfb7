#pragma once

#include <QObject>
#include <QStringList>

#include <deque>
#include <vector>

// The list a history edits: the window's list box, or a plain list in tests.
class EditableList
{
public:
    virtual ~EditableList() = default;
    virtual int count() const = 0;
    // count names from row on.
    virtual QStringList names(int row, int count) const = 0;
    // Puts names in at row (the list's end at most), however many the list then holds.
    virtual void insert(int row, const QStringList& names) = 0;
    virtual void remove(int row, int count) = 0;
    // The list becomes names; widths, when it holds one for each name, are what widths()
    // gave for them, so they need not be measured again.
    virtual void replace(const QStringList& names, const std::vector<int>& widths) = 0;
    // What the list measured of count names from row on (their text widths), kept with a
    // whole list a step holds; empty where the list measures nothing.
    virtual std::vector<int> widths(int row, int count) const
    {
        (void)row;
        (void)count;
        return {};
    }
};

// How names moved between the list and the names set aside from it.
enum class RoundChange {
    SetAside,    // from the list to the set-aside names
    BroughtBack, // from the set-aside names back into the list
    Cleared,     // the set-aside names were erased (Clear All Names)
};

// Every change to the list goes through here, so each can be undone and redone one step at
// a time; the names set aside from the list live here too, as their moves are steps. A step
// keeps only what the list no longer shows: an added run or a set-aside name is taken from
// the list again, a removed row keeps its one name, and only Clear, Import and a shuffle
// keep a whole list. At most kMaxSteps steps and kMaxHeld names (five whole lists of 32,767)
// are kept, counting those held for Redo; the oldest done steps go first, the newest done
// one is always kept, so the names held stay below kMaxHeld plus one step's.
class ListHistory : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxSteps = 100;
    static constexpr qsizetype kMaxHeld = 5 * 32767;

    explicit ListHistory(EditableList& list, QObject* parent = nullptr);

    // Adds names at the end, as many as the list has room for; how many were added.
    int append(const QStringList& names);
    void removeAt(int row);
    // The list becomes names (Import; Clear with none). With setAsideToo, the set-aside
    // names are erased as well.
    void replace(const QStringList& names, bool setAsideToo);
    // Records a re-order the list has had since it read as before (a shuffle's ticks);
    // widths: the list's widths() of before, if it gave any.
    void reordered(QStringList before, std::vector<int> widths = {});
    // Moves the list's first count names (as many as it has) to the end of the set-aside
    // names, in one step.
    void setAsideFirst(int count = 1);
    // Puts the set-aside names back at the end of the list, in the order they were set
    // aside, as many as fit; how many came back.
    int bringBack();

    const QStringList& setAside() const { return m_setAside; }
    // The set-aside names a new run starts with; not a step, and earlier steps are forgotten.
    void restoreSetAside(const QStringList& names);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < int(m_steps.size()); }
    void undo();
    void redo();
    // Names the steps hold (for the memory bound).
    qsizetype held() const { return m_held; }
    int steps() const { return int(m_steps.size()); }

signals:
    // Undo, Redo, or the set-aside names changed.
    void changed();
    void roundChanged(RoundChange change, const QStringList& names);

private:
    struct Step
    {
        enum Kind { Inserted, Removed, Replaced, SetAside, BroughtBack } kind;
        int row = 0;
        int count = 0;
        QStringList names;       // what the list does not show: see the class comment
        QStringList setAside;    // Replaced: the other set-aside names
        std::vector<int> widths; // Replaced: the list's widths() of names
        qsizetype held() const { return names.size() + setAside.size(); }
    };
    void push(Step step);
    // Undoes (forward false) or redoes the step.
    void apply(Step& step, bool forward);
    void trim();

    EditableList& m_list;
    QStringList m_setAside;
    std::deque<Step> m_steps;
    int m_done = 0; // steps [0, m_done) are done, the rest undone
    qsizetype m_held = 0;
};
