#include "Win32Hive.h"

#include "ValueBuffer.h"
#include "platform/windows/AnsiCodePage.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

HKEY hkey(RegistryApi::Handle key)
{
    return reinterpret_cast<HKEY>(key);
}

bool isText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A value name in the ANSI code page; none at all for the unnamed default value.
class AnsiName
{
public:
    explicit AnsiName(RegistryApi::ValueName name)
    {
        if (name)
            m_text = utf8ToAnsi(*name);
    }
    const char* get() const { return m_text ? m_text->c_str() : nullptr; }

private:
    std::optional<std::string> m_text;
};

// Hands a value's data to a caller's buffer, text in UTF-8.
RegistryApi::Result giveBytes(DWORD type, std::string_view raw, std::uint8_t* data, std::uint32_t* length)
{
    return giveData(isText(type) ? ansiToUtf8(raw) : std::string(raw), data, length);
}

std::string_view asChars(const std::vector<BYTE>& bytes, DWORD length)
{
    return {reinterpret_cast<const char*>(bytes.data()), std::min<std::size_t>(length, bytes.size())};
}

} // namespace

RegistryApi::Result Win32Hive::openKey(std::string_view path, std::uint32_t access, Handle* key)
{
    *key = 0;
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyExA(HKEY_CURRENT_USER, utf8ToAnsi(path).c_str(), 0, access, &opened);
    if (rc == ERROR_SUCCESS)
        *key = reinterpret_cast<Handle>(opened);
    return rc;
}

RegistryApi::Result Win32Hive::createKey(std::string_view path, Handle* key)
{
    *key = 0;
    HKEY created = nullptr;
    const LONG rc = RegCreateKeyExA(HKEY_CURRENT_USER, utf8ToAnsi(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (rc == ERROR_SUCCESS)
        *key = reinterpret_cast<Handle>(created);
    return rc;
}

RegistryApi::Result Win32Hive::queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* length)
{
    if (!length)
        return Failure;
    const AnsiName ansiName(name);
    DWORD valueType = REG_NONE;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(hkey(key), ansiName.get(), nullptr, &valueType, nullptr, &size);
    if (rc != ERROR_SUCCESS)
        return rc;
    // Read the data even when only its size is asked: a text's UTF-8 size is known only
    // after conversion.
    std::vector<BYTE> bytes(size);
    if (size > 0) {
        rc = RegQueryValueExA(hkey(key), ansiName.get(), nullptr, &valueType, bytes.data(), &size);
        if (rc != ERROR_SUCCESS)
            return rc;
    }
    if (type)
        *type = valueType;
    return giveBytes(valueType, asChars(bytes, size), data, length);
}

RegistryApi::Result Win32Hive::queryInfoKey(Handle key, std::uint32_t* maxValueNameLength,
                                            std::uint32_t* maxValueLength)
{
    DWORD longestName = 0;
    DWORD longestData = 0;
    const LONG rc = RegQueryInfoKeyA(hkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     &longestName, &longestData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS)
        return rc;
    if (maxValueNameLength)
        *maxValueNameLength = longestName * 3;
    if (maxValueLength)
        *maxValueLength = longestData * 3;
    return Success;
}

RegistryApi::Result Win32Hive::enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                         std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength)
{
    if (!name || !nameLength)
        return Failure;
    DWORD longestName = 0;
    DWORD longestData = 0;
    LONG rc = RegQueryInfoKeyA(hkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                               &longestData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS)
        return rc;
    std::vector<char> ansiName(longestName + 1);
    std::vector<BYTE> bytes(longestData + 1);
    DWORD ansiNameLength = static_cast<DWORD>(ansiName.size());
    DWORD size = static_cast<DWORD>(bytes.size());
    DWORD valueType = REG_NONE;
    rc = RegEnumValueA(hkey(key), index, ansiName.data(), &ansiNameLength, nullptr, &valueType, bytes.data(), &size);
    if (rc != ERROR_SUCCESS)
        return rc;

    if (giveName(ansiToUtf8(std::string_view(ansiName.data(), ansiNameLength)), name, nameLength) == MoreData)
        return MoreData;
    if (type)
        *type = valueType;
    if (!dataLength)
        return Success;
    return giveBytes(valueType, asChars(bytes, size), data, dataLength);
}

RegistryApi::Result Win32Hive::setValue(Handle key, ValueName name, std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t length)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), data ? length : 0);
    const std::string bytes = isText(type) ? utf8ToAnsi(raw) : std::string(raw);
    return RegSetValueExA(hkey(key), AnsiName(name).get(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

RegistryApi::Result Win32Hive::deleteValue(Handle key, ValueName name)
{
    return RegDeleteValueA(hkey(key), AnsiName(name).get());
}

RegistryApi::Result Win32Hive::deleteKey(Handle key, std::string_view subKey)
{
    // Refuses a key that has subkeys (ERROR_ACCESS_DENIED).
    return RegDeleteKeyA(hkey(key), utf8ToAnsi(subKey).c_str());
}

RegistryApi::Result Win32Hive::closeKey(Handle key)
{
    return RegCloseKey(hkey(key));
}

RegistryApi::Result Win32Hive::replaceValues(std::string_view path, std::span<const Value> values)
{
    const LONG deleted = RegDeleteKeyA(HKEY_CURRENT_USER, utf8ToAnsi(path).c_str());
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
        return deleted;
    if (values.empty())
        return Success;
    RegistryKey key(*this);
    Result rc = createKey(path, key.out());
    for (std::size_t i = 0; i < values.size() && rc == Success; ++i)
        rc = setValue(key.get(), values[i].name, values[i].type,
                      reinterpret_cast<const std::uint8_t*>(values[i].data.data()),
                      static_cast<std::uint32_t>(values[i].data.size()));
    return rc;
}

RegistryApi::Result Win32Hive::beginBatch()
{
    return Success;
}

RegistryApi::Result Win32Hive::commitBatch()
{
    return Success;
}

RegistryApi::Result Win32Hive::rollbackBatch()
{
    return Success;
}
