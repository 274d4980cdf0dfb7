#include "TestHome.h"

#include <QDir>
#include <QtGlobal>

namespace {
const char* const kVars[3] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
}

TestHome::TestHome()
{
    const QString dirs[3] = {m_dir.path(), configHome(), m_dir.path() + QStringLiteral("/data")};
    for (int i = 0; i < 3; ++i) {
        m_saved[i] = qgetenv(kVars[i]);
        QDir().mkpath(dirs[i]);
        qputenv(kVars[i], dirs[i].toLocal8Bit());
    }
}

TestHome::~TestHome()
{
    for (int i = 0; i < 3; ++i)
        qputenv(kVars[i], m_saved[i]);
}
