#pragma once

#include <QStringList>

// The command-line options the program answers itself: -h or --help, -v or --version, and
// --check-draw FILE (or --check-draw=FILE), each exactly so. Qt's own options (-style,
// -reverse, -platform, ...) are left to Qt, and so are arguments that are not options (a
// file's name); anything else that looks like an option is unknown, and the program says so
// rather than starting as if it had not been given.
enum class OwnOption { None, Help, Version, CheckDraw, Unknown };

// The program's own option in arguments (the program's name first), skipping the values of
// Qt's options that take one. Help and an unknown option end the scan where they stand, so
// either wins over what was asked for earlier; checking wins over version. *value receives
// the file to check for CheckDraw (empty when none is named), the argument for Unknown.
OwnOption ownOption(const QStringList& arguments, QString* value = nullptr);
