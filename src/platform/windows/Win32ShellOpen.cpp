#include "Win32ShellOpen.h"

#include "AnsiCodePage.h"

#include <windows.h>

#include <shellapi.h>

long shellOpenWin32(void* ownerWindow, const char* target)
{
    const std::string ansiTarget = utf8ToAnsi(target ? target : "");
    // Empty parameters and directory, not null pointers; the default show state.
    const HINSTANCE result =
        ShellExecuteA(static_cast<HWND>(ownerWindow), "open", ansiTarget.c_str(), "", "", SW_SHOWDEFAULT);
    // The result is an HINSTANCE only by history: it carries a small integer code.
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}
