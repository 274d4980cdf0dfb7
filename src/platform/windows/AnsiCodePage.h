#pragma once

#include <string>
#include <string_view>

// Windows only. Converts between UTF-8 (how the rest of the program holds text) and the
// system's ANSI code page (how the registry's and the shell's 8-bit calls take it), so that
// values written by older Windows programs in the same places stay readable. Embedded NULs
// pass through. Characters the ANSI code page lacks become the code page's default
// character ('?'), as in any ANSI program; malformed UTF-8 becomes U+FFFD first.
std::string utf8ToAnsi(std::string_view utf8);
std::string ansiToUtf8(std::string_view ansi);
// For the W calls: UTF-8 text as the ANSI code page holds it, in UTF-16; and UTF-16 text in UTF-8.
std::wstring utf8ToAnsiWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);
// UTF-8 text in UTF-16, every character kept: for what only this program reads.
std::wstring utf8ToWide(std::string_view utf8);
