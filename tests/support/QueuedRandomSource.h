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
    // The seeds it was given, in order (they change nothing: the queue is the sequence).
    const QList<std::uint64_t>& seeds() const { return m_seeds; }

    void seed(std::uint64_t seed) override { m_seeds.append(seed); }
    float next() override;

private:
    QList<float> m_values;
    qsizetype m_next = 0;
    QList<std::uint64_t> m_seeds;
};
