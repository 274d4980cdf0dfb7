#pragma once

#include "platform/SoundPlayer.h"

#include <QList>

// Records every sound it is asked to play, in call order.
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    void play(const QByteArray& wav) override { m_calls.append(wav); }
    const QList<QByteArray>& calls() const { return m_calls; }

private:
    QList<QByteArray> m_calls;
};
