#include "Win32UrlLauncher.h"

#include "Win32ShellOpen.h"

int Win32UrlLauncher::open(quintptr owner, const QString& target)
{
    return int(shellOpenWin32(reinterpret_cast<void*>(owner), target.toUtf8().constData()));
}
