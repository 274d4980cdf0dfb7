#pragma once

#include <optional>

// --help and --version print their text and end the program before any window opens;
// every other argument is ignored. Returns the exit code when the program should end.
std::optional<int> answerCommandLine(int argc, char* argv[]);
