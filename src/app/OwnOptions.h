#pragma once

#include <QStringList>

// The command-line options the program answers itself: -h or --help, -v or --version, each
// exactly so. Every other argument is Qt's (-style, -reverse, -platform, ...) or nobody's,
// and is left alone.
enum class OwnOption { None, Help, Version };

// The program's own option in arguments (the program's name first; help wins over version),
// skipping the values of Qt's options that take one.
OwnOption ownOption(const QStringList& arguments);
