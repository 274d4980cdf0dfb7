#include "Win32Store.h"

#include "platform/windows/AnsiCodePage.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// How many times in a row a value may be found longer than its key said (another copy
// writing it meanwhile) before the read is given up as failed.
constexpr int kMaxRegrowth = 8;

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

// The draws' records and lists (the Draws section of older stores, Draw Records, Draw Lists,
// Draw List Uses) and the names set aside are sections no older program reads or writes:
// their names and texts are kept in UTF-16, every character whole. The others keep to the ANSI code page they share with older programs.
bool ownSection(std::string_view section)
{
    const std::size_t cut = section.rfind('\\');
    const std::string last = folded(section.substr(cut == std::string_view::npos ? 0 : cut + 1));
    return last == "draws" || last == "set-aside names" || last == "draw records" || last == "draw lists" ||
           last == "draw list uses";
}

// A text or value name as the section keeps it.
std::wstring stored(std::string_view section, std::string_view text)
{
    return ownSection(section) ? utf8ToWide(text) : utf8ToAnsiWide(text);
}

bool isText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A value's data as text, less its last character (the NUL); other types' bytes pass as
// they are, less their last byte.
std::string textOf(DWORD type, const std::vector<BYTE>& data, DWORD size)
{
    if (!isText(type))
        return std::string(reinterpret_cast<const char*>(data.data()), size > 0 ? size - 1 : 0);
    const std::size_t chars = size / sizeof(wchar_t);
    return wideToUtf8(std::wstring_view(reinterpret_cast<const wchar_t*>(data.data()), chars > 0 ? chars - 1 : 0));
}

StoreStatus status(LONG rc)
{
    if (rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED)
        return rc == ERROR_SUCCESS ? StoreStatus::Ok : StoreStatus::ReadOnly;
    if (rc == ERROR_BUSY)
        return StoreStatus::Busy;
    return rc == ERROR_DISK_FULL ? StoreStatus::DiskFull : StoreStatus::Failed;
}

// An open key that closes itself; null when it could not be opened, *rc saying why.
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype([](HKEY key) { RegCloseKey(key); })>;

Key openKey(std::string_view path, REGSAM access, LONG* rc)
{
    HKEY key = nullptr;
    *rc = RegOpenKeyExW(HKEY_CURRENT_USER, utf8ToAnsiWide(path).c_str(), 0, access, &key);
    return Key(*rc == ERROR_SUCCESS ? key : nullptr);
}

