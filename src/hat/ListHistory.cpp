#include "ListHistory.h"

#include "draw/MaxNames.h"

#include <algorithm>
#include <utility>

ListHistory::ListHistory(EditableList& list, QObject* parent) : QObject(parent), m_list(list) {}

int ListHistory::append(const QStringList& names)
{
    const int row = m_list.count();
    const int room = kMaxNames - row;
    const int n = int(std::min<qsizetype>(names.size(), std::max(room, 0)));
    if (n == 0)
        return 0;
    m_list.insert(row, names.first(n));
    push({Step::Inserted, row, n, {}, {}});
    return n;
}

void ListHistory::removeAt(int row)
{
    if (row < 0 || row >= m_list.count())
        return;
    const QStringList name = m_list.names(row, 1);
    m_list.remove(row, 1);
    push({Step::Removed, row, 1, name, {}});
}

void ListHistory::replace(const QStringList& names, bool setAsideToo)
{
    Step step{Step::Replaced, 0, 0, m_list.names(0, m_list.count()), {}, m_list.widths(0, m_list.count())};
    m_list.replace(names, {});
    if (setAsideToo && !m_setAside.isEmpty()) {
        step.setAside = std::exchange(m_setAside, {});
        emit roundChanged(RoundChange::Cleared, step.setAside);
    } else {
        step.setAside = m_setAside;
    }
    push(std::move(step));
}

void ListHistory::reordered(QStringList before, std::vector<int> widths)
{
    push({Step::Replaced, 0, 0, std::move(before), m_setAside, std::move(widths)});
}

void ListHistory::setAsideFirst(int count)
{
    const int n = std::min(count, m_list.count());
    if (n <= 0)
        return;
    Step step{Step::SetAside, 0, n, {}, {}};
    apply(step, true);
    push(std::move(step));
}

int ListHistory::bringBack()
{
    const int n = int(std::min<qsizetype>(m_setAside.size(), std::max(kMaxNames - m_list.count(), 0)));
    if (n == 0)
        return 0;
    Step step{Step::BroughtBack, 0, n, {}, {}};
    apply(step, true);
    push(std::move(step));
    return n;
}

void ListHistory::restoreSetAside(const QStringList& names)
{
    m_setAside = names;
    m_steps.clear();
    m_done = 0;
    m_held = 0;
    emit changed();
}

void ListHistory::undo()
{
    if (!canUndo())
        return;
    Step& step = m_steps[std::size_t(--m_done)];
    m_held -= step.held();
    apply(step, false);
    m_held += step.held();
    emit changed();
}

void ListHistory::redo()
{
    if (!canRedo())
        return;
    Step& step = m_steps[std::size_t(m_done++)];
    m_held -= step.held();
    apply(step, true);
    m_held += step.held();
    trim(); // a redone whole-list step may hold more than its undone state did
    emit changed();
}

void ListHistory::apply(Step& step, bool forward)
{
    switch (step.kind) {
    case Step::Inserted:
        if (forward) {
            m_list.insert(step.row, std::exchange(step.names, {}));
        } else {
            step.names = m_list.names(step.row, step.count);
            m_list.remove(step.row, step.count);
        }
        break;
    case Step::Removed:
        if (forward)
            m_list.remove(step.row, 1);
        else
            m_list.insert(step.row, step.names);
        break;
    case Step::Replaced: {
        // The step holds the list and set-aside names not shown: they change places.
        QStringList shown = m_list.names(0, m_list.count());
        std::vector<int> shownWidths = m_list.widths(0, m_list.count());
        m_list.replace(step.names, step.widths);
        step.names = std::move(shown);
        step.widths = std::move(shownWidths);
        std::swap(step.setAside, m_setAside);
        if (step.setAside != m_setAside) {
            if (!step.setAside.isEmpty())
                emit roundChanged(RoundChange::Cleared, step.setAside);
            if (!m_setAside.isEmpty())
                emit roundChanged(RoundChange::SetAside, m_setAside);
        }
        break;
    }
    case Step::SetAside:
        if (forward) {
            const QStringList first = m_list.names(0, step.count);
            m_list.remove(0, step.count);
            m_setAside.append(first);
            emit roundChanged(RoundChange::SetAside, first);
        } else {
            const QStringList last = m_setAside.last(step.count);
            m_setAside.remove(m_setAside.size() - step.count, step.count);
            m_list.insert(0, last);
            emit roundChanged(RoundChange::BroughtBack, last);
        }
        break;
    case Step::BroughtBack:
        if (forward) {
            const QStringList back = m_setAside.first(step.count);
            m_setAside.remove(0, step.count);
            m_list.insert(m_list.count(), back);
            emit roundChanged(RoundChange::BroughtBack, back);
        } else {
            const QStringList back = m_list.names(m_list.count() - step.count, step.count);
            m_list.remove(m_list.count() - step.count, step.count);
            m_setAside = back + m_setAside;
            emit roundChanged(RoundChange::SetAside, back);
        }
        break;
    }
}

void ListHistory::push(Step step)
{
    // A new change ends what could be redone.
    while (int(m_steps.size()) > m_done) {
        m_held -= m_steps.back().held();
        m_steps.pop_back();
    }
    m_held += step.held();
    m_steps.push_back(std::move(step));
    m_done = int(m_steps.size());
    trim();
    emit changed();
}

void ListHistory::trim()
{
    // Only done steps go, the oldest first: an undone one is needed to redo those after it.
    while (m_done > 1 && (int(m_steps.size()) > kMaxSteps || m_held > kMaxHeld)) {
        m_held -= m_steps.front().held();
        m_steps.pop_front();
        --m_done;
    }
}
