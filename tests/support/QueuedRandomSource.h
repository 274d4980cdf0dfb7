#pragma once

#include "draw/RandomSource.h"

#include <QList>

#include <initializer_list>

// A random source that hands out the values a test queued, in order. Asking past the end
// fails the running test (and yields 0).
class QueuedRandomSource final : public RandomSource
{
public:
    QueuedRandomSource() = default;
    QueuedRandomSource(std::initializer_list<float> values) : m_values(values) {}

    void enqueue(float value) { m_values.append(value); }
    qsizetype remaining() const { return m_values.size() - m_next; }
    int randomizeCalls() const { return m_randomizeCalls; }

    void randomize() override { ++m_randomizeCalls; }
    float next() override;

private:
    QList<float> m_values;
    qsizetype m_next = 0;
    int m_randomizeCalls = 0;
};
