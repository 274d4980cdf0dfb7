#include "QueuedRandomSource.h"

#include <QTest>

float QueuedRandomSource::next()
{
    if (m_next == m_values.size()) {
        QTest::qFail("random value asked for but none queued", __FILE__, __LINE__);
        return 0.0f;
    }
    return m_values[m_next++];
}
