#pragma once

#include <optional>

// -h/--help and -v/--version print their text and end the program before any window opens;
// every other argument is left to Qt. Returns the exit code when the program should end.
std::optional<int> answerCommandLine(int argc, char* argv[]);
