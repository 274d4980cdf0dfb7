#pragma once

// Windows only. Hands target (UTF-8; a web address, "mailto:...", a file) to the program
// the user chose for it, through the shell's "open" verb, and returns the shell's result
// unchanged: greater than 32 when the launch was started, else an error code (31 when no
// program is associated with that kind of address). ownerWindow is the HWND of the window
// that asked, or null. Returns once the launch has started; it does not wait for the program.
long shellOpenWin32(void* ownerWindow, const char* target);