Key createKey(std::string_view path, LONG* rc)
{
    HKEY key = nullptr;
    *rc = RegCreateKeyExW(HKEY_CURRENT_USER, utf8ToAnsiWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return Key(*rc == ERROR_SUCCESS ? key : nullptr);
}

LONG setText(HKEY key, std::string_view section, std::string_view name, std::string_view text)
{
    const std::wstring data = stored(section, text);
    return RegSetValueExW(key, stored(section, name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// The key's text values in the registry's order; nothing when they could not all be read.
// The buffers are sized from the key's longest name and value, and sized again when a value
// was written longer meanwhile.
std::optional<std::vector<SettingsStore::Row>> readRows(HKEY key)
{
    std::vector<SettingsStore::Row> rows;
    std::vector<wchar_t> name;
    std::vector<BYTE> data;
    int regrown = 0;
    for (DWORD index = 0;;) {
        if (name.empty()) {
            DWORD longestName = 0;
            DWORD longestData = 0;
            if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                                 &longestData, nullptr, nullptr) != ERROR_SUCCESS)
                return std::nullopt;
            name.resize(std::size_t(longestName) + 1); // and its NUL
            // Never empty: without a buffer the call only measures the value.
            data.resize(std::max<std::size_t>(data.size(), std::size_t(longestData) + sizeof(wchar_t)));
        }
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        const LONG rc = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (rc == ERROR_NO_MORE_ITEMS)
            return rows;
        if (rc == ERROR_MORE_DATA && ++regrown <= kMaxRegrowth) {
            // Written longer since the key was measured: measure it again and read this value anew.
            if (size > data.size())
                data.resize(std::size_t(size) + sizeof(wchar_t));
            name.clear();
            continue;
        }
        if (rc != ERROR_SUCCESS)
            return std::nullopt;
        regrown = 0;
        if (type == REG_SZ)
            rows.emplace_back(wideToUtf8(std::wstring_view(name.data(), nameLength)), textOf(type, data, size));
        ++index;
    }
}

} // namespace

std::optional<std::string> Win32Store::value(std::string_view section, std::string_view name)
{
    // Opened for writing, as the program always has: a section it may not write reads as
    // having no values.
    LONG rc = ERROR_SUCCESS;
    const Key key = openKey(section, KEY_ALL_ACCESS, &rc);
    if (!key)
        return std::nullopt;
    const std::wstring valueName = stored(section, name);
    const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegGetValueW(key.get(), nullptr, valueName.c_str(), flags, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return std::nullopt;
    std::vector<BYTE> data(size);
    if (RegGetValueW(key.get(), nullptr, valueName.c_str(), flags, &type, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return textOf(type, data, size);
}

StoreStatus Win32Store::setValue(std::string_view section, std::string_view name, std::string_view text)
{
    LONG rc = ERROR_SUCCESS;
    const Key key = createKey(section, &rc);
    return status(key ? setText(key.get(), section, name, text) : rc);
}

std::vector<SettingsStore::Row> Win32Store::rows(std::string_view section)
{
    LONG rc = ERROR_SUCCESS;
    const Key key = openKey(section, KEY_READ, &rc);
    std::optional<std::vector<Row>> rows = key                          ? readRows(key.get())
                                           : rc == ERROR_FILE_NOT_FOUND ? std::optional(std::vector<Row>())
                                                                        : std::nullopt;
    // A section read in part would be saved back in part: until it is read whole, none of
    // it is shown and it is not replaced.
    if (!rows) {
        m_unread.insert(folded(section));
        return {};
    }
    m_unread.erase(folded(section));
    return std::move(*rows);
}

StoreStatus Win32Store::replaceRows(std::string_view section, std::span<const Row> rows, std::uint32_t)
{
    if (m_unread.contains(folded(section)))
        return StoreStatus::Failed;
    // RegDeleteKeyW, not the whole tree: like the SQLite store, a section with sections
    // below it is refused (ERROR_ACCESS_DENIED).
    const LONG deleted = RegDeleteKeyW(HKEY_CURRENT_USER, utf8ToAnsiWide(section).c_str());
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
        return status(deleted);
    if (rows.empty())
        return StoreStatus::Ok;
    LONG rc = ERROR_SUCCESS;
    const Key key = createKey(section, &rc);
    for (std::size_t i = 0; key && i < rows.size() && rc == ERROR_SUCCESS; ++i)
        rc = setText(key.get(), section, rows[i].first, rows[i].second);
    return status(rc);
}

StoreStatus Win32Store::deleteValue(std::string_view section, std::string_view name)
{
    LONG rc = ERROR_SUCCESS;
    const Key key = openKey(section, KEY_SET_VALUE, &rc);
    if (!key)
        return rc == ERROR_FILE_NOT_FOUND ? StoreStatus::Ok : status(rc);
    rc = RegDeleteValueW(key.get(), stored(section, name).c_str());
    return status(rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc);
}

std::vector<std::string> Win32Store::valueNames(std::string_view section)
{
    std::vector<std::string> names;
    LONG rc = ERROR_SUCCESS;
    const Key key = openKey(section, KEY_READ, &rc);
    std::vector<wchar_t> name(16384);
    for (DWORD index = 0; key; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = REG_NONE;
        // No data buffer: only the name and type come back, however big the value is.
        if (RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            names.push_back(wideToUtf8(std::wstring_view(name.data(), nameLength)));
    }
    return names;
}
