#include "ShellOpen.h"

#include "UrlLauncher.h"

#include <QWidget>

namespace Module1 {

int ShellOpen(UrlLauncher& launcher, QWidget* owner, const QString& target)
{
    const quintptr handle = owner ? quintptr(owner->window()->winId()) : 0;
    return launcher.open(handle, target);
}

} // namespace Module1
