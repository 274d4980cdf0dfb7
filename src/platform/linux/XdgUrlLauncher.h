#pragma once

#include "platform/UrlLauncher.h"

#include <QObject>

// Opens addresses through the desktop's own tools: `xdg-mime` tells whether a program is
// registered for the address's scheme, `xdg-open` starts it.
class XdgUrlLauncher final : public UrlLauncher
{
public:
    // moment: how long a launch may hold the caller before it counts as started (ms).
    explicit XdgUrlLauncher(int moment = 1500);

protected:
    int launch(quintptr owner, const QString& target) override;

private:
    enum class Handler { Registered, None, Unknown };
    Handler defaultHandler(const QString& scheme) const;

    int m_moment;
    // Parent of the launches still running when open() returned; each goes when it ends.
    QObject m_running;
};
