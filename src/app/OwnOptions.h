#pragma once

#include <QStringList>

// The command-line options the program answers itself: -h or --help, -v or --version, and
// --check-draw FILE (or --check-draw=FILE), each exactly so. Every other argument is Qt's
// (-style, -reverse, -platform, ...) or nobody's, and is left alone.
enum class OwnOption { None, Help, Version, CheckDraw };

// The program's own option in arguments (the program's name first; help wins over checking,
// checking over version), skipping the values of Qt's options that take one. For CheckDraw,
// file receives the file named (empty when none is).
OwnOption ownOption(const QStringList& arguments, QString* file = nullptr);
