#pragma once

#include <QStringList>

// The command-line options the program answers itself: -h or --help, -v or --version, each
// exactly so. Qt's own options (-style, -reverse, -platform, ...) are left to Qt, and so are
// arguments that are not options (a file's name); anything else that looks like an option
// is unknown, and the program says so rather than starting as if it had not been given.
enum class OwnOption { None, Help, Version, Unknown };

// The program's own option in arguments (the program's name first), skipping the values of
// Qt's options that take one. Help and an unknown option end the scan where they stand, so
// either wins over a version asked for earlier; the unknown argument goes to *unknown.
OwnOption ownOption(const QStringList& arguments, QString* unknown = nullptr);
