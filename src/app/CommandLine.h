#pragma once

#include <optional>

// -h/--help and -v/--version print their text and end the program before any window opens;
// an unknown option is named on the error stream with the usage, and ends it with status 2.
// Qt's options and plain arguments are left alone. Returns the exit code when the program
// should end.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) no window can open: says so in
// one line, with how to try the program anyway, and returns 1 rather than letting Qt abort.
// A platform chosen on purpose (QT_QPA_PLATFORM, or -platform on the command line) is left
// to Qt.
std::optional<int> refuseWithoutDisplay(int argc, char* argv[]);
