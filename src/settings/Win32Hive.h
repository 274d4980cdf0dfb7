#pragma once

#include "RegistryApi.h"

// Windows only. The current user's registry through advapi32's ANSI calls. Names, paths
// and text data (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are converted between UTF-8 and the
// ANSI code page on the way in and out; other data passes unchanged. Lengths are given in
// UTF-8 bytes, so queryInfoKey gives an upper bound (room for each ANSI byte to become up
// to three UTF-8 bytes). A handle is the HKEY itself. The registry has no transactions
// here: a batch applies each change at once. The order in which values enumerate is the
// registry's own (Wine's is sorted by name; Windows documents none).
class Win32Hive final : public RegistryApi
{
public:
    Result openKey(std::string_view path, std::uint32_t access, Handle* key) override;
    Result createKey(std::string_view path, Handle* key) override;
    Result queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                      std::uint32_t* length) override;
    Result queryInfoKey(Handle key, std::uint32_t* maxValueNameLength, std::uint32_t* maxValueLength) override;
    Result enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                     std::uint8_t* data, std::uint32_t* dataLength) override;
    Result setValue(Handle key, ValueName name, std::uint32_t type, const std::uint8_t* data,
                    std::uint32_t length) override;
    Result deleteValue(Handle key, ValueName name) override;
    Result deleteKey(Handle key, std::string_view subKey) override;
    Result closeKey(Handle key) override;
    // Deletes the key and writes it anew.
    Result replaceValues(std::string_view path, std::span<const Value> values) override;

    Result beginBatch() override;
    Result commitBatch() override;
    Result rollbackBatch() override;
};
