#include "UrlLauncher.h"

#include <QWidget>

int UrlLauncher::open(QWidget* owner, const QString& target)
{
    const quintptr handle = owner ? quintptr(owner->window()->winId()) : 0;
    return launch(handle, target);
}
