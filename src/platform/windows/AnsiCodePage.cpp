#include "AnsiCodePage.h"

#include <windows.h>

namespace {

std::wstring toWide(unsigned codePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength > 0 ? wideLength : 0), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideLength);
    return wide;
}

std::string fromWide(unsigned codePage, std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace

std::string utf8ToAnsi(std::string_view utf8)
{
    return fromWide(CP_ACP, toWide(CP_UTF8, utf8));
}

std::string ansiToUtf8(std::string_view ansi)
{
    return fromWide(CP_UTF8, toWide(CP_ACP, ansi));
}

std::wstring utf8ToAnsiWide(std::string_view utf8)
{
    return toWide(CP_ACP, utf8ToAnsi(utf8));
}

std::string wideToUtf8(std::wstring_view wide)
{
    return fromWide(CP_UTF8, wide);
}

std::wstring utf8ToWide(std::string_view utf8)
{
    return toWide(CP_UTF8, utf8);
}
