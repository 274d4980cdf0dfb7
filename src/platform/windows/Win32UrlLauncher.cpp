#include "Win32UrlLauncher.h"

#include "Win32ShellOpen.h"

int Win32UrlLauncher::launch(quintptr owner, const QString& target)
{
    return int(shellOpenWin32(reinterpret_cast<void*>(owner), target.toUtf8().constData()));
}
